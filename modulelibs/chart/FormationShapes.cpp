#include "modulelibs/chart/FormationShapes.h"

#include "platform/modules/FormationLevels.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

using P = FormationParam;

namespace
{

// Far enough past any window edge for an extended line; the clip cuts it.
constexpr double kFar = 20000.0;

double SegmentDistance(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t = length > 0.0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Cuts the segment to the rectangle; false when none of it lies inside. A line far longer than
// the window (a formation anchored far off screen, or one run on past its points) then costs
// what the window's width costs.
bool ClipToRect(QPointF& a, QPointF& b, const QRectF& rect)
{
    const QPointF d = b - a;
    double from = 0.0;
    double to = 1.0;
    const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(), rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i)
    {
        if (p[i] == 0.0)
        {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
    }
    if (from > to)
        return false;
    const QPointF start = a;
    a = start + d * from;
    b = start + d * to;
    return true;
}

QString Percent(double value)
{
    return QString::number(value, 'f', 1) + QLatin1Char('%');
}

QString GannName(double ratio)
{
    return ratio >= 1.0 ? QStringLiteral("%1x1").arg(std::lround(ratio)) : QStringLiteral("1x%1").arg(std::lround(1.0 / ratio));
}

}

FormationShapes::FormationShapes(const ChartLayout& layout, const ChartLayout::ViewArea& view, const ChartBars& bars)
    : m_layout(layout)
    , m_view(view)
    , m_bars(bars)
{
}

QPointF FormationShapes::PointXY(const FormationPoint& point) const
{
    return {m_layout.TimeX(point.time), m_layout.ValueY(m_view, m_view.right, point.value)};
}

FormationPoint FormationShapes::PointAt(const QPointF& xy) const
{
    return {m_layout.TimeAt(xy.x()), m_layout.ValueAt(m_view, m_view.right, xy.y())};
}

QString FormationShapes::KindName(FormationType type)
{
    switch (type)
    {
    case P::kSegment: return QStringLiteral("Linia");
    case P::kRay: return QStringLiteral("Półprosta");
    case P::kLine: return QStringLiteral("Prosta");
    case P::kVertical: return QStringLiteral("Pionowa");
    case P::kHorizontal: return QStringLiteral("Pozioma");
    case P::kAngleLine: return QStringLiteral("Linia pod kątem");
    case P::kParallelChannel: return QStringLiteral("Kanał równoległy");
    case P::kPitchfork: return QStringLiteral("Andrew's pitchfork");
    case P::kFan: return QStringLiteral("Wachlarz");
    case P::kTriangle: return QStringLiteral("Trójkąt");
    case P::kEllipse: return QStringLiteral("Elipsa");
    case P::kRectangle: return QStringLiteral("Prostokąt");
    case P::kCycleLines: return QStringLiteral("Linie cyklu");
    case P::kGannLine: return QStringLiteral("Linia Ganna");
    case P::kGannGrid: return QStringLiteral("Siatka Ganna");
    case P::kGannFan: return QStringLiteral("Wachlarz Ganna");
    case P::kFiboRetracement: return QStringLiteral("Zniesienia Fibonacciego");
    case P::kFiboFan: return QStringLiteral("Wachlarz Fibonacciego");
    case P::kFiboArcs: return QStringLiteral("Łuki Fibonacciego");
    case P::kFiboProjection: return QStringLiteral("Projekcja Fibonacciego");
    case P::kFiboTimeRange: return QStringLiteral("Zasięg czasowy Fibonacciego");
    case P::kFiboTimeZones: return QStringLiteral("Strefy czasowe Fibonacciego");
    case P::kSymbol: return QStringLiteral("Symbol");
    case P::kRegressionChannel: return QStringLiteral("Kanał regresji");
    case P::kText: return QStringLiteral("Tekst");
    default: return QString();
    }
}

void FormationShapes::AddLine(std::vector<FormationShape>& shapes, QPointF a, QPointF b, bool extendBegin,
                              bool extendEnd, bool dashed) const
{
    const QPointF direction = b - a;
    const double length = std::hypot(direction.x(), direction.y());
    if (length > 0.0)
    {
        const QPointF unit = direction / length;
        if (extendBegin)
            a -= unit * kFar;
        if (extendEnd)
            b += unit * kFar;
    }
    if (!ClipToRect(a, b, QRectF(m_view.rect).adjusted(-2, -2, 2, 2)))
        return;
    FormationShape line;
    line.points = {a, b};
    line.dashed = dashed;
    shapes.push_back(line);
}

std::vector<FormationShape> FormationShapes::Shapes(const ChartFormation& formation, bool showLabels) const
{
    std::vector<FormationShape> shapes;
    std::vector<QPointF> p;
    for (const FormationPoint& point : formation.points)
        p.push_back(PointXY(point));
    if (p.empty())
        return shapes;
    const QRectF plot = m_view.rect;
    const bool begin = formation.Flag(P::ExtendToBegin);
    const bool end = formation.Flag(P::ExtendToEnd);
    const QPointF p1 = p.size() > 1 ? p[1] : p[0];
    switch (formation.type)
    {
    case P::kSegment:
    case P::kRay:
    case P::kLine:
        AddLine(shapes, p[0], p1, begin, end);
        break;
    case P::kVertical:
        AddLine(shapes, {p[0].x(), plot.top()}, {p[0].x(), plot.bottom()}, false, false);
        if (formation.Flag(P::ShowValue))
            shapes.push_back({FormationShape::Text, {}, QRectF(p[0].x() + 3, plot.top() + 2, 0, 0),
                              m_bars.Count() > 0 ? QString::number(m_layout.BarAt(p[0].x()) + 1) : QString()});
        break;
    case P::kHorizontal:
        AddLine(shapes, {plot.left(), p[0].y()}, {plot.right(), p[0].y()}, false, false);
        if (formation.Flag(P::ShowValue))
            shapes.push_back({FormationShape::Text, {}, QRectF(plot.left() + 3, p[0].y() - 14, 0, 0),
                              QString::number(formation.points[0].value, 'f', 2)});
        break;
    case P::kAngleLine:
    {
        const double length = std::max(QLineF(p[0], p1).length(), 20.0);
        const double radians = formation.Number(P::Angle) * std::numbers::pi / 180.0;
        AddLine(shapes, p[0], p[0] + QPointF(std::cos(radians), -std::sin(radians)) * length, begin, end);
        break;
    }
    case P::kParallelChannel:
    {
        const QPointF offset = p[2] - p[0];
        AddLine(shapes, p[0], p1, begin, end);
        AddLine(shapes, p[0] + offset, p1 + offset, begin, end);
        AddLine(shapes, p[0] + offset / 2, p1 + offset / 2, begin, end, true);
        break;
    }
    case P::kPitchfork:
    {
        const QPointF middle = (p[1] + p[2]) / 2;
        const QPointF direction = middle - p[0];
        AddLine(shapes, p[0], middle, false, true);
        AddLine(shapes, p[1], p[1] + direction, false, true);
        AddLine(shapes, p[2], p[2] + direction, false, true);
        AddLine(shapes, p[1], p[2], false, false, !formation.Flag(P::PitchforkConnector));
        break;
    }
    case P::kFan:
        for (const double k : {1.0, 2.0 / 3.0, 1.0 / 3.0})
            AddLine(shapes, p[0], {p1.x(), p[0].y() + (p1.y() - p[0].y()) * k}, false, true);
        break;
    case P::kTriangle:
    case P::kRectangle:
    {
        FormationShape shape;
        shape.kind = FormationShape::Polygon;
        shape.filled = formation.Flag(P::Fill);
        if (formation.type == P::kTriangle)
            shape.points = {p[0], p[1], p[2]};
        else
            shape.points = {p[0], {p1.x(), p[0].y()}, p1, {p[0].x(), p1.y()}};
        shapes.push_back(shape);
        break;
    }
    case P::kEllipse:
        if (QRectF(p[0], p1).normalized().intersects(plot))
            shapes.push_back({FormationShape::Ellipse, {}, QRectF(p[0], p1).normalized(), {}, false, formation.Flag(P::Fill)});
        break;
    case P::kCycleLines:
    {
        const double step = std::max(1.0, m_layout.BarWidth() * formation.Get(P::CycleLength).toUInt());
        for (double x = p[0].x(); x <= plot.right() && shapes.size() < 2000; x += step)
            AddLine(shapes, {x, plot.top()}, {x, plot.bottom()}, false, false);
        break;
    }
    case P::kGannLine:
    case P::kGannGrid:
    case P::kGannFan:
        Gann(shapes, formation);
        break;
    case P::kFiboRetracement:
    case P::kFiboProjection:
    case P::kFiboTimeRange:
    case P::kFiboTimeZones:
    case P::kFiboFan:
    case P::kFiboArcs:
        Fibo(shapes, formation);
        break;
    case P::kSymbol:
        shapes.push_back({FormationShape::Symbol, {}, QRectF(p[0].x() - 8, p[0].y() - 8, 16, 16), {}, false, false,
                          formation.Get(P::SymbolId).toInt()});
        break;
    case P::kRegressionChannel:
        Regression(shapes, formation);
        break;
    case P::kText:
    {
        const QString name = formation.Get(P::Name).toString();
        shapes.push_back({FormationShape::Text, {}, QRectF(p[0], QSizeF()), name.isEmpty() ? KindName(P::kText) : name});
        break;
    }
    default:
        break;
    }
    if ((showLabels || formation.Flag(P::ShowLabel)) && formation.type != P::kText)
    {
        const QString name = formation.Get(P::Name).toString();
        shapes.push_back({FormationShape::Label, QPolygonF({p[0]}), QRectF(p[0] + QPointF(8, -24), QSizeF()),
                          name.isEmpty() ? KindName(formation.type) : name});
    }
    return shapes;
}

void FormationShapes::Fibo(std::vector<FormationShape>& shapes, const ChartFormation& formation) const
{
    std::vector<QPointF> p;
    for (const FormationPoint& point : formation.points)
        p.push_back(PointXY(point));
    const QPointF p1 = p.size() > 1 ? p[1] : p[0];
    const bool descriptions = formation.Flag(P::ShowDescriptions);
    const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(formation.Get(P::FiboLevels));
    std::vector<FiboLevel> levels;
    if (nested && nested->Levels())
        for (std::size_t i = 0; i < nested->Levels()->Size(); ++i)
            if (nested->Levels()->Level(i).enabled)
                levels.push_back(nested->Levels()->Level(i));
    if (formation.type == P::kFiboFan || formation.type == P::kFiboArcs)
        for (const double value : {38.2, 50.0, 61.8})
            levels.push_back({value, true});
    const QRectF plot = m_view.rect;
    switch (formation.type)
    {
    case P::kFiboRetracement:
    case P::kFiboProjection:
    {
        AddLine(shapes, p[0], p1, false, false, true);
        const double from = formation.points[formation.type == P::kFiboProjection ? 2 : 1].value;
        const double height = formation.points[0].value - formation.points[1].value;
        const double sign = formation.type == P::kFiboProjection ? -1.0 : 1.0;
        const double left = formation.type == P::kFiboProjection ? p[2].x() : std::min(p[0].x(), p1.x());
        const double right = formation.type == P::kFiboProjection ? std::max(p[2].x(), p1.x()) : std::max(p[0].x(), p1.x());
        for (const FiboLevel& level : levels)
        {
            const double value = from + sign * height * level.value / 100.0;
            const double y = m_layout.ValueY(m_view, m_view.right, value);
            AddLine(shapes, {left, y}, {right, y}, formation.Flag(P::ExtendToBegin), formation.Flag(P::ExtendToEnd));
            QStringList text;
            if (descriptions)
                text << Percent(level.value);
            if (formation.Flag(P::NumericDescriptions))
                text << QString::number(value, 'f', 2);
            if (!text.isEmpty())
                shapes.push_back({FormationShape::Text, {}, QRectF(left + 2, y - 14, 0, 0), text.join(QStringLiteral("  "))});
        }
        break;
    }
    case P::kFiboTimeRange:
        for (const FiboLevel& level : levels)
        {
            const double x = p[0].x() + (p1.x() - p[0].x()) * level.value / 100.0;
            AddLine(shapes, {x, plot.top()}, {x, plot.bottom()}, false, false);
            if (descriptions)
                shapes.push_back({FormationShape::Text, {}, QRectF(x + 2, plot.top() + 2, 0, 0), Percent(level.value)});
        }
        break;
    case P::kFiboTimeZones:
    {
        const double unit = std::max(0.01, m_layout.BarWidth() * formation.Number(P::TimeZoneMultiplier));
        for (const FiboLevel& level : levels)
        {
            const double x = p[0].x() + unit * level.value;
            if (x > plot.right() + kFar)
                break;
            AddLine(shapes, {x, plot.top()}, {x, plot.bottom()}, false, false);
            if (descriptions)
                shapes.push_back({FormationShape::Text, {}, QRectF(x + 2, plot.top() + 2, 0, 0), QString::number(level.value)});
        }
        break;
    }
    case P::kFiboFan:
        AddLine(shapes, p[0], p1, false, false, true);
        for (const FiboLevel& level : levels)
        {
            const QPointF target(p1.x(), p1.y() + (p[0].y() - p1.y()) * level.value / 100.0);
            AddLine(shapes, p[0], target, false, true);
            if (descriptions)
                shapes.push_back({FormationShape::Text, {}, QRectF(target + QPointF(3, -14), QSizeF()), Percent(level.value)});
        }
        break;
    case P::kFiboArcs:
    {
        AddLine(shapes, p[0], p1, false, false, true);
        const double radius = QLineF(p[0], p1).length();
        for (const FiboLevel& level : levels)
        {
            const double r = radius * level.value / 100.0;
            const QRectF circle(p1.x() - r, p1.y() - r, 2 * r, 2 * r);
            if (circle.intersects(m_view.rect))
                shapes.push_back({FormationShape::Ellipse, {}, circle, {}, false, false});
            if (descriptions)
                shapes.push_back({FormationShape::Text, {}, QRectF(p1.x() + 2, p1.y() - r - 14, 0, 0), Percent(level.value)});
        }
        break;
    }
    default:
        break;
    }
}

void FormationShapes::Gann(std::vector<FormationShape>& shapes, const ChartFormation& formation) const
{
    const QPointF p0 = PointXY(formation.points[0]);
    const QPointF p1 = PointXY(formation.points.size() > 1 ? formation.points[1] : formation.points[0]);
    if (formation.type == P::kGannLine)
    {
        // The line rises by the increment for every bar from its first point.
        const double bars = std::max(1.0, std::abs(p1.x() - p0.x()) / std::max(m_layout.BarWidth(), 0.01));
        const double value = formation.points[0].value + formation.Number(P::GannIncrement) * bars;
        AddLine(shapes, p0, {p0.x() + bars * m_layout.BarWidth(), m_layout.ValueY(m_view, m_view.right, value)}, false,
                formation.Flag(P::ExtendToEnd));
        return;
    }
    if (formation.type == P::kGannGrid)
    {
        const double step = std::max(4.0, std::abs(p1.x() - p0.x()));
        const double slope = (p1.y() - p0.y()) / std::max(1.0, p1.x() - p0.x());
        const QRectF plot = m_view.rect;
        for (double x = p0.x() - std::ceil((p0.x() - plot.left()) / step + plot.width() / step) * step;
             x <= plot.right() + plot.width() && shapes.size() < 400; x += step)
        {
            AddLine(shapes, {x, p0.y()}, {x + 1.0, p0.y() + slope}, true, true);
            AddLine(shapes, {x, p0.y()}, {x + 1.0, p0.y() - slope}, true, true);
        }
        return;
    }
    const auto nested = FormationLevels::Unwrap<GannFanFormationLevelsParam>(formation.Get(P::GannLevels));
    if (!nested || !nested->Levels())
        return;
    const QPointF d = p1 - p0;
    for (const GannLevel& level : nested->Levels()->All())
    {
        if (!level.visible)
            continue;
        const QPointF target = p0 + QPointF(d.x(), d.y() * level.ratio);
        AddLine(shapes, p0, target, false, true);
        if (formation.Flag(P::GannDescriptions))
            shapes.push_back({FormationShape::Text, {}, QRectF(target + QPointF(3, -14), QSizeF()), GannName(level.ratio)});
    }
}

void FormationShapes::Regression(std::vector<FormationShape>& shapes, const ChartFormation& formation) const
{
    const int first = m_layout.BarAt(std::min(PointXY(formation.points[0]).x(), PointXY(formation.points[1]).x()));
    const int last = m_layout.BarAt(std::max(PointXY(formation.points[0]).x(), PointXY(formation.points[1]).x()));
    if (m_bars.Count() == 0 || last <= first)
        return;
    const int price = formation.Get(P::ChannelPrice).toInt();
    auto value = [&](int index) {
        const PriceBar& bar = m_bars.At(index);
        return price == 0 ? bar.open : price == 2 ? bar.high : price == 3 ? bar.low : bar.close;
    };
    const int n = last - first + 1;
    double sumX = 0, sumY = 0, sumXY = 0, sumXX = 0;
    for (int i = first; i <= last; ++i)
    {
        const double x = i - first;
        sumX += x;
        sumY += value(i);
        sumXY += x * value(i);
        sumXX += x * x;
    }
    const double slope = (n * sumXY - sumX * sumY) / std::max(1e-12, n * sumXX - sumX * sumX);
    const double intercept = (sumY - slope * sumX) / n;
    double width = 0.0;
    double squares = 0.0;
    double absolute = 0.0;
    for (int i = first; i <= last; ++i)
    {
        const double residual = value(i) - (intercept + slope * (i - first));
        width = std::max(width, std::abs(residual));
        squares += residual * residual;
        absolute += std::abs(residual);
    }
    const unsigned type = formation.Get(P::ChannelType).toUInt();
    if (type == 1)
        width = std::sqrt(squares / n) * formation.Number(P::Deviation);
    else if (type == 2)
        width = absolute / n * formation.Number(P::Deviation);
    for (const double offset : {0.0, width, -width})
    {
        const QPointF a(m_layout.BarX(first), m_layout.ValueY(m_view, m_view.right, intercept + offset));
        const QPointF b(m_layout.BarX(last), m_layout.ValueY(m_view, m_view.right, intercept + slope * (n - 1) + offset));
        AddLine(shapes, a, b, formation.Flag(P::ExtendToBegin), formation.Flag(P::ExtendToEnd), offset != 0.0);
    }
}

double FormationShapes::Distance(const ChartFormation& formation, const QPointF& point) const
{
    double best = kFar;
    for (const FormationShape& shape : Shapes(formation, false))
    {
        switch (shape.kind)
        {
        case FormationShape::Polyline:
        case FormationShape::Polygon:
        {
            QPolygonF outline = shape.points;
            if (shape.kind == FormationShape::Polygon && !outline.isEmpty())
            {
                if (shape.filled && outline.containsPoint(point, Qt::OddEvenFill))
                    return 0.0;
                outline << outline.first();
            }
            for (qsizetype i = 1; i < outline.size(); ++i)
                best = std::min(best, SegmentDistance(point, outline[i - 1], outline[i]));
            break;
        }
        case FormationShape::Ellipse:
        {
            const QPointF centre = shape.rect.center();
            const double a = std::max(shape.rect.width() / 2, 1.0);
            const double b = std::max(shape.rect.height() / 2, 1.0);
            const double dx = (point.x() - centre.x()) / a;
            const double dy = (point.y() - centre.y()) / b;
            const double r = std::hypot(dx, dy);
            if (shape.filled && r <= 1.0)
                return 0.0;
            best = std::min(best, std::abs(r - 1.0) * std::min(a, b));
            break;
        }
        case FormationShape::Symbol:
            if (shape.rect.contains(point))
                return 0.0;
            break;
        case FormationShape::Text:
        case FormationShape::Label:
            if (QRectF(shape.rect.topLeft(), QSizeF(std::max<qsizetype>(1, shape.text.size()) * 7.0, 16.0)).contains(point))
                return 0.0;
            break;
        }
    }
    for (const FormationPoint& anchor : formation.points)
        best = std::min(best, QLineF(PointXY(anchor), point).length());
    return best;
}
