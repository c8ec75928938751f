#pragma once
// Everything a chart window shows and keeps in its file: the instrument and data request, the
// panels (views) with their value scales, the series in them, the time axis, the shown range,
// the display parameters with their preview layer, the style ids and the drawn objects. It has
// no widget, so the container of active objects and the window files are tested without one.

#include "modulelibs/chart/ChartFormation.h"
#include "platform/modules/ChartMargins.h"
#include "platform/modules/DataRequestParams.h"
#include "platform/modules/FormationParam.h"
#include "platform/modules/ShowedRange.h"

#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

class Q5Settings;
class Settings;

struct ChartSeries
{
    enum Kind
    {
        Price = 0,
        Volume = 1,
        Average = 2,
    };

    int id = 0;
    Kind kind = Price;
    int chartType = 3;
    int viewId = 0;
    bool hidden = false;
    bool rightAxis = true;
    double baseLevel = 0.0;
    int averagePeriod = 20;
};

struct ChartView
{
    int id = 0;
    bool timeAxisShown = true;
    bool fixedScale = false;
    double fixedMin = 0.0;
    double fixedMax = 0.0;
    bool percent = false;
    bool percentFromFirstShown = false;
};

class ChartDocument
{
public:
    static constexpr int kContexts = 4;
    // The display context of drawn objects (formations).
    static constexpr int kFormationContext = 3;
    static constexpr int kRoot = 0;
    // The column type drawn against the series' base level.
    static constexpr int kVolumeColumns = 4;

    // A price chart of candles with its 20-bar average, and the volume below.
    static ChartDocument Standard(const QString& provider, const QString& ticker, const QString& market,
                                  const DataRequestParams& request, const ShowedRange& range, int chartType);

    QString provider;
    QString ticker;
    QString market;
    DataRequestParams request;
    ShowedRange range;
    bool zoomed = false;
    int timeAxisType = 0;
    ChartMargins margins;
    double dayBegin = 9.0 / 24.0;
    double dayEnd = 17.0 / 24.0;
    bool connectBreaks = true;
    bool operationsOnData = false;
    bool recordsShown = false;
    std::vector<std::pair<int, bool>> recordColumns{{0, true}, {1, true}, {2, true}, {3, true}};

    std::vector<ChartView> views;
    std::vector<ChartSeries> series;
    std::vector<ChartFormation> formations;
    int selectedView = 0;
    // 0 for none.
    int selectedSeries = 0;
    // -1 for none.
    int activeFormation = -1;
    int nextId = 1;

    // Display parameters by (context, parameter); the preview layer lies over the applied one.
    std::map<std::pair<int, int>, int> appliedParams;
    std::map<std::pair<int, int>, int> previewParams;
    int styleIds[kContexts] = {0, 0, 0, 0};
    std::optional<std::pair<int, int>> previewStyle;

    ChartView* View(int id);
    const ChartView* View(int id) const;
    ChartSeries* Series(int id);
    const ChartSeries* Series(int id) const;
    const ChartSeries* MainSeries() const;
    // The visible series of a view, in drawing order.
    std::vector<const ChartSeries*> SeriesOfView(int viewId) const;
    int ViewIndex(int viewId) const;

    // The value a display parameter shows: preview, applied, the chart library's style, then the
    // default of the look.
    int Param(int context, int parameter) const;
    // The preview or applied value of a display parameter; none when the style's value stands.
    std::optional<int> Override(int context, int parameter) const;
    // The value set on a formation over its style: previewed while it is the active formation,
    // else stored with it; none when its style's value stands.
    std::optional<int> FormationDisplay(std::size_t index, int parameter) const;
    // The font size of a context after its steps.
    int FontSize(int context) const;
    // The formation style a formation is drawn with: the one previewed on it while it is the
    // active formation, else its own.
    int FormationStyleId(std::size_t index) const;

    void Save(Settings& node) const;
    // False, and this document untouched, when the node holds no readable chart.
    bool Load(const Settings& node);
    void SaveQ5(Q5Settings& node) const;

    static int DefaultParam(int context, int parameter);
    // "Czas", "Kurs", "Wolumen", "Zmiana".
    static QString RecordColumnName(int id);
};
