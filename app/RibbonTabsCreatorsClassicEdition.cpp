#include "app/RibbonTabsCreatorsClassicEdition.h"

#include "charts/ui/FormationsRibbonTabsCreator.h"
#include "alerts/ui/RibbonAlertsTabs.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "charts/ui/RibbonChartsTabsQ4Classic.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "sessionstats/ui/RibbonSessionStatisticsQ4Classic.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "app/OrdersSheetManagerQ4Classic.h"
#include "orderssheet/ui/RibbonOrdersSheetQ4Classic.h"
#include "modulelibs/table/TableModule.h"
#include "styles/ui/StyleEditTabsQ4Classic.h"

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateChartsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonChartsTabsQ4Classic>(factory, ribbonBar);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateFormationsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<FormationsRibbonTabsCreator>(factory, ribbonBar);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateAlertsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    const AppMediator* mediator = AppMediator::Instance();
    return std::make_shared<RibbonAlertsTabs>(factory, ribbonBar, mediator ? mediator->GetAlertModule() : nullptr);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateOrdersSheetTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    AppMediator* mediator = AppMediator::Instance();
    return std::make_shared<RibbonOrdersSheetQ4Classic>(factory, ribbonBar, mediator ? mediator->GetOrdersSheetManager() : nullptr,
                                                        &OrdersSheetManagerQ4Classic::MediatorCurrentWindow, GetTableCons());
}

void RibbonTabsCreatorsClassicEdition::CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                                                           std::vector<Creator>& creators)
{
    CreateStyleEditTabsQ4Classic(factory, ribbonBar, creators);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateSessionStatisticsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonSessionStatisticsQ4Classic>(factory, ribbonBar, []() -> IGenericModule* {
        AppMediator* mediator = AppMediator::Instance();
        // The window names the statistics module itself as its module, so the tab does too.
        return mediator ? dynamic_cast<IGenericModule*>(mediator->GetSessionStatisticsInterface()) : nullptr;
    });
}
