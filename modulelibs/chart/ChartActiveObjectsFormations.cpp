// A chart window's active objects: its drawn formations, the active one's kind and parameters,
// removing and duplicating them.

#include "modulelibs/chart/ChartActiveObjects.h"

#include "modulelibs/chart/IChartHost.h"

#include <algorithm>
#include <cmath>
bool ChartActiveObjects::HasFormations() const
{
    return !m_document.formations.empty();
}

bool ChartActiveObjects::IsFormationActive() const
{
    return ActiveFormation() != nullptr;
}

FormationType ChartActiveObjects::GetActiveFormationType() const
{
    const ChartFormation* formation = ActiveFormation();
    return formation ? formation->type : FormationParam::kNoTool;
}

int ChartActiveObjects::GetActivateContext() const
{
    if (IsFormationActive())
        return 3;
    if (IsSelectedSeries())
        return 2;
    return IsSelectedView() ? 1 : 0;
}

SimpleValue ChartActiveObjects::GetActiveFormationParameter(FormationParam::Type type) const
{
    const ChartFormation* formation = ActiveFormation();
    return formation ? formation->Get(type) : SimpleValue();
}

void ChartActiveObjects::UpdateActiveFormationParameter(FormationParam::Type type, const SimpleValue& value)
{
    ChartFormation* formation = ActiveFormation();
    if (formation && formation->Set(type, value))
        m_host.Redraw();
}

void ChartActiveObjects::RemoveActiveFormation()
{
    if (!ActiveFormation())
        return;
    m_document.formations.erase(m_document.formations.begin() + m_document.activeFormation);
    m_document.activeFormation = -1;
    m_host.Redraw();
}

void ChartActiveObjects::DuplicateActiveFormation()
{
    const ChartFormation* formation = ActiveFormation();
    if (!formation)
        return;
    // The copy sits a little lower, so that it does not hide under the original.
    ChartFormation copy = formation->Clone();
    double low = copy.points.front().value;
    double high = low;
    for (const FormationPoint& point : copy.points)
    {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    const double shift = std::max(high - low, std::abs(low) * 0.02) * 0.1;
    for (FormationPoint& point : copy.points)
        point.value -= shift;
    m_document.formations.push_back(copy);
    m_document.activeFormation = static_cast<int>(m_document.formations.size()) - 1;
    m_host.Redraw();
}

void ChartActiveObjects::RemoveAllFormations()
{
    m_document.formations.clear();
    m_document.activeFormation = -1;
    m_host.Redraw();
}
