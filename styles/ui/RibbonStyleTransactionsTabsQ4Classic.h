#pragma once
// The controls of the transaction list's style-editing tabs: "Ustawienia ogólne" (grid lines,
// colouring) and the text-field style groups of "Parametry" (odd, even), "Wzrosty" and "Spadki"
// (first and second style each), all groups of one builder driven by each group's ids.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleTransactionsTabsQ4Classic
{
public:
    static std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers();
};
