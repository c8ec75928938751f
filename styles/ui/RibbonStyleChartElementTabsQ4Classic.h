#pragma once
// The chart element's style-editing tab "Styl elementu wykresu": the chart type of the
// preview, the element's settings and the changes. Main thread only.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleChartElementTabsQ4Classic : public RibbonStyleEditTabs
{
public:
    RibbonStyleChartElementTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
};
