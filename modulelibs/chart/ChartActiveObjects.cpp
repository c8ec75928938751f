#include "modulelibs/chart/ChartActiveObjects.h"

#include "modulelibs/chart/ChartStyles.h"
#include "modulelibs/chart/IChartHost.h"
#include "platform/modules/SeriesIds.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kMinBarsShown = 10;
constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 24;

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

bool ChartActiveObjects::IsActiveSeriesMainAggregationSereis() const
{
    const ChartSeries* series = SelectedSeries();
    if (!series)
        series = m_document.MainSeries();
    return series && series->kind == ChartSeries::Price;
}

void ChartActiveObjects::RemoveSelectedSeries()
{
    if (ChartSeries* series = SelectedSeries())
        series->hidden = true;
    m_document.selectedSeries = 0;
    m_host.Redraw();
}

bool ChartActiveObjects::IsSelectedSeries() const
{
    return SelectedSeries() != nullptr;
}

QString ChartActiveObjects::SeriesName(const ChartDocument& document, int seriesId)
{
    const ChartSeries* series = document.Series(seriesId);
    if (!series)
        return {};
    switch (series->kind)
    {
    case ChartSeries::Price:
        return document.ticker;
    case ChartSeries::Volume:
        return QStringLiteral("Wolumen %1").arg(document.ticker);
    case ChartSeries::Average:
        return QStringLiteral("Średnia %1 (%2)").arg(document.ticker).arg(series->averagePeriod);
    }
    return {};
}

SeriesObj ChartActiveObjects::ToSeriesObj(const ChartDocument& document, int seriesId)
{
    const ChartSeries* series = document.Series(seriesId);
    if (!series)
        return {};
    const ESeriesID prop = series->kind == ChartSeries::Volume ? SeriesIds::kVolume : SeriesIds::kPrice;
    const int viewIndex = document.ViewIndex(series->viewId);
    const QString where = viewIndex >= 0 ? QStringLiteral("Panel %1").arg(viewIndex + 1) : QString();
    return SeriesObj(DSProp(prop, SeriesName(document, seriesId)), where, series->id);
}

QString ChartActiveObjects::GetActiveSeriesName() const
{
    const ChartSeries* series = SelectedSeries();
    return series ? SeriesName(m_document, series->id) : QString();
}

int ChartActiveObjects::GetHiddenSeriesCount() const
{
    return static_cast<int>(std::count_if(m_document.series.begin(), m_document.series.end(),
                                          [](const ChartSeries& series) { return series.hidden; }));
}

void ChartActiveObjects::SetBaseValueActiveSeries(double level)
{
    ChartSeries* series = SelectedSeries();
    if (!series || !std::isfinite(level))
        return;
    series->baseLevel = level;
    m_host.Redraw();
}

double ChartActiveObjects::GetBaseValueActiveSeries() const
{
    const ChartSeries* series = SelectedSeries();
    return series ? series->baseLevel : 0.0;
}

std::vector<std::pair<SeriesObj, bool>> ChartActiveObjects::GetListSeriesIdForActiveFormation() const
{
    std::vector<std::pair<SeriesObj, bool>> list;
    const ChartFormation* formation = ActiveFormation();
    if (!formation)
        return list;
    for (const ChartSeries& series : m_document.series)
    {
        if (!series.hidden)
            list.emplace_back(ToSeriesObj(m_document, series.id), formation->seriesId == series.id);
    }
    return list;
}

std::vector<std::pair<SeriesObj, bool>> ChartActiveObjects::GetListSeriesIdForFirstValidView() const
{
    std::vector<std::pair<SeriesObj, bool>> list;
    if (!SelectedView())
        return list;
    for (const ChartSeries& series : m_document.series)
    {
        if (!series.hidden)
            list.emplace_back(ToSeriesObj(m_document, series.id), series.viewId == m_document.selectedView);
    }
    return list;
}

void ChartActiveObjects::AttachSerieToActiveFormation(const SeriesObj& series)
{
    ChartFormation* formation = ActiveFormation();
    if (!formation || !m_document.Series(series.GetRequestID()))
        return;
    formation->seriesId = series.GetRequestID();
    m_host.Redraw();
}

void ChartActiveObjects::ConnectSeriesWithActiveValueScale(const DSProp&, int requestId, bool connect)
{
    ChartSeries* series = m_document.Series(requestId);
    if (!series || series->hidden || !SelectedView())
        return;
    if (connect)
        series->viewId = m_document.selectedView;
    else if (series->viewId == m_document.selectedView)
        series->viewId = AddView();
    m_host.Redraw();
}

std::vector<std::pair<SeriesObj, QString>> ChartActiveObjects::GetDataHiddenSeries() const
{
    std::vector<std::pair<SeriesObj, QString>> list;
    for (const ChartSeries& series : m_document.series)
    {
        if (series.hidden)
        {
            SeriesObj object = ToSeriesObj(m_document, series.id);
            list.emplace_back(object, object.GetAdditionalInfo());
        }
    }
    return list;
}

int ChartActiveObjects::RevertCurrentSeries(const SeriesObj& object)
{
    ChartSeries* series = m_document.Series(object.GetRequestID());
    if (!series || !series->hidden)
        return 0;
    if (!m_document.View(series->viewId))
        series->viewId = AddView();
    series->hidden = false;
    m_host.Redraw();
    return series->viewId;
}

void ChartActiveObjects::RemoveSeriesFromView(const SeriesObj& object)
{
    if (ChartSeries* series = m_document.Series(object.GetRequestID()))
        series->hidden = true;
    if (m_document.selectedSeries == object.GetRequestID())
        m_document.selectedSeries = 0;
    m_host.Redraw();
}

void ChartActiveObjects::RemoveRevertedView(int viewId)
{
    const int index = m_document.ViewIndex(viewId);
    if (index < 0 || m_document.views.size() < 2 || !m_document.SeriesOfView(viewId).empty())
        return;
    m_document.views.erase(m_document.views.begin() + index);
    if (m_document.selectedView == viewId)
        m_document.selectedView = m_document.views.front().id;
    m_host.Redraw();
}

void ChartActiveObjects::EditActivePointer()
{
    ChartSeries* series = SelectedSeries();
    if (!series || series->kind != ChartSeries::Average)
        return;
    int period = 0;
    if (!m_host.AskNumber(QStringLiteral("Parametry wskaźnika"), QStringLiteral("Okres średniej:"), series->averagePeriod, 1,
                          1000, period))
        return;
    series->averagePeriod = period;
    m_host.Redraw();
}

bool ChartActiveObjects::IsActivePointerSerie() const
{
    const ChartSeries* series = SelectedSeries();
    return series && series->kind == ChartSeries::Average;
}

void ChartActiveObjects::ShowHideRecordsView()
{
    m_document.recordsShown = !m_document.recordsShown;
    m_host.Redraw();
}

bool ChartActiveObjects::IsShowedRecordsView() const
{
    return m_document.recordsShown;
}

std::vector<ChartTransactionColumn> ChartActiveObjects::PrepareColumnsInformationForChartTransaction() const
{
    std::vector<ChartTransactionColumn> columns;
    for (const auto& [id, visible] : m_document.recordColumns)
        columns.push_back({id, ChartDocument::RecordColumnName(id), visible});
    return columns;
}

void ChartActiveObjects::ChangeVisibilityTransactionColumn(int columnId, bool visible)
{
    for (auto& [id, shown] : m_document.recordColumns)
    {
        if (id == columnId)
            shown = visible;
    }
    m_host.Redraw();
}

int ChartActiveObjects::GetActiveElementStyleId(int context) const
{
    if (context < 0 || context >= ChartDocument::kContexts)
        return 0;
    if (context == ChartDocument::kFormationContext && ActiveFormation())
        return m_document.FormationStyleId(static_cast<std::size_t>(m_document.activeFormation));
    if (m_document.previewStyle && m_document.previewStyle->first == context)
        return m_document.previewStyle->second;
    return m_document.styleIds[context];
}

std::shared_ptr<StyleBase> ChartActiveObjects::GetAutoStyle(int context) const
{
    switch (context)
    {
    case 0:
    case 1:
        return ChartStyles::WindowStyle();
    case 2:
    {
        const ChartSeries* series = SelectedSeries();
        return ChartStyles::ElementStyle(series ? series->kind : ChartSeries::Price);
    }
    case 3:
    {
        const ChartFormation* formation = ActiveFormation();
        return ChartStyles::FormationStyle(formation ? formation->styleId : 0);
    }
    default:
        return nullptr;
    }
}

std::shared_ptr<StyleBase> ChartActiveObjects::GetStyle(int context) const
{
    if (context != ChartDocument::kFormationContext)
        return GetAutoStyle(context);
    if (!ActiveFormation())
        return nullptr;
    const auto index = static_cast<std::size_t>(m_document.activeFormation);
    std::map<int, int> own;
    for (const int parameter : ChartStyles::kFormationDisplayParameters)
    {
        if (const std::optional<int> value = m_document.FormationDisplay(index, parameter))
            own[parameter] = *value;
    }
    return ChartStyles::FormationStyleWith(m_document.FormationStyleId(index), own);
}

ColorRef ChartActiveObjects::GetActiveViewBackgroundColor() const
{
    return ColorRef(static_cast<quint32>(m_document.Param(1, 6)));
}

void ChartActiveObjects::OnChangeStyle(int context, int styleId)
{
    if (context < 0 || context >= ChartDocument::kContexts)
        return;
    m_document.previewStyle = std::make_pair(context, styleId);
}

void ChartActiveObjects::OnCancelStyle()
{
    m_document.previewStyle.reset();
}

void ChartActiveObjects::OnApplyStyle()
{
    if (m_document.previewStyle)
    {
        const auto [context, styleId] = *m_document.previewStyle;
        // A formation style chosen goes to the formation it was previewed on.
        if (ChartFormation* formation = ActiveFormation(); formation && context == ChartDocument::kFormationContext)
            formation->styleId = styleId;
        else
            m_document.styleIds[context] = styleId;
    }
    m_document.previewStyle.reset();
}

void ChartActiveObjects::ReCreateActiveChart()
{
    m_host.Redraw();
}

void ChartActiveObjects::ChangeCbsParams(int context, int parameter, int value)
{
    if (context < 0 || context >= ChartDocument::kContexts)
        return;
    if (context == ChartDocument::kFormationContext && parameter == ChartStyles::kFontSize && ChangeFormationFont(value))
        return;
    if (value == kStepLarger || value == kStepSmaller)
    {
        const int step = value == kStepLarger ? 1 : -1;
        value = std::clamp(m_document.Param(context, parameter) + step, kMinFontSize, kMaxFontSize);
    }
    m_document.previewParams[{context, parameter}] = value;
}

bool ChartActiveObjects::ChangeFormationFont(int command)
{
    ChartFormation* formation = ActiveFormation();
    if (!formation || (command != kStepLarger && command != kStepSmaller && command != kStyleValue))
        return false;
    // A size step is a command, not a preview: it stays with the formation, whatever becomes of
    // the colours still previewed.
    if (command == kStyleValue)
        formation->display.erase(ChartStyles::kFontSize);
    else
    {
        const int step = command == kStepLarger ? 1 : -1;
        formation->display[ChartStyles::kFontSize] =
            std::clamp(GetCbsParams(ChartDocument::kFormationContext, ChartStyles::kFontSize) + step, kMinFontSize, kMaxFontSize);
    }
    return true;
}

int ChartActiveObjects::GetCbsParams(int context, int parameter) const
{
    if (context == ChartDocument::kFormationContext && ActiveFormation())
    {
        const auto index = static_cast<std::size_t>(m_document.activeFormation);
        if (const std::optional<int> value = m_document.FormationDisplay(index, parameter))
            return *value;
        if (const std::optional<int> value = ChartStyles::FormationValue(m_document.FormationStyleId(index), parameter))
            return *value;
    }
    return m_document.Param(context, parameter);
}

void ChartActiveObjects::ApplyCbsParams()
{
    // Formations' values belong to the active formation alone; with none there is nothing to keep.
    ChartFormation* formation = ActiveFormation();
    for (const auto& [key, value] : m_document.previewParams)
    {
        if (key.first == ChartDocument::kFormationContext)
        {
            if (!formation)
                continue;
            if (value == kStyleValue)
                formation->display.erase(key.second);
            else
                formation->display[key.second] = value;
        }
        else if (value == kStyleValue)
            m_document.appliedParams.erase(key);
        else
            m_document.appliedParams[key] = value;
    }
    m_document.previewParams.clear();
    m_host.Redraw();
}

void ChartActiveObjects::CancelCbsParams()
{
    m_document.previewParams.clear();
    m_host.Redraw();
}

void ChartActiveObjects::CbsRestore(int context)
{
    if (ChartFormation* formation = ActiveFormation(); formation && context == ChartDocument::kFormationContext)
        formation->display.clear();
    for (auto* layer : {&m_document.appliedParams, &m_document.previewParams})
        std::erase_if(*layer, [context](const auto& entry) { return entry.first.first == context; });
}

void ChartActiveObjects::CbsRestoreAll()
{
    m_document.appliedParams.clear();
    m_document.previewParams.clear();
}

void ChartActiveObjects::RedrawDialogAfterStyleChanged(int)
{
    m_host.Redraw();
}

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
