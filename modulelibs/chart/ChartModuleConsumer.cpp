#include "modulelibs/chart/ChartModuleConsumer.h"

ChartModuleConsumer::ChartModuleConsumer()
    : ModuleConsumer({QStringLiteral("Chart"), QStringLiteral(".q4c"), QStringLiteral("Pliki wykresów (*.q4c)|*.q4c"),
                      QStringLiteral("Wykres"), QStringLiteral(".q5c"), QStringLiteral("wykresu")})
{
}

bool ChartModuleConsumer::OpenNewChart(QWidget* view, const Asset& asset, const std::shared_ptr<DataRequestParams>& request,
                                       const std::shared_ptr<ShowedRange>& range, EChartType chartType,
                                       ETimeAxisType timeAxisType)
{
    return CannotOpenWindow(QStringLiteral("OpenNewChart"), __LINE__);
}

void ChartModuleConsumer::SaveState(Settings& node) const
{
    node["Inspector"] = m_inspector;
    node["InspectorCross"] = m_inspectorCross;
    node["Ruler"] = m_ruler;
    node["DefaultPointerParams"] = m_defaultPointerParams;
}

void ChartModuleConsumer::LoadState(const Settings& node)
{
    // A key the session does not hold leaves the switch as it is.
    if (node.Exists(QStringLiteral("Inspector")))
        m_inspector = node["Inspector"].ToBool();
    if (node.Exists(QStringLiteral("InspectorCross")))
        m_inspectorCross = node["InspectorCross"].ToBool();
    if (node.Exists(QStringLiteral("Ruler")))
        m_ruler = node["Ruler"].ToBool();
    if (node.Exists(QStringLiteral("DefaultPointerParams")))
        m_defaultPointerParams = node["DefaultPointerParams"].ToBool();
}
