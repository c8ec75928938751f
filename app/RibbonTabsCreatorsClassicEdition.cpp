#include "app/RibbonTabsCreatorsClassicEdition.h"

#include "alerts/ui/RibbonAlertsTabs.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessAlertModule.h"

#include "charts/ui/RibbonChartsTabsQ4Classic.h"
#include "styles/ui/StyleEditTabsQ4Classic.h"

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateChartsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return std::make_shared<RibbonChartsTabsQ4Classic>(factory, ribbonBar);
}

RibbonTabsCreatorsClassicEdition::Creator RibbonTabsCreatorsClassicEdition::CreateAlertsTabs(
    RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    const AppMediator* mediator = AppMediator::Instance();
    return std::make_shared<RibbonAlertsTabs>(factory, ribbonBar, mediator ? mediator->GetAlertModule() : nullptr);
}

void RibbonTabsCreatorsClassicEdition::CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                                                           std::vector<Creator>& creators)
{
    CreateStyleEditTabsQ4Classic(factory, ribbonBar, creators);
}
