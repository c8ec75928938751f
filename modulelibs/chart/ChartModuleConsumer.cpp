#include "modulelibs/chart/ChartModuleConsumer.h"

#include "modulelibs/chart/ChartDataRange.h"
#include "modulelibs/chart/ChartStyles.h"
#include "modulelibs/chart/ChartWindow.h"
#include "platform/modules/DataRequestParams.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/ShowedRange.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include <algorithm>

namespace
{
const QString kRootName = QStringLiteral("Settings");
}

ChartModuleConsumer::ChartModuleConsumer()
    : ModuleConsumer({QStringLiteral("Chart"), QStringLiteral(".q4c"), QStringLiteral("Pliki wykresów (*.q4c)|*.q4c"),
                      QStringLiteral("Wykres"), QStringLiteral(".q5c"), QStringLiteral("wykresu")})
{
}

namespace
{
const QSize kNewChartSize(760, 480);
}

ChartWindow* ChartModuleConsumer::OpenDocument(QWidget* view, ChartDocument document)
{
    auto* chart = new ChartWindow(*this, std::move(document), view);
    // A chart opens beside the other windows (its panel places it), not over all of them.
    chart->resize(kNewChartSize.boundedTo(view ? view->size() : kNewChartSize));
    chart->show();
    if (!chart->LoadData())
        WriteWarning(QStringLiteral("OpenDocument"), __LINE__,
                     QStringLiteral("Wykres %1 nie dostaje notowań: dostawca \"%2\" nie podaje tego instrumentu.")
                         .arg(chart->Document().ticker, chart->Document().provider));
    SetActiveChart(chart);
    chart->ForceActivate();
    return chart;
}

bool ChartModuleConsumer::OpenNewChart(QWidget* view, const Asset& asset, const std::shared_ptr<DataRequestParams>& request,
                                       const std::shared_ptr<ShowedRange>& range, EChartType chartType,
                                       ETimeAxisType timeAxisType)
{
    if (!view || asset.IsEmpty() || !asset.GetProvider())
    {
        WriteWarning(QStringLiteral("OpenNewChart"), __LINE__,
                     QStringLiteral("Nie otwarto okna wykresu: brak panelu albo instrumentu dostawcy."));
        return false;
    }
    DataRequestParams params = request ? *request : DataRequestParams();
    ShowedRange shown = range ? *range : ShowedRange();
    ChartDataRange::Resolve(params, shown);
    if (!params.IsValid() || chartType < 0 || chartType > 7 || timeAxisType < 0 || timeAxisType > 2)
    {
        WriteWarning(QStringLiteral("OpenNewChart"), __LINE__,
                     QStringLiteral("Nie otwarto wykresu %1: nieprawidłowe parametry danych.").arg(asset.GetShortName()));
        return false;
    }
    ChartDocument document = ChartDocument::Standard(asset.GetProvider()->GetName(), asset.GetShortName(),
                                                     asset.GetMarket(), params, shown, chartType);
    document.timeAxisType = timeAxisType;
    OpenDocument(view, std::move(document));
    return true;
}

ActiveObjectsContainer* ChartModuleConsumer::GetActiveObjects()
{
    // Another module's window being the active one means no chart is.
    if (IAppMediator* mediator = GetAppMediator())
    {
        ModuleWndBase* active = mediator->GetActiveModuleWnd();
        if (auto* chart = qobject_cast<ChartWindow*>(active))
            return &chart->ActiveObjects();
        if (active)
            return nullptr;
    }
    ChartWindow* chart = ActiveChart();
    return chart ? &chart->ActiveObjects() : nullptr;
}

void ChartModuleConsumer::ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback) const
{
    for (ChartWindow* chart : m_charts)
        callback(chart);
}

std::shared_ptr<StyleBase> ChartModuleConsumer::DefaultStyle() const
{
    return ChartStyles::WindowStyle();
}

bool ChartModuleConsumer::SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles)
{
    auto* chart = qobject_cast<ChartWindow*>(window);
    if (!chart || std::find(m_charts.begin(), m_charts.end(), chart) == m_charts.end())
        return ModuleConsumer::SaveWindowToFile(window, path, flags, embedStyles);
    Settings node;
    chart->Document().Save(node);
    if (node.SaveToFile(path, kRootName))
        return true;
    WriteWarning(QStringLiteral("SaveWindowToFile"), __LINE__, QStringLiteral("Nie zapisano pliku wykresu \"%1\".").arg(path));
    return false;
}

bool ChartModuleConsumer::SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved)
{
    auto* chart = qobject_cast<ChartWindow*>(window);
    if (!chart || std::find(m_charts.begin(), m_charts.end(), chart) == m_charts.end())
        return ModuleConsumer::SaveWindowToQ5Format(window, path, flags, reserved);
    Q5Settings node;
    chart->Document().SaveQ5(node);
    return node.SaveToFile(path, "Settings");
}

bool ChartModuleConsumer::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    Settings node;
    QString error;
    ChartDocument document;
    if (!node.LoadFromFile(path, kRootName, &error) || !document.Load(node))
    {
        WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                     QStringLiteral("Nie otwarto wykresu z pliku \"%1\": plik jest nieczytelny. %2").arg(path, error));
        return false;
    }
    IAppMediator* mediator = GetAppMediator();
    auto panel = [mediator]() -> QWidget* {
        return mediator ? (mediator->GetActivePanelView() ? mediator->GetActivePanelView() : mediator->GetCurrentPanelView())
                        : nullptr;
    };
    if (!parent)
        parent = panel();
    if (!parent && mediator && !mediator->IsMainFrameReady())
    {
        // A file given on the command line comes before the session made its panels: it opens
        // in the current panel once the start-up's queued work has run.
        QTimer::singleShot(0, qApp, [this, panel, path, document]() mutable {
            QWidget* view = panel();
            if (!view)
                WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                             QStringLiteral("Nie otwarto wykresu z pliku \"%1\": brak panelu.").arg(path));
            else
                OpenDocument(view, std::move(document));
        });
        return true;
    }
    if (!parent)
    {
        WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                     QStringLiteral("Nie otwarto wykresu z pliku \"%1\": brak panelu.").arg(path));
        return false;
    }
    OpenDocument(parent, std::move(document));
    return true;
}

void ChartModuleConsumer::Refresh()
{
    RepaintCharts();
}

void ChartModuleConsumer::ShutDown()
{
    // Windows still open stop listening before their providers go.
    for (ChartWindow* chart : std::vector<ChartWindow*>(m_charts))
        delete chart;
    ModuleConsumer::ShutDown();
}

void ChartModuleConsumer::TurnOnInspector(bool on, QWidget*)
{
    m_inspector = on;
    RepaintCharts();
}

void ChartModuleConsumer::ShowHideInspectorCross()
{
    m_inspectorCross = !m_inspectorCross;
    RepaintCharts();
}

void ChartModuleConsumer::OnChartCreated(ChartWindow* chart)
{
    m_charts.push_back(chart);
}

void ChartModuleConsumer::OnChartDestroyed(ChartWindow* chart)
{
    std::erase(m_charts, chart);
}

void ChartModuleConsumer::SetActiveChart(ChartWindow* chart)
{
    m_activeChart = chart;
}

ChartWindow* ChartModuleConsumer::ActiveChart() const
{
    return m_activeChart.data();
}

void ChartModuleConsumer::SelectionChanged()
{
    IAppMediator* mediator = GetAppMediator();
    if (mediator && m_activeChart)
        mediator->OnModuleWndActivate(m_activeChart, true, true);
}

bool ChartModuleConsumer::AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int minimum,
                                    int maximum, int& result) const
{
    if (m_numberAsker)
        return m_numberAsker(parent, title, label, value, minimum, maximum, result);
    bool ok = false;
    result = QInputDialog::getInt(parent, title, label, value, minimum, maximum, 1, &ok);
    return ok;
}

void ChartModuleConsumer::RepaintCharts() const
{
    for (ChartWindow* chart : m_charts)
        chart->update();
}

void ChartModuleConsumer::SaveState(Settings& node) const
{
    node["Inspector"] = m_inspector;
    node["InspectorCross"] = m_inspectorCross;
    node["Ruler"] = m_ruler;
    node["DefaultPointerParams"] = m_defaultPointerParams;
    node["DrawingMode"] = m_drawingMode;
    node["FormationLabels"] = m_formationLabels;
    node["DefaultFormationStyle"] = m_defaultFormationStyle;
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
    if (node.Exists(QStringLiteral("DrawingMode")))
        m_drawingMode = std::clamp(node["DrawingMode"].ToInt(), 0, 2);
    if (node.Exists(QStringLiteral("FormationLabels")))
        m_formationLabels = node["FormationLabels"].ToBool();
    if (node.Exists(QStringLiteral("DefaultFormationStyle")))
        m_defaultFormationStyle = node["DefaultFormationStyle"].ToInt();
    if (node.Exists(QStringLiteral("DefaultPointerParams")))
        m_defaultPointerParams = node["DefaultPointerParams"].ToBool();
}
