#pragma once
// The main frame's tab creators in the standard edition: the ribbon's own, those of the window
// kinds, which reach their module libraries' consumers or live above the ribbon's library (the
// chart windows'), and the style-editing tabs of every style kind.

#include "ribbon/RibbonTabsCreatorsQ4Classic.h"

class RibbonTabsCreatorsClassicEdition : public RibbonTabsCreatorsQ4Classic
{
public:
    Creator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateFormationsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    void CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                             std::vector<Creator>& creators) override;
};
