#pragma once
// The main tabs of the standard edition: new windows, saved windows and desktops, the
// in-program modules and alerts on the first; chart tools and the program's own commands on
// the second. Their groups are built when a tab is first shown.

#include "ribbon/RibbonTabsCreator.h"

class QuorvantaTab;

class QuorvantaMainTabsQ4Classic : public RibbonTabsCreator
{
public:
    QuorvantaMainTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);

    bool CreateTabs() override;
    // Builds the groups of one of the main tabs; false when the tab is not one of them.
    bool CreateMainTabGroups(QuorvantaTab& tab);
};
