#pragma once
// The standard edition's tab creators with those of the window kinds whose tabs live above the
// ribbon's own library (the chart windows').

#include "ribbon/RibbonTabsCreatorsQ4Classic.h"

class RibbonTabsCreatorsQ4ClassicEx : public RibbonTabsCreatorsQ4Classic
{
public:
    Creator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
};
