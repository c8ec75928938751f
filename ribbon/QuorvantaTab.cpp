#include "ribbon/QuorvantaTab.h"

#include "ribbon/RibbonLog.h"

QuorvantaTab::QuorvantaTab(ERibbonTabLevel level, RibbonTabsCreator* creator)
    : m_level(level)
    , m_creator(creator)
{
}

bool QuorvantaTab::IsAvailable()
{
    return true;
}

bool QuorvantaTab::Prepare()
{
    if (m_groupsCreated)
        return m_groupsBuilt;
    m_groupsCreated = true;
    m_groupsBuilt = CreateGroups();
    if (!m_groupsBuilt)
        qCWarning(lcRibbon) << "QuorvantaTab: the groups of tab" << GetID() << GetCaption() << "could not be built";
    return m_groupsBuilt;
}

void QuorvantaTab::OnBeforeShow()
{
    Prepare();
}
