#include "ribbon/RibbonTabsCreatorsQ4Classic.h"

#include "ribbon/QuorvantaMainTabsQ4Classic.h"

using Creator = IRibbonTabsCreatorsFactory::Creator;

Creator RibbonTabsCreatorsQ4Classic::CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<QuorvantaMainTabsQ4Classic>(factory, ribbonBar);
}

Creator RibbonTabsCreatorsQ4Classic::CreateChartsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateTablesTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateAlertsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateOrdersSheetTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateFilesGeneratorTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateDetailsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateOffersTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateTransListsTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

Creator RibbonTabsCreatorsQ4Classic::CreateTransactionsMonitorTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
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
