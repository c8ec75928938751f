#pragma once
// The standard edition's tab of the offers windows: "Oferty" with the column lock, the layout
// switch, the tables to follow and the window's style.

#include "ribbon/details/RibbonWindowTabs.h"

class OffersConsumer;

class RibbonOffersTabsQ4Classic : public RibbonWindowTabs
{
public:
    RibbonOffersTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, OffersConsumer* offers,
                              TableConsumer* tables);

    bool CreateMainTabGroups(QuorvantaTab& tab) override;

protected:
    std::unique_ptr<QuorvantaTab> MakeTab() override;
};
