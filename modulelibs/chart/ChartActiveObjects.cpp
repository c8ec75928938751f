#include "modulelibs/chart/ChartActiveObjects.h"

#include "modulelibs/chart/IChartHost.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kMinBarsShown = 10;
}

ChartActiveObjects::ChartActiveObjects(ChartDocument& document, IChartHost& host)
    : m_document(document)
    , m_host(host)
{
}

ChartView* ChartActiveObjects::SelectedView() const
{
    return m_document.View(m_document.selectedView);
}

ChartSeries* ChartActiveObjects::SelectedSeries() const
{
    ChartSeries* series = m_document.Series(m_document.selectedSeries);
    return series && !series->hidden ? series : nullptr;
}

ChartFormation* ChartActiveObjects::ActiveFormation() const
{
    const int index = m_document.activeFormation;
    if (index < 0 || index >= static_cast<int>(m_document.formations.size()))
        return nullptr;
    return &m_document.formations[static_cast<std::size_t>(index)];
}

int ChartActiveObjects::AddView()
{
    const int id = m_document.nextId++;
    m_document.views.push_back(ChartView{id});
    return id;
}

bool ChartActiveObjects::IsSelectedView() const
{
    return SelectedView() != nullptr;
}

void ChartActiveObjects::AddNewView()
{
    m_document.selectedView = AddView();
    m_document.selectedSeries = 0;
    m_host.Redraw();
}

void ChartActiveObjects::RemoveSelectedView()
{
    if (!CanRemoveView())
        return;
    const int viewId = m_document.selectedView;
    for (ChartSeries& series : m_document.series)
    {
        if (series.viewId == viewId)
            series.hidden = true;
    }
    m_document.views.erase(m_document.views.begin() + m_document.ViewIndex(viewId));
    m_document.selectedView = m_document.views.front().id;
    m_document.selectedSeries = 0;
    m_host.Redraw();
}

bool ChartActiveObjects::CanRemoveView() const
{
    return SelectedView() && m_document.views.size() > 1;
}

void ChartActiveObjects::ZoomPercentChart(bool zoomIn)
{
    const int total = std::max(m_host.BarCount(), kMinBarsShown);
    int shown = m_document.range.barCount > 0 ? m_document.range.barCount : total;
    shown = zoomIn ? shown * 4 / 5 : shown * 5 / 4 + 1;
    m_document.range.barCount = std::clamp(shown, kMinBarsShown, total);
    m_document.range.rightOffset = std::clamp(m_document.range.rightOffset, 0, std::max(0, total - m_document.range.barCount));
    m_document.zoomed = true;
    m_host.Redraw();
}

void ChartActiveObjects::AddOperationResetZoomDate()
{
    m_document.range = ShowedRange(0, 0);
    m_document.zoomed = false;
    m_host.Redraw();
}

bool ChartActiveObjects::IsActiveChartZoom() const
{
    return m_document.zoomed;
}

void ChartActiveObjects::RevertAxicValueChanges()
{
    if (ChartView* view = SelectedView())
        view->fixedScale = false;
    m_host.Redraw();
}

bool ChartActiveObjects::MinOrMaxActiveValueScaleWasChanged() const
{
    const ChartView* view = SelectedView();
    return view && view->fixedScale;
}

bool ChartActiveObjects::ValueScaleProp(int* first, bool* second) const
{
    const ChartView* view = SelectedView();
    if (!view)
        return false;
    // Only the linear scale is drawn.
    if (first)
        *first = 0;
    if (second)
        *second = view->percent;
    return true;
}

void ChartActiveObjects::ChangeGivenScaleValueTypeToLinear()
{
    if (ChartView* view = SelectedView())
    {
        view->percent = !view->percent;
        view->fixedScale = false;
    }
    m_host.Redraw();
}

void ChartActiveObjects::ConnectActiveSeriesWithRightScaleValueActiveView()
{
    if (ChartSeries* series = SelectedSeries())
        series->rightAxis = !series->rightAxis;
    m_host.Redraw();
}

void ChartActiveObjects::IsActiveSeriesConnectedWithRightAxisValue(bool* possible, bool* connected) const
{
    const ChartSeries* series = SelectedSeries();
    if (possible)
        *possible = series != nullptr;
    if (connected)
        *connected = series && series->rightAxis;
}

void ChartActiveObjects::SetMinMaxAxisValue(double minimum, double maximum)
{
    // A degenerate range would divide by zero when values are placed on the axis.
    ChartView* view = SelectedView();
    if (!view || !std::isfinite(minimum) || !std::isfinite(maximum) || minimum >= maximum)
        return;
    view->fixedScale = true;
    view->fixedMin = minimum;
    view->fixedMax = maximum;
    m_host.Redraw();
}

bool ChartActiveObjects::GetMinMaxFromAxisValue(QString& minimum, QString& maximum) const
{
    double low = 0.0;
    double high = 0.0;
    if (!SelectedView() || !m_host.CurrentScale(m_document.selectedView, low, high))
        return false;
    minimum = QString::number(low, 'f', 2);
    maximum = QString::number(high, 'f', 2);
    return true;
}

void ChartActiveObjects::TurnOnOffOperationBeginningPercentScaleValueForActiveScaleValue()
{
    if (ChartView* view = SelectedView(); view && view->percent)
        view->percentFromFirstShown = !view->percentFromFirstShown;
    m_host.Redraw();
}

bool ChartActiveObjects::CanSetReferencePercenAxisValue() const
{
    const ChartView* view = SelectedView();
    return view && view->percent;
}

bool ChartActiveObjects::IsTurnOnReferencePercentScaleValueForActiveScaleValue() const
{
    const ChartView* view = SelectedView();
    return view && view->percent && view->percentFromFirstShown;
}

void ChartActiveObjects::ChangeActiveChartDataRange()
{
    int count = 0;
    if (!m_host.AskNumber(QStringLiteral("Zakres danych"), QStringLiteral("Liczba świec historii:"),
                          m_document.request.historyCount, 10, 200000, count))
        return;
    m_document.request.historyCount = count;
    m_host.ReloadData();
}

int ChartActiveObjects::GetAxisTimeType() const
{
    return m_document.timeAxisType;
}

void ChartActiveObjects::ChangeAxisTimeType(int type)
{
    if (type < 0 || type > 2)
        return;
    m_document.timeAxisType = type;
    m_host.Redraw();
}

bool ChartActiveObjects::IsAtLestOneAssetWithNTickInterval() const
{
    return m_document.request.interval == DataRequestParams::kTick;
}

void ChartActiveObjects::ShowHideAxisTime()
{
    if (ChartView* view = SelectedView())
        view->timeAxisShown = !view->timeAxisShown;
    m_host.Redraw();
}

bool ChartActiveObjects::IsTimeAxisShowedOnActiveView() const
{
    const ChartView* view = SelectedView();
    return view && view->timeAxisShown;
}

void ChartActiveObjects::ConnectBreaksBetweenTransactions()
{
    if (!IsConnectingBreaksBetweenTransactionsDaysSupported())
        return;
    m_document.connectBreaks = !m_document.connectBreaks;
    m_host.Redraw();
}

bool ChartActiveObjects::IsConnectingBreaksBetweenTransactionsDaysSupported() const
{
    // Only the linear time scale shows the hours between sessions.
    return m_document.timeAxisType == 2 && m_document.request.interval != DataRequestParams::kDay;
}

bool ChartActiveObjects::GetInfoIfConnectBreaksBetweenTransactions() const
{
    return m_document.connectBreaks;
}

void ChartActiveObjects::SynchronizeAllData()
{
    m_host.ReloadData();
}

int ChartActiveObjects::GetMaxIntervalMultiplicity(int& interval, int& multiplicity, bool, int& count) const
{
    interval = m_document.request.interval;
    multiplicity = m_document.request.multiplicity;
    count = m_document.request.historyCount;
    return 1;
}

void ChartActiveObjects::ChangeRangeAndIntervalForRightRequests()
{
    const int chosen = m_chosenInterval;
    m_chosenInterval = 0;
    if (chosen == 0 || chosen == m_document.request.interval)
        return;
    DataRequestParams request = m_document.request;
    request.interval = chosen;
    request.multiplicity = 1;
    if (!request.IsValid())
        return;
    m_document.request = request;
    m_document.range = ShowedRange();
    m_document.zoomed = false;
    m_host.ReloadData();
}

void ChartActiveObjects::SetNewMargins(const std::shared_ptr<ChartMargins>& margins)
{
    if (!margins)
        return;
    m_document.margins = {std::clamp(margins->top, 0, 45), std::clamp(margins->bottom, 0, 45),
                          std::clamp(margins->right, 0, 45)};
    m_host.Redraw();
}

ChartMargins ChartActiveObjects::GetMargins() const
{
    return m_document.margins;
}

void ChartActiveObjects::GetLinearScaleDayBeginEnd(double& begin, double& end) const
{
    begin = m_document.dayBegin;
    end = m_document.dayEnd;
}

void ChartActiveObjects::SetLinearScaleDayBeginEnd(double begin, double end)
{
    if (!(begin >= 0.0 && begin < end && end <= 1.0))
        return;
    m_document.dayBegin = begin;
    m_document.dayEnd = end;
    m_host.Redraw();
}

int ChartActiveObjects::GetChartType() const
{
    if (const ChartSeries* series = SelectedSeries())
        return series->chartType;
    const ChartSeries* main = m_document.MainSeries();
    return main ? main->chartType : 0;
}

void ChartActiveObjects::SetChartType(int type)
{
    ChartSeries* series = SelectedSeries();
    if (!series)
        series = m_document.Series(m_document.MainSeries() ? m_document.MainSeries()->id : 0);
    if (!series || type < 0 || type > 7)
        return;
    // Bars and candles need open, high, low and close.
    if ((type == 2 || type == 3) && series->kind != ChartSeries::Price)
        return;
    // Volume keeps its base level when drawn as columns.
    series->chartType = type == 1 && series->kind == ChartSeries::Volume ? ChartDocument::kVolumeColumns : type;
    m_host.Redraw();
}
