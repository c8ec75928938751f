#pragma once
// One drawn object (formation) of a chart: its kind, the points it is anchored at (bar time as a
// day count, price), its parameters keyed as the ribbon reads and writes them, its style and the
// series it is tied to. Each kind has its own set of parameters; a parameter the kind does not
// have, or a value that would break its drawing, is refused. Saved in the chart's window file.

#include "platform/modules/FormationParam.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

class Settings;

struct FormationPoint
{
    double time = 0.0;
    double value = 0.0;
};

struct ChartFormation
{
    FormationType type = FormationParam::kSegment;
    std::vector<FormationPoint> points;
    std::map<int, SimpleValue> params;
    int styleId = 0;
    int seriesId = 0;
    // Display values set on this formation over its style, by display parameter (the style's
    // colours and the pens' colours, widths and line styles).
    std::map<int, int> display;

    // A formation of the kind with the kind's parameters at their defaults; the points it is
    // given are completed to the kind's count.
    static ChartFormation Make(FormationType type, std::vector<FormationPoint> points);
    static bool IsDrawnKind(FormationType type);
    // How many points the kind is anchored at (1 to 3).
    static int PointCount(FormationType type);

    SimpleValue Get(FormationParam::Type type) const;
    // False, and nothing changed, for a parameter the kind does not have or a value it cannot take.
    bool Set(FormationParam::Type type, const SimpleValue& value);
    bool Flag(FormationParam::Type type) const { return Get(type).toBool(); }
    double Number(FormationParam::Type type) const { return Get(type).toDouble(); }

    // A copy whose levels are its own.
    ChartFormation Clone() const;

    void Save(Settings& node) const;
    // Nothing when the node holds no formation of a drawn kind.
    static std::optional<ChartFormation> Load(const Settings& node);
};
