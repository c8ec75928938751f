#pragma once
// The chart window's style-editing tabs: "Styl okna wykresu" (header, grid lines, colours,
// axes, changes) and "Pozostałe parametry" (further colours, the six indicators, the related
// styles, alerts). Main thread only.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleChartTabsQ4Classic : public RibbonStyleEditTabs
{
public:
    RibbonStyleChartTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
};
