#pragma once
// The chart windows' "Formacje" tab: the buttons that arm the drawing tools (lines, shapes,
// the Fibonacci and Gann tools), the drawing modes, the labels switch, the eraser and removing
// every formation. Shown with the other chart tabs while a chart window is active.

#include "ribbon/QuorvantaTab.h"

class RibbonTabsCreator;

class FormationToolsTab : public QuorvantaTab
{
public:
    explicit FormationToolsTab(RibbonTabsCreator& creator);

protected:
    bool CreateGroups() override;
};
