#include "styles/ui/StyleEditRibbonTab.h"

#include "styles/ui/RibbonStyleEditTabs.h"

StyleEditRibbonTab::StyleEditRibbonTab(RibbonStyleEditTabs& creator)
    : QuorvantaTab(RibbonTabLevelMain, &creator)
    , m_creator(creator)
{
}

bool StyleEditRibbonTab::CreateGroups()
{
    return m_creator.CreateTabGroups(*this);
}
