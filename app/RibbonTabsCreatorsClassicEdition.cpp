#include "app/RibbonTabsCreatorsClassicEdition.h"

#include "alerts/ui/RibbonAlertsTabs.h"
#include "app/OrdersSheetManagerQ4Classic.h"
#include "charts/ui/FormationsRibbonTabsCreator.h"
#include "charts/ui/RibbonChartsTabsQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/table/TableModule.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "orderssheet/ui/RibbonOrdersSheetQ4Classic.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "ribbon/details/RibbonDetailsTabsQ4Classic.h"
#include "ribbon/details/RibbonOffersTabsQ4Classic.h"
#include "ribbon/filesgen/RibbonFilesGeneratorTabs.h"
#include "ribbon/tables/RibbonTablesTabsQ4Classic.h"
#include "ribbon/translist/RibbonTransListsTabsQ4Classic.h"
#include "ribbon/translist/RibbonTransactionsMonitorTabsQ4Classic.h"
#include "sessionstats/ui/RibbonSessionStatisticsQ4Classic.h"
#include "styles/ui/StyleEditTabsQ4Classic.h"

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateChartsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonChartsTabsQ4Classic>(factory, ribbonBar);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateTablesTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonTablesTabsQ4Classic>(factory, ribbonBar, GetTableCons());
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateFilesGeneratorTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonFilesGeneratorTabs>(factory, ribbonBar, GetAppFilesGeneratorConsumer());
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateDetailsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonDetailsTabsQ4Classic>(factory, ribbonBar, GetDetailsConsumer(), GetTableCons());
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateOffersTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonOffersTabsQ4Classic>(factory, ribbonBar, GetOffersConsumer(), GetTableCons());
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateTransListsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonTransListsTabsQ4Classic>(factory, ribbonBar, GetTransListConsumer(), GetTableCons());
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateTransactionsMonitorTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonTransactionsMonitorTabsQ4Classic>(factory, ribbonBar,
                                                                    GetTransactionsMonitorConsumer());
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
