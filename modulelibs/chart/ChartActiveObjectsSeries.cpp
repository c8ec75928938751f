// A chart window's active objects: its series (the selected one, hidden ones, those a formation
// or a value scale follows), the pointer series and the records view of its transactions.

#include "modulelibs/chart/ChartActiveObjects.h"

#include "modulelibs/chart/IChartHost.h"
#include "platform/modules/SeriesIds.h"

#include <algorithm>
#include <cmath>

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
