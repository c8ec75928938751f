#pragma once
// The controls of the transactions monitor's style-editing tabs: "Ustawienia ogólne" (grid
// lines, colouring of rows or columns) and the odd and even text-field style groups of
// "Parametry", whose colour buttons keep their captions.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleTransactionsMonitorTabsQ4Classic
{
public:
    static std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers();
};
