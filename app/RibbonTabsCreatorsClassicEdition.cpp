#include "app/RibbonTabsCreatorsClassicEdition.h"

#include "styles/ui/StyleEditTabsQ4Classic.h"

void RibbonTabsCreatorsClassicEdition::CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                                                           std::vector<Creator>& creators)
{
    CreateStyleEditTabsQ4Classic(factory, ribbonBar, creators);
}
