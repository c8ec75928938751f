#include "ribbon/translist/TransListMonitorMainTabs.h"

#include "ribbon/details/RibbonWindowTabs.h"

TransListMainTab::TransListMainTab(RibbonWindowTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool TransListMainTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}

TransactionsMonitorMainTab::TransactionsMonitorMainTab(RibbonWindowTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool TransactionsMonitorMainTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}
