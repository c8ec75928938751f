#include "ribbon/details/DetailsOffersMainTabs.h"

#include "ribbon/details/RibbonWindowTabs.h"

DetailsMainTab::DetailsMainTab(RibbonWindowTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool DetailsMainTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}

OffersMainTab::OffersMainTab(RibbonWindowTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool OffersMainTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}
