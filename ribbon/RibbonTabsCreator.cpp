#include "ribbon/RibbonTabsCreator.h"

RibbonTabsCreator::RibbonTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : m_factory(factory)
    , m_ribbonBar(ribbonBar)
{
}

bool RibbonTabsCreator::CreateTabs()
{
    return false;
}

bool RibbonTabsCreator::HandleFrameRequest(RibbonCreateControlRequest&)
{
    return false;
}
