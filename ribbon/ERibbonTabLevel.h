#pragma once
// The level of a ribbon tab: 1 a main tab, 2 and 3 contextual tabs, a higher number a deeper
// context (a window's tabs at 2, the tabs of a selected part of it at 3). 0 means none.

enum ERibbonTabLevel : int
{
    RibbonTabLevelNone = 0,
    RibbonTabLevelMain = 1,
    RibbonTabLevelContext = 2,
    RibbonTabLevelSubContext = 3
};
