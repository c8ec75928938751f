#include "app/RibbonTabsCreatorsClassicEdition.h"

#include "charts/ui/RibbonChartsTabsQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "orderssheet/ui/RibbonOrdersSheetQ4Classic.h"
#include "styles/ui/StyleEditTabsQ4Classic.h"

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateChartsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonChartsTabsQ4Classic>(factory, ribbonBar);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateOrdersSheetTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    AppMediator* mediator = AppMediator::Instance();
    return std::make_shared<RibbonOrdersSheetQ4Classic>(factory, ribbonBar, mediator ? mediator->GetOrdersSheetManager() : nullptr);
}

void RibbonTabsCreatorsClassicEdition::CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                                                           std::vector<Creator>& creators)
{
    CreateStyleEditTabsQ4Classic(factory, ribbonBar, creators);
}
