#include "ribbon/MainRibbonTab.h"

#include "ribbon/QuorvantaMainTabsQ4Classic.h"

MainRibbonTab::MainRibbonTab(QuorvantaMainTabsQ4Classic& creator)
    : QuorvantaTab(RibbonTabLevelMain, &creator)
    , m_creator(creator)
{
}

bool MainRibbonTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}
