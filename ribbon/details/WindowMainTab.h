#pragma once
// The contextual tab of a window kind whose creator builds its groups (the transaction lists',
// the transactions monitor's).

#include "ribbon/QuorvantaTab.h"

class RibbonWindowTabs;

class WindowMainTab : public QuorvantaTab
{
public:
    explicit WindowMainTab(RibbonWindowTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonWindowTabs& m_creator;
};
