#pragma once
// The standard edition's tab of the details windows: "Szczegóły" with the column lock, the
// tables to follow, the row moves and the window's style.

#include "ribbon/details/RibbonWindowTabs.h"

class DetailsCons;

class RibbonDetailsTabsQ4Classic : public RibbonWindowTabs
{
public:
    RibbonDetailsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, DetailsCons* details,
                               TableConsumer* tables);

    bool CreateMainTabGroups(QuorvantaTab& tab) override;

protected:
    std::unique_ptr<QuorvantaTab> MakeTab() override;
};
