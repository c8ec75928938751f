#pragma once
// The main frame's tab creators in the standard edition: the ribbon's own, and the
// style-editing tabs of every style kind.

#include "ribbon/RibbonTabsCreatorsQ4Classic.h"

class RibbonTabsCreatorsClassicEdition : public RibbonTabsCreatorsQ4Classic
{
public:
    void CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                             std::vector<Creator>& creators) override;
};
