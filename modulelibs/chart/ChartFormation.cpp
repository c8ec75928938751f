#include "modulelibs/chart/ChartFormation.h"

#include "platform/modules/FormationLevels.h"
#include "platform/settings/Settings.h"

#include <algorithm>
#include <cmath>
#include <limits>

using P = FormationParam;

namespace
{

bool IsFibo(FormationType type)
{
    return type == P::kFiboRetracement || type == P::kFiboProjection || type == P::kFiboTimeRange
           || type == P::kFiboTimeZones || type == P::kFiboFan || type == P::kFiboArcs;
}

std::map<int, SimpleValue> Defaults(FormationType type)
{
    std::map<int, SimpleValue> params{{P::Name, QString()}, {P::ShowLabel, false}};
    const bool line = type == P::kSegment || type == P::kRay || type == P::kLine || type == P::kAngleLine
                      || type == P::kParallelChannel || type == P::kRegressionChannel || type == P::kFiboRetracement
                      || type == P::kFiboProjection;
    if (line)
    {
        params[P::ExtendToBegin] = type == P::kLine;
        params[P::ExtendToEnd] = type == P::kLine || type == P::kRay;
    }
    switch (type)
    {
    case P::kAngleLine:
        params[P::Angle] = 45.0;
        break;
    case P::kVertical:
    case P::kHorizontal:
        params[P::ShowValue] = true;
        break;
    case P::kPitchfork:
        params[P::PitchforkConnector] = false;
        break;
    case P::kTriangle:
    case P::kEllipse:
    case P::kRectangle:
        params[P::Fill] = false;
        break;
    case P::kSymbol:
        params[P::SymbolId] = 1;
        break;
    case P::kCycleLines:
        params[P::CycleLength] = 10u;
        break;
    case P::kGannLine:
    case P::kGannGrid:
        params[P::GannIncrement] = 1.0;
        break;
    case P::kGannFan:
        params[P::GannLevels] = FormationLevels::Wrap(
            std::make_shared<GannFanFormationLevelsParam>(GannFanLevelsContainer::CreateDefault()));
        params[P::GannDescriptions] = true;
        break;
    case P::kRegressionChannel:
        params[P::ChannelType] = 1u;
        params[P::Deviation] = 2.0;
        params[P::ChannelPrice] = 1u;
        params[P::OtherPricesAvailable] = true;
        break;
    default:
        break;
    }
    if (IsFibo(type))
    {
        params[P::ShowDescriptions] = true;
        if (type == P::kFiboRetracement || type == P::kFiboProjection)
            params[P::NumericDescriptions] = false;
        if (type == P::kFiboTimeZones)
            params[P::TimeZoneMultiplier] = 1.0;
        if (type != P::kFiboFan && type != P::kFiboArcs)
            params[P::FiboLevels] = FormationLevels::Wrap(std::make_shared<FiboFormationParamValue>(
                type == P::kFiboTimeZones ? FiboLevelsContainer::CreateTimeZoneLevels()
                                          : FiboLevelsContainer::CreateDefalutFiboLevels(type != P::kFiboTimeRange)));
    }
    return params;
}

bool FiniteNumber(const SimpleValue& value, double& number)
{
    bool ok = false;
    number = value.toDouble(&ok);
    return ok && std::isfinite(number);
}

bool WholeNumber(const SimpleValue& value, unsigned minimum, unsigned maximum, unsigned& number)
{
    double real = 0.0;
    if (!FiniteNumber(value, real) || real < minimum || real > maximum || real != std::trunc(real))
        return false;
    number = static_cast<unsigned>(real);
    return true;
}

std::shared_ptr<FiboLevelsContainer> CopyOf(const std::shared_ptr<FiboLevelsContainer>& levels)
{
    return levels ? std::make_shared<FiboLevelsContainer>(*levels) : nullptr;
}

}

bool ChartFormation::IsDrawnKind(FormationType type)
{
    switch (type)
    {
    case P::kSegment: case P::kRay: case P::kLine: case P::kVertical: case P::kHorizontal: case P::kAngleLine:
    case P::kParallelChannel: case P::kPitchfork: case P::kFan: case P::kTriangle: case P::kEllipse:
    case P::kRectangle: case P::kCycleLines: case P::kGannLine: case P::kGannGrid: case P::kGannFan:
    case P::kFiboRetracement: case P::kFiboFan: case P::kFiboArcs: case P::kFiboProjection:
    case P::kFiboTimeRange: case P::kFiboTimeZones: case P::kSymbol: case P::kRegressionChannel: case P::kText:
        return true;
    default:
        return false;
    }
}

int ChartFormation::PointCount(FormationType type)
{
    switch (type)
    {
    case P::kVertical:
    case P::kHorizontal:
    case P::kSymbol:
    case P::kText:
        return 1;
    case P::kParallelChannel:
    case P::kPitchfork:
    case P::kTriangle:
    case P::kFiboProjection:
        return 3;
    default:
        return 2;
    }
}

ChartFormation ChartFormation::Make(FormationType type, std::vector<FormationPoint> points)
{
    ChartFormation formation;
    formation.type = type;
    formation.params = Defaults(type);
    const std::size_t count = static_cast<std::size_t>(PointCount(type));
    if (points.empty())
        points.push_back({});
    // A third point the mouse did not place: a channel's width or a pitchfork's second handle
    // starts below the drawn line by a quarter of its height.
    if (count == 3 && points.size() == 2)
    {
        const double height = std::max(std::abs(points[1].value - points[0].value), std::abs(points[0].value) * 0.01);
        points.push_back({points[1].time, points[1].value - height * 0.5});
        if (type == P::kParallelChannel)
            points[2] = {points[0].time, points[0].value - height * 0.25};
    }
    while (points.size() < count)
        points.push_back(points.back());
    points.resize(count);
    formation.points = std::move(points);
    return formation;
}

SimpleValue ChartFormation::Get(FormationParam::Type type) const
{
    if (type == P::StyleId)
        return styleId;
    if (type == P::SeriesId)
        return seriesId;
    const auto found = params.find(type);
    return found == params.end() ? SimpleValue() : found->second;
}

bool ChartFormation::Set(FormationParam::Type type, const SimpleValue& value)
{
    bool ok = false;
    if (type == P::StyleId || type == P::SeriesId)
    {
        const int id = value.toInt(&ok);
        if (ok)
            (type == P::StyleId ? styleId : seriesId) = id;
        return ok;
    }
    const auto found = params.find(type);
    if (found == params.end() || type == P::OtherPricesAvailable)
        return false;
    double number = 0.0;
    unsigned whole = 0;
    switch (type)
    {
    case P::Name:
        found->second = value.toString();
        return true;
    case P::SymbolId:
    {
        const int id = value.toInt(&ok);
        if (ok)
            found->second = id;
        return ok;
    }
    case P::Angle:
        if (!FiniteNumber(value, number))
            return false;
        found->second = number;
        return true;
    case P::Deviation:
        if (!FiniteNumber(value, number) || number < 0.0)
            return false;
        found->second = number;
        return true;
    case P::TimeZoneMultiplier:
    case P::GannIncrement:
        // A zero or negative step would never leave its first line.
        if (!FiniteNumber(value, number) || number <= 0.0)
            return false;
        found->second = number;
        return true;
    case P::ChannelType:
    case P::ChannelPrice:
        if (!WholeNumber(value, 0, type == P::ChannelType ? 2 : 3, whole))
            return false;
        found->second = whole;
        return true;
    case P::CycleLength:
        if (!WholeNumber(value, 1, std::numeric_limits<std::uint32_t>::max(), whole))
            return false;
        found->second = whole;
        return true;
    case P::FiboLevels:
    {
        const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(value);
        if (!nested || !nested->Levels())
            return false;
        found->second = value;
        return true;
    }
    case P::GannLevels:
    {
        const auto nested = FormationLevels::Unwrap<GannFanFormationLevelsParam>(value);
        if (!nested || !nested->Levels())
            return false;
        found->second = value;
        return true;
    }
    default:
        found->second = value.toBool();
        return true;
    }
}

ChartFormation ChartFormation::Clone() const
{
    ChartFormation copy = *this;
    if (const auto fibo = FormationLevels::Unwrap<FiboFormationParamValue>(Get(P::FiboLevels)))
        copy.params[P::FiboLevels] = FormationLevels::Wrap(std::make_shared<FiboFormationParamValue>(CopyOf(fibo->Levels())));
    if (const auto gann = FormationLevels::Unwrap<GannFanFormationLevelsParam>(Get(P::GannLevels)))
        copy.params[P::GannLevels] = FormationLevels::Wrap(
            std::make_shared<GannFanFormationLevelsParam>(std::make_shared<GannFanLevelsContainer>(*gann->Levels())));
    return copy;
}

void ChartFormation::Save(Settings& node) const
{
    node["Type"] = type;
    node["Style"] = styleId;
    node["Series"] = seriesId;
    Settings& pointsNode = node["Points"];
    for (const FormationPoint& point : points)
    {
        Settings& entry = pointsNode.AddUnnamed();
        entry["Time"] = point.time;
        entry["Value"] = point.value;
    }
    Settings& displayNode = node["Display"];
    for (const auto& [parameter, value] : display)
    {
        Settings& entry = displayNode.AddUnnamed();
        entry["Parameter"] = parameter;
        entry["Value"] = value;
    }
    Settings& paramsNode = node["Params"];
    for (const auto& [key, value] : params)
    {
        const QString name = QStringLiteral("P%1").arg(key);
        if (key == P::FiboLevels)
        {
            const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(value);
            Settings& levels = paramsNode[name];
            levels["Negatives"] = nested->Levels()->NegativesAllowed();
            for (std::size_t i = 0; i < nested->Levels()->Size(); ++i)
            {
                Settings& entry = levels.AddUnnamed();
                entry["Value"] = nested->Levels()->Level(i).value;
                entry["Enabled"] = nested->Levels()->Level(i).enabled;
            }
        }
        else if (key == P::GannLevels)
        {
            Settings& levels = paramsNode[name];
            for (const GannLevel& level : FormationLevels::Unwrap<GannFanFormationLevelsParam>(value)->Levels()->All())
                levels.AddUnnamed()["Visible"] = level.visible;
        }
        else if (value.typeId() == QMetaType::QString)
            paramsNode[name] = value.toString();
        else if (value.typeId() == QMetaType::Bool)
            paramsNode[name] = value.toBool();
        else if (value.typeId() == QMetaType::UInt)
            paramsNode[name] = static_cast<std::uint32_t>(value.toUInt());
        else if (value.typeId() == QMetaType::Int)
            paramsNode[name] = static_cast<std::int32_t>(value.toInt());
        else
            paramsNode[name] = value.toDouble();
    }
}

std::optional<ChartFormation> ChartFormation::Load(const Settings& node)
{
    FormationType type = node["Type"].ToInt();
    if (type == P::kLegacyTrendLine)
        type = P::kSegment;
    if (!IsDrawnKind(type))
        return std::nullopt;
    std::vector<FormationPoint> points;
    ConstSettingsIterator pointsNode = node["Points"].IteratorUnnamed(1);
    while (pointsNode.Iterate())
        points.push_back({pointsNode.Node()["Time"].ToDouble(), pointsNode.Node()["Value"].ToDouble()});
    // Files of the first chart version kept the two ends of a trend line as fields.
    if (points.empty() && node.Exists(QStringLiteral("BeginTime")))
        points = {{node["BeginTime"].ToDouble(), node["BeginValue"].ToDouble()},
                  {node["EndTime"].ToDouble(), node["EndValue"].ToDouble()}};
    for (const FormationPoint& point : points)
        if (!std::isfinite(point.time) || !std::isfinite(point.value))
            return std::nullopt;
    ChartFormation formation = Make(type, std::move(points));
    formation.styleId = node["Style"].ToInt();
    formation.seriesId = node["Series"].ToInt();
    ConstSettingsIterator displayNode = node["Display"].IteratorUnnamed(1);
    while (displayNode.Iterate())
        formation.display[displayNode.Node()["Parameter"].ToInt()] = displayNode.Node()["Value"].ToInt();
    if (node.Exists(QStringLiteral("ExtendLeft")))
        formation.Set(P::ExtendToBegin, node["ExtendLeft"].ToBool());
    if (node.Exists(QStringLiteral("ExtendRight")))
        formation.Set(P::ExtendToEnd, node["ExtendRight"].ToBool());
    const Settings& paramsNode = node["Params"];
    for (const auto& [key, value] : Defaults(type))
    {
        const QString name = QStringLiteral("P%1").arg(key);
        if (!paramsNode.Exists(name))
            continue;
        const Settings& entry = paramsNode[name];
        if (key == P::FiboLevels)
        {
            auto levels = std::make_shared<FiboLevelsContainer>();
            levels->SetNegativesAllowed(entry["Negatives"].ToBool());
            ConstSettingsIterator items = entry.IteratorUnnamed(1);
            while (items.Iterate())
            {
                const double level = items.Node()["Value"].ToDouble();
                if (std::isfinite(level))
                    levels->AddLevel({level, items.Node()["Enabled"].ToBool()});
            }
            formation.Set(P::FiboLevels, FormationLevels::Wrap(std::make_shared<FiboFormationParamValue>(levels)));
        }
        else if (key == P::GannLevels)
        {
            auto levels = GannFanLevelsContainer::CreateDefault();
            std::vector<bool> visible;
            ConstSettingsIterator items = entry.IteratorUnnamed(1);
            while (items.Iterate())
                visible.push_back(items.Node()["Visible"].ToBool());
            const std::size_t vertical = levels->VerticalLevelsAmount();
            for (std::size_t i = 0; i < visible.size() && i < vertical * 2 + 1; ++i)
            {
                GannLevel& level = i < vertical ? levels->VerticalLevel(i)
                                   : i == vertical ? levels->BaseLevel()
                                                   : levels->HorizontalLevel(i - vertical - 1);
                level.visible = visible[i];
            }
            formation.Set(P::GannLevels, FormationLevels::Wrap(std::make_shared<GannFanFormationLevelsParam>(levels)));
        }
        else if (value.typeId() == QMetaType::QString)
            formation.Set(static_cast<P::Type>(key), entry.ToString());
        else if (value.typeId() == QMetaType::Bool)
            formation.Set(static_cast<P::Type>(key), entry.ToBool());
        else
            formation.Set(static_cast<P::Type>(key), entry.ToDouble());
    }
    return formation;
}
