#pragma once
// The controls of the session-statistics style-editing tabs: grid lines and highlighting on
// "Ustawienia ogólne", one text-field style group on each of "Wzrosty", "Spadki", "Obroty" and
// "Transakcje", and the overall bar's colours and font on "Wykresy".

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleSessionStatisticsTabsQ4Classic
{
public:
    static std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers();
};
