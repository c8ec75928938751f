#include "app/RibbonTabsCreatorsQ4ClassicEx.h"

#include "charts/ui/RibbonChartsTabsQ4Classic.h"

RibbonTabsCreatorsQ4ClassicEx::Creator RibbonTabsCreatorsQ4ClassicEx::CreateChartsTabs(RibbonsFactory& factory,
                                                                                      QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonChartsTabsQ4Classic>(factory, ribbonBar);
}
