#include "ribbon/details/WindowMainTab.h"

#include "ribbon/details/RibbonWindowTabs.h"

WindowMainTab::WindowMainTab(RibbonWindowTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool WindowMainTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}
