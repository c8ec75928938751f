#pragma once
// What the alerts window's tab control needs of the window that owns it: its active-tab number
// (0 the defined alerts shown, 1 the generated ones) and its own work after a change of tab.

class ITabCtrlExOwner
{
public:
    virtual ~ITabCtrlExOwner() = default;

    virtual void SetActiveTab(int number) = 0;
    // The window's part of a tab change (the context caption of its ribbon tab). The tab
    // control asks the main frame to update the ribbon itself right after, so this must not.
    virtual void OnTabChanged() = 0;
};
