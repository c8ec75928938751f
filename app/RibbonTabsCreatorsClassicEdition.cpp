#include "app/RibbonTabsCreatorsClassicEdition.h"

#include "charts/ui/FormationsRibbonTabsCreator.h"
#include "charts/ui/RibbonChartsTabsQ4Classic.h"
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

void RibbonTabsCreatorsClassicEdition::CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                                                           std::vector<Creator>& creators)
{
    CreateStyleEditTabsQ4Classic(factory, ribbonBar, creators);
}
