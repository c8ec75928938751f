#include "ribbon/RibbonTabsCreatorsQ4Classic.h"

#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/table/TableModule.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "ribbon/QuorvantaMainTabsQ4Classic.h"
#include "ribbon/details/RibbonDetailsTabsQ4Classic.h"
#include "ribbon/details/RibbonOffersTabsQ4Classic.h"
#include "ribbon/filesgen/RibbonFilesGeneratorTabs.h"
#include "ribbon/tables/RibbonTablesTabsQ4Classic.h"
#include "ribbon/translist/RibbonTransListsTabsQ4Classic.h"
#include "ribbon/translist/RibbonTransactionsMonitorTabsQ4Classic.h"

using Creator = IRibbonTabsCreatorsFactory::Creator;

Creator RibbonTabsCreatorsQ4Classic::CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<QuorvantaMainTabsQ4Classic>(factory, ribbonBar);
}

Creator RibbonTabsCreatorsQ4Classic::CreateChartsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonTablesTabsQ4Classic>(factory, ribbonBar, GetTableCons());
}

Creator RibbonTabsCreatorsQ4Classic::CreateAlertsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateOrdersSheetTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonFilesGeneratorTabs>(factory, ribbonBar, GetAppFilesGeneratorConsumer());
}

Creator RibbonTabsCreatorsQ4Classic::CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonDetailsTabsQ4Classic>(factory, ribbonBar, GetDetailsConsumer(), GetTableCons());
}

Creator RibbonTabsCreatorsQ4Classic::CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonOffersTabsQ4Classic>(factory, ribbonBar, GetOffersConsumer(), GetTableCons());
}

Creator RibbonTabsCreatorsQ4Classic::CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonTransListsTabsQ4Classic>(factory, ribbonBar, GetTransListConsumer(), GetTableCons());
}

Creator RibbonTabsCreatorsQ4Classic::CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonTransactionsMonitorTabsQ4Classic>(factory, ribbonBar,
                                                                    GetTransactionsMonitorConsumer());
}

Creator RibbonTabsCreatorsQ4Classic::CreateSessionStatisticsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateFormationsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateKFLTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

void RibbonTabsCreatorsQ4Classic::CreateStyleEditTabs(QuorvantaRibbonBar&, RibbonsFactory&, std::vector<Creator>&)
{
}
