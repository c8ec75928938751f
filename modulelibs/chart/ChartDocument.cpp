#include "modulelibs/chart/ChartDocument.h"

#include "modulelibs/chart/ChartStyles.h"
#include "platform/base/ColorRef.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr unsigned kFileVersion = 1;

bool ValidRequest(const DataRequestParams& request)
{
    return request.IsValid();
}

}

ChartDocument ChartDocument::Standard(const QString& provider, const QString& ticker, const QString& market,
                                      const DataRequestParams& request, const ShowedRange& range, int chartType)
{
    ChartDocument document;
    document.provider = provider;
    document.ticker = ticker;
    document.market = market;
    document.request = request;
    document.range = range;
    document.views = {ChartView{document.nextId++}, ChartView{document.nextId++}};
    const int priceView = document.views[0].id;
    const int volumeView = document.views[1].id;
    document.series.push_back({document.nextId++, ChartSeries::Price, chartType, priceView});
    document.series.push_back({document.nextId++, ChartSeries::Average, 0, priceView});
    // Volume columns stand on a base level the user can move.
    document.series.push_back({document.nextId++, ChartSeries::Volume, ChartDocument::kVolumeColumns, volumeView});
    document.selectedView = priceView;
    return document;
}

ChartView* ChartDocument::View(int id)
{
    for (ChartView& view : views)
        if (view.id == id)
            return &view;
    return nullptr;
}

const ChartView* ChartDocument::View(int id) const
{
    return const_cast<ChartDocument*>(this)->View(id);
}

ChartSeries* ChartDocument::Series(int id)
{
    for (ChartSeries& one : series)
        if (one.id == id)
            return &one;
    return nullptr;
}

const ChartSeries* ChartDocument::Series(int id) const
{
    return const_cast<ChartDocument*>(this)->Series(id);
}

const ChartSeries* ChartDocument::MainSeries() const
{
    for (const ChartSeries& one : series)
        if (one.kind == ChartSeries::Price)
            return &one;
    return nullptr;
}

std::vector<const ChartSeries*> ChartDocument::SeriesOfView(int viewId) const
{
    std::vector<const ChartSeries*> result;
    for (const ChartSeries& one : series)
        if (one.viewId == viewId && !one.hidden)
            result.push_back(&one);
    return result;
}

int ChartDocument::ViewIndex(int viewId) const
{
    for (std::size_t i = 0; i < views.size(); ++i)
        if (views[i].id == viewId)
            return static_cast<int>(i);
    return -1;
}

int ChartDocument::DefaultParam(int context, int parameter)
{
    switch (parameter)
    {
    case 2:
        return context == 2 ? ColorRef::FromRgb(0x1F, 0x4E, 0x9A).Value() : 0;
    case 3:
        return ColorRef::FromRgb(0x1B, 0x8A, 0x3C).Value();
    case 4:
        return ColorRef::FromRgb(0xC6, 0x28, 0x28).Value();
    case 6:
        return context == 2 ? ColorRef::FromRgb(0x60, 0x60, 0x60).Value() : ColorRef::FromRgb(0xFF, 0xFF, 0xFF).Value();
    case 7:
        return ColorRef::FromRgb(0xE0, 0x8A, 0x00).Value();
    case 11:
        return context == 3 ? ColorRef::FromRgb(0x80, 0x80, 0x80).Value() : ColorRef::FromRgb(0x30, 0x30, 0x30).Value();
    case 14:
        return ColorRef::FromRgb(0xA0, 0xA0, 0xA0).Value();
    case 16:
        return ColorRef::FromRgb(0x90, 0x90, 0x90).Value();
    case 32:
    case 33:
        return 8;
    default:
        return 0;
    }
}

QString ChartDocument::RecordColumnName(int id)
{
    static const char* const names[] = {"Czas", "Kurs", "Wolumen", "Zmiana"};
    return id >= 0 && id < 4 ? QString::fromUtf8(names[id]) : QString();
}

int ChartDocument::Param(int context, int parameter) const
{
    if (const std::optional<int> value = Override(context, parameter))
        return *value;
    if (const std::optional<int> value = ChartStyles::Value(context, parameter))
        return *value;
    return DefaultParam(context, parameter);
}

std::optional<int> ChartDocument::Override(int context, int parameter) const
{
    const auto key = std::make_pair(context, parameter);
    for (const auto* layer : {&previewParams, &appliedParams})
    {
        const auto found = layer->find(key);
        if (found == layer->end())
            continue;
        if (found->second == ActiveObjectsContainer::kStyleValue)
            break;
        return found->second;
    }
    return std::nullopt;
}

std::optional<int> ChartDocument::FormationDisplay(std::size_t index, int parameter) const
{
    if (index >= formations.size())
        return std::nullopt;
    if (static_cast<int>(index) == activeFormation)
    {
        const auto found = previewParams.find({kFormationContext, parameter});
        if (found != previewParams.end())
            return found->second == ActiveObjectsContainer::kStyleValue ? std::nullopt : std::optional<int>(found->second);
    }
    const std::map<int, int>& display = formations[index].display;
    const auto found = display.find(parameter);
    return found == display.end() ? std::nullopt : std::optional<int>(found->second);
}

int ChartDocument::FontSize(int context) const
{
    return Param(context, 32);
}

int ChartDocument::FormationStyleId(std::size_t index) const
{
    if (index >= formations.size())
        return 0;
    if (previewStyle && previewStyle->first == kFormationContext && static_cast<int>(index) == activeFormation)
        return previewStyle->second;
    return formations[index].styleId;
}

void ChartDocument::Save(Settings& node) const
{
    node.Version(kFileVersion);
    node["Provider"] = provider;
    node["Ticker"] = ticker;
    node["Market"] = market;
    node["Interval"] = request.interval;
    node["Multiplicity"] = request.multiplicity;
    node["HistoryCount"] = request.historyCount;
    node["DataKinds"] = static_cast<int>(request.GetKindData());
    node["RangeRightOffset"] = range.rightOffset;
    node["RangeBarCount"] = range.barCount;
    node["Zoomed"] = zoomed;
    node["TimeAxisType"] = timeAxisType;
    node["MarginTop"] = margins.top;
    node["MarginBottom"] = margins.bottom;
    node["MarginRight"] = margins.right;
    node["DayBegin"] = dayBegin;
    node["DayEnd"] = dayEnd;
    node["ConnectBreaks"] = connectBreaks;
    node["OperationsOnData"] = operationsOnData;
    node["RecordsShown"] = recordsShown;
    node["SelectedView"] = selectedView;
    node["NextId"] = nextId;
    Settings& columns = node["RecordColumns"];
    for (const auto& [id, visible] : recordColumns)
        columns[QString::number(id)] = visible;
    Settings& viewsNode = node["Views"];
    for (const ChartView& view : views)
    {
        Settings& one = viewsNode.AddUnnamed();
        one["Id"] = view.id;
        one["TimeAxis"] = view.timeAxisShown;
        one["Fixed"] = view.fixedScale;
        one["Min"] = view.fixedMin;
        one["Max"] = view.fixedMax;
        one["Percent"] = view.percent;
        one["PercentFromFirst"] = view.percentFromFirstShown;
    }
    Settings& seriesNode = node["Series"];
    for (const ChartSeries& one : series)
    {
        Settings& entry = seriesNode.AddUnnamed();
        entry["Id"] = one.id;
        entry["Kind"] = static_cast<int>(one.kind);
        entry["ChartType"] = one.chartType;
        entry["View"] = one.viewId;
        entry["Hidden"] = one.hidden;
        entry["RightAxis"] = one.rightAxis;
        entry["BaseLevel"] = one.baseLevel;
        entry["Period"] = one.averagePeriod;
    }
    Settings& formationsNode = node["Formations"];
    for (const ChartFormation& formation : formations)
        formation.Save(formationsNode.AddUnnamed());
    Settings& style = node["Style"];
    for (int context = 0; context < kContexts; ++context)
        style[QStringLiteral("StyleId%1").arg(context)] = styleIds[context];
    for (const auto& [key, value] : appliedParams)
    {
        Settings& entry = style["Params"].AddUnnamed();
        entry["Context"] = key.first;
        entry["Parameter"] = key.second;
        entry["Value"] = value;
    }
}

bool ChartDocument::Load(const Settings& node)
{
    if (!node.IsValid() || !node.Exists(QStringLiteral("Ticker")) || !node.Exists(QStringLiteral("Views")))
        return false;
    ChartDocument loaded;
    loaded.provider = node["Provider"].ToString();
    loaded.ticker = node["Ticker"].ToString();
    loaded.market = node["Market"].ToString();
    loaded.request = DataRequestParams(node["Interval"].ToInt(), node["Multiplicity"].ToInt(), node["HistoryCount"].ToInt());
    loaded.request.AddKindData(static_cast<unsigned>(std::max(0, node["DataKinds"].ToInt())));
    if (loaded.ticker.isEmpty() || !ValidRequest(loaded.request))
        return false;
    loaded.range = ShowedRange(std::max(0, node["RangeRightOffset"].ToInt()), std::max(0, node["RangeBarCount"].ToInt()));
    loaded.zoomed = node["Zoomed"].ToBool();
    loaded.timeAxisType = std::clamp(node["TimeAxisType"].ToInt(), 0, 2);
    loaded.margins = {std::clamp(node["MarginTop"].ToInt(), 0, 45), std::clamp(node["MarginBottom"].ToInt(), 0, 45),
                      std::clamp(node["MarginRight"].ToInt(), 0, 45)};
    loaded.dayBegin = node["DayBegin"].ToDouble();
    loaded.dayEnd = node["DayEnd"].ToDouble();
    if (!(loaded.dayBegin >= 0.0 && loaded.dayBegin < loaded.dayEnd && loaded.dayEnd <= 1.0))
    {
        loaded.dayBegin = ChartDocument().dayBegin;
        loaded.dayEnd = ChartDocument().dayEnd;
    }
    loaded.connectBreaks = node["ConnectBreaks"].ToBool();
    loaded.operationsOnData = node["OperationsOnData"].ToBool();
    loaded.recordsShown = node["RecordsShown"].ToBool();
    for (auto& [id, visible] : loaded.recordColumns)
    {
        const Settings& column = node["RecordColumns"][QString::number(id)];
        if (column.IsValid())
            visible = column.ToBool();
    }

    ConstSettingsIterator views = node["Views"].IteratorUnnamed(1);
    while (views.Iterate())
    {
        const Settings& one = views.Node();
        ChartView view;
        view.id = one["Id"].ToInt();
        view.timeAxisShown = one["TimeAxis"].ToBool();
        view.fixedScale = one["Fixed"].ToBool();
        view.fixedMin = one["Min"].ToDouble();
        view.fixedMax = one["Max"].ToDouble();
        view.percent = one["Percent"].ToBool();
        view.percentFromFirstShown = one["PercentFromFirst"].ToBool();
        if (view.fixedScale && !(std::isfinite(view.fixedMin) && std::isfinite(view.fixedMax) && view.fixedMin < view.fixedMax))
            view.fixedScale = false;
        if (view.id <= 0 || loaded.View(view.id))
            return false;
        loaded.views.push_back(view);
    }
    if (loaded.views.empty())
        return false;

    ConstSettingsIterator series = node["Series"].IteratorUnnamed(1);
    while (series.Iterate())
    {
        const Settings& entry = series.Node();
        ChartSeries one;
        one.id = entry["Id"].ToInt();
        one.kind = static_cast<ChartSeries::Kind>(std::clamp(entry["Kind"].ToInt(), 0, 2));
        one.chartType = std::clamp(entry["ChartType"].ToInt(), 0, 7);
        one.viewId = entry["View"].ToInt();
        one.hidden = entry["Hidden"].ToBool();
        one.rightAxis = entry["RightAxis"].ToBool();
        one.baseLevel = entry["BaseLevel"].ToDouble();
        one.averagePeriod = std::clamp(entry["Period"].ToInt(), 1, 1000);
        if (one.id <= 0 || loaded.Series(one.id) || (!one.hidden && !loaded.View(one.viewId)))
            return false;
        loaded.series.push_back(one);
    }
    if (!loaded.MainSeries())
        return false;

    ConstSettingsIterator formations = node["Formations"].IteratorUnnamed(1);
    while (formations.Iterate())
    {
        // A formation of a kind this chart does not draw is left out; the rest of the chart stays.
        if (std::optional<ChartFormation> formation = ChartFormation::Load(formations.Node()))
            loaded.formations.push_back(std::move(*formation));
    }

    const Settings& style = node["Style"];
    for (int context = 0; context < kContexts; ++context)
        loaded.styleIds[context] = style[QStringLiteral("StyleId%1").arg(context)].ToInt();
    ConstSettingsIterator params = style["Params"].IteratorUnnamed(1);
    while (params.Iterate())
    {
        const Settings& entry = params.Node();
        loaded.appliedParams[{entry["Context"].ToInt(), entry["Parameter"].ToInt()}] = entry["Value"].ToInt();
    }

    loaded.selectedView = loaded.View(node["SelectedView"].ToInt()) ? node["SelectedView"].ToInt() : loaded.views[0].id;
    int maxId = 0;
    for (const ChartView& view : loaded.views)
        maxId = std::max(maxId, view.id);
    for (const ChartSeries& one : loaded.series)
        maxId = std::max(maxId, one.id);
    loaded.nextId = std::max(node["NextId"].ToInt(), maxId + 1);
    *this = std::move(loaded);
    return true;
}

void ChartDocument::SaveQ5(Q5Settings& node) const
{
    node["Symbol"] = ticker;
    node["Market"] = market;
    node["Provider"] = provider;
    node["Interval"] = request.interval;
    node["Multiplicity"] = request.multiplicity;
    node["BarsShown"] = range.barCount;
    Q5Settings& panes = node["Panes"];
    for (const ChartView& view : views)
    {
        Q5Settings& pane = panes.AddUnnamed();
        pane["Percent"] = view.percent;
        for (const ChartSeries* one : SeriesOfView(view.id))
        {
            Q5Settings& entry = pane["Series"].AddUnnamed();
            entry["Kind"] = static_cast<int>(one->kind);
            entry["ChartType"] = one->chartType;
        }
    }
    Q5Settings& drawings = node["Drawings"];
    for (const ChartFormation& formation : formations)
    {
        Q5Settings& entry = drawings.AddUnnamed();
        entry["Type"] = formation.type;
        Q5Settings& points = entry["Points"];
        for (const FormationPoint& point : formation.points)
        {
            Q5Settings& one = points.AddUnnamed();
            one["Time"] = point.time;
            one["Value"] = point.value;
        }
    }
}
