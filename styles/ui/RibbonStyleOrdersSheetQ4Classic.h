#pragma once
// The controls of the orders sheet's style-editing tabs, as fillers of the groups its layout
// gives: "Ustawienia ogólne" (grid lines, display options), "Kolumny i Wiersze" (the odd and
// even elements' text styles), "Wiersz aktualnej ceny" (the price row's) and "Kolory
// podsumowania" (fifteen colour buttons without captions, whose icons the command target draws).
// The style-gallery groups of the elements are built but hidden: their controls exist and can
// be found. Main thread only.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleOrdersSheetQ4Classic
{
public:
    static std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers();
    // Whether a group of the tabs is shown: the style-gallery groups are not.
    static bool IsGroupVisible(std::uint32_t groupId);
};
