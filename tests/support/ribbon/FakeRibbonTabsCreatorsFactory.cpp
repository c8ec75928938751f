#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"

using Creator = IRibbonTabsCreatorsFactory::Creator;

Creator FakeRibbonTabsCreatorsFactory::MakeFor(const std::string& kind, RibbonsFactory& factory,
                                              QuorvantaRibbonBar& ribbonBar)
{
    calls.push_back(kind);
    const auto make = m_makers.find(kind);
    return make == m_makers.end() || !make->second ? nullptr : make->second(factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("main", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("charts", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("tables", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("alerts", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("orders sheet", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("files generator", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("details", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("offers", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("transaction lists", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("transactions monitor", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("session statistics", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateFormationsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("formations", factory, ribbonBar);
}

Creator FakeRibbonTabsCreatorsFactory::CreateKFLTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return MakeFor("formula language", factory, ribbonBar);
}

void FakeRibbonTabsCreatorsFactory::CreateStyleEditTabs(QuorvantaRibbonBar&, RibbonsFactory&, std::vector<Creator>& creators)
{
    calls.push_back("style edit");
    if (m_styleEdit)
        m_styleEdit(creators);
}
