#pragma once
// The standard edition's tab creators as the ribbon knows them: the main tabs are built here.
// The window kinds' tabs need their module libraries or subsystems, which sit above the ribbon;
// the edition (`RibbonTabsCreatorsClassicEdition`) creates those, and here there are none.

#include "ribbon/IRibbonTabsCreatorsFactory.h"

class RibbonTabsCreatorsQ4Classic : public IRibbonTabsCreatorsFactory
{
public:
    Creator CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateFormationsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateKFLTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    void CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                             std::vector<Creator>& creators) override;
};
