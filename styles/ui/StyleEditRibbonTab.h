#pragma once
// A style-editing tab: hidden but while the style edit mode shows it; its creator builds its
// groups the first time it is shown.

#include "ribbon/QuorvantaTab.h"

class RibbonStyleEditTabs;

class StyleEditRibbonTab : public QuorvantaTab
{
public:
    explicit StyleEditRibbonTab(RibbonStyleEditTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonStyleEditTabs& m_creator;
};
