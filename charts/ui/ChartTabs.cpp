#include "charts/ui/ChartTabs.h"

#include "charts/ui/RibbonChartsTabsQ4Classic.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

ChartMainTabStandard::ChartMainTabStandard(RibbonChartsTabsQ4Classic& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool ChartMainTabStandard::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}

ChartAxisValueTab::ChartAxisValueTab(RibbonChartsTabsQ4Classic& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool ChartAxisValueTab::CreateGroups()
{
    return m_creator.CreateAxisValueTabGroups(*this);
}

ChartSeriesTabStandard::ChartSeriesTabStandard(RibbonChartsTabsQ4Classic& creator)
    : QuorvantaTab(RibbonTabLevelSubContext, &creator)
    , m_creator(creator)
{
}

bool ChartSeriesTabStandard::IsAvailable()
{
    ChartConsumer* charts = m_creator.GetCharts();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    return active && active->IsSelectedSeries();
}

bool ChartSeriesTabStandard::Prepare()
{
    const bool prepared = QuorvantaTab::Prepare();
    ChartConsumer* charts = m_creator.GetCharts();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    if (prepared && active)
    {
        const QString name = active->GetActiveSeriesName();
        if (!name.isEmpty())
            SetCaption(name);
    }
    return prepared;
}

bool ChartSeriesTabStandard::CreateGroups()
{
    return m_creator.CreateSeriesTabGroups(*this);
}
