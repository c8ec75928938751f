#pragma once
// The controls of the quote table's style-editing tabs: "Ustawienia ogólne" (grid lines,
// display options) and "Parametry" (the odd and even elements' text-field styles), as fillers of
// the groups the kind's layout gives.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleTableTabsQ4Classic
{
public:
    static std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers();
};
