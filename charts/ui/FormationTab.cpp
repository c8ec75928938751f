#include "charts/ui/FormationTab.h"

#include "modulelibs/chart/FormationShapes.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

#include <algorithm>

namespace
{
constexpr int kFormationContext = 3;
}

FormationTab::FormationTab(RibbonTabsCreator& creator, ChartConsumer* charts, FormationType type, GroupsBuilder builder)
    : QuorvantaTab(RibbonTabLevelSubContext, &creator)
    , m_charts(charts)
    , m_builder(std::move(builder))
{
    AddType(type);
}

void FormationTab::AddType(FormationType type)
{
    if (type != FormationParam::kNoTool && std::find(m_types.begin(), m_types.end(), type) == m_types.end())
        m_types.push_back(type);
}

bool FormationTab::IsAvailable()
{
    ActiveObjectsContainer* active = m_charts ? m_charts->GetActiveObjects() : nullptr;
    return active && active->GetActivateContext() == kFormationContext
           && std::find(m_types.begin(), m_types.end(), active->GetActiveFormationType()) != m_types.end();
}

bool FormationTab::Prepare()
{
    if (!QuorvantaTab::Prepare())
        return false;
    if (ActiveObjectsContainer* active = m_charts ? m_charts->GetActiveObjects() : nullptr)
        SetCaption(FormationShapes::KindName(active->GetActiveFormationType()));
    return true;
}

bool FormationTab::CreateGroups()
{
    return m_builder && m_builder(*this);
}
