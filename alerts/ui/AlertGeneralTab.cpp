#include "alerts/ui/AlertGeneralTab.h"

#include "alerts/ui/RibbonAlertsTabs.h"

AlertGeneralTab::AlertGeneralTab(RibbonAlertsTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool AlertGeneralTab::CreateGroups()
{
    return m_creator.CreateAlertGeneralGroups(*this) == 1;
}
