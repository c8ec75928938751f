#pragma once
// A ribbon tab for tests: its availability is set by the test, and building its groups
// (counted) adds one group with one button under the tab's id plus 1000, or fails.

#include "ribbon/QuorvantaTab.h"

class TestRibbonTab : public QuorvantaTab
{
public:
    explicit TestRibbonTab(ERibbonTabLevel level, RibbonTabsCreator* creator = nullptr);

    bool IsAvailable() override { return available; }

    bool available = true;
    bool buildSucceeds = true;
    int groupBuilds = 0;

protected:
    bool CreateGroups() override;
};
