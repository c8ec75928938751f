#include "modulelibs/chart/ChartPainter.h"

#include "modulelibs/chart/ChartStyles.h"
#include "modulelibs/chart/ChartTimeAxis.h"
#include "modulelibs/chart/FormationPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace
{

QColor Color(int value)
{
    const auto ref = static_cast<quint32>(value);
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

// Round steps for the grid: 1, 2 or 5 times a power of ten.
double GridStep(double span, int lines)
{
    const double raw = span / std::max(lines, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * power)
            return factor * power;
    return 10.0 * power;
}

// A series' colour or value: the display parameter the user set for elements, else its element
// style's, else the look's default.
int SeriesParam(const ChartDocument& document, const ChartSeries& series, int parameter)
{
    if (const std::optional<int> value = document.Override(2, parameter))
        return *value;
    if (const std::optional<int> value = ChartStyles::SeriesValue(series.kind, parameter))
        return *value;
    return ChartDocument::DefaultParam(2, parameter);
}

Qt::PenStyle LineStyle(int type)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine};
    return type >= 0 && type < 5 ? styles[type] : Qt::SolidLine;
}

const ChartLayout::Scale& ScaleOf(const ChartLayout::ViewArea& view, const ChartSeries& series)
{
    return series.rightAxis ? view.right : view.left;
}

}

ChartPainter::ChartPainter(const ChartDocument& document, const ChartBars& bars, const ChartLayout& layout)
    : m_document(document)
    , m_bars(bars)
    , m_layout(layout)
{
}

void ChartPainter::Paint(QPainter& painter, const QRect& client, const ChartOverlay& overlay) const
{
    painter.fillRect(client, Color(m_document.Param(0, 6)));
    QFont font = ChartStyles::AxisFont();
    if (m_document.Override(0, 32))
        font.setPointSize(m_document.FontSize(0));
    painter.setFont(font);
    for (const ChartLayout::ViewArea& view : m_layout.Views())
        PaintView(painter, view);
    FormationPainter::Paint(painter, m_document, m_bars, m_layout, overlay.formationLabels);
    if (!m_layout.RecordsRect().isNull())
        PaintRecords(painter);
    PaintOverlay(painter, overlay);
    if (m_bars.Count() == 0 || !overlay.message.isEmpty())
    {
        painter.setPen(Color(m_document.Param(0, 11)));
        painter.drawText(client, Qt::AlignCenter,
                         overlay.message.isEmpty() ? QStringLiteral("Brak danych") : overlay.message);
    }
}

void ChartPainter::PaintView(QPainter& painter, const ChartLayout::ViewArea& view) const
{
    const bool selected = view.viewId == m_document.selectedView;
    painter.fillRect(view.rect, Color(m_document.Param(1, 6)));
    painter.setPen(QPen(Color(m_document.Param(0, 16)), selected ? 2 : 1));
    painter.drawRect(view.rect.adjusted(0, 0, -1, -1));
    if (view.right.valid)
        PaintValueAxis(painter, view, view.right, true);
    if (view.left.valid)
        PaintValueAxis(painter, view, view.left, false);
    if (!view.timeAxis.isNull())
        PaintTimeAxis(painter, view);
    painter.save();
    painter.setClipRect(view.rect);
    for (const ChartSeries* series : m_document.SeriesOfView(view.viewId))
        PaintSeries(painter, view, *series);
    painter.restore();
}

void ChartPainter::PaintValueAxis(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                                  bool right) const
{
    const QColor labels = Color(m_document.Param(1, 11));
    const double step = GridStep(scale.maximum - scale.minimum, std::max(2, view.rect.height() / 40));
    const int x = right ? view.rect.right() + 4 : view.rect.left() - ChartLayout::kValueAxisWidth + 2;
    const int decimals = step >= 1.0 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step))));
    for (double value = std::ceil(scale.minimum / step) * step; value <= scale.maximum; value += step)
    {
        const double y = view.rect.bottom() - (value - scale.minimum) / (scale.maximum - scale.minimum) * view.rect.height();
        if (right && ChartStyles::HorizontalGrid())
        {
            painter.setPen(ChartStyles::GridPen());
            painter.drawLine(QPointF(view.rect.left(), y), QPointF(view.rect.right(), y));
        }
        painter.setPen(labels);
        const QString text = QString::number(value, 'f', decimals) + (scale.percent ? QStringLiteral("%") : QString());
        painter.drawText(QRectF(x, y - 8, ChartLayout::kValueAxisWidth - 6, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void ChartPainter::PaintTimeAxis(QPainter& painter, const ChartLayout::ViewArea& view) const
{
    if (m_layout.ShownCount() <= 0)
        return;
    painter.setPen(Color(m_document.Param(1, 11)));
    const ChartTimeAxis::Labels axis =
        ChartTimeAxis::Make(m_bars, m_layout.FirstBar(), m_layout.LastBar(), m_layout.BarWidth(),
                            m_document.request.interval == DataRequestParams::kDay);
    const double half = axis.width / 2.0;
    double lastRight = -1000.0;
    for (const ChartTimeAxis::Label& label : axis.labels)
    {
        const double x = m_layout.BarX(label.bar);
        if (x - half < lastRight)
            continue;
        if (ChartStyles::VerticalGrid())
        {
            painter.setPen(ChartStyles::GridPen());
            painter.drawLine(QPointF(x, view.rect.top()), QPointF(x, view.rect.bottom()));
            painter.setPen(Color(m_document.Param(1, 11)));
        }
        painter.drawText(QRectF(x - half, view.timeAxis.top(), axis.width, view.timeAxis.height()), Qt::AlignCenter,
                         label.text);
        lastRight = x + half;
    }
}

void ChartPainter::PaintSeries(QPainter& painter, const ChartLayout::ViewArea& view, const ChartSeries& series) const
{
    const ChartLayout::Scale& scale = ScaleOf(view, series);
    if (!scale.valid || m_layout.ShownCount() <= 0)
        return;
    switch (series.chartType)
    {
    case 2:
    case 3:
        PaintOhlc(painter, view, scale, series);
        break;
    case 1:
    case 4:
    case 5:
        PaintColumns(painter, view, scale, series);
        break;
    default:
        PaintLine(painter, view, scale, series);
        break;
    }
}

void ChartPainter::PaintOhlc(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                             const ChartSeries& series) const
{
    const bool selected = series.id == m_document.selectedSeries;
    const QColor highlight = Color(m_document.Param(0, 20));
    const QColor upFrame = selected ? highlight : Color(SeriesParam(m_document, series, 3));
    const QColor downFrame = selected ? highlight : Color(SeriesParam(m_document, series, 4));
    const QColor up = Color(SeriesParam(m_document, series, 6));
    const QColor down = Color(SeriesParam(m_document, series, 7));
    const double width = m_layout.BarWidth();
    if (width < 2.0)
    {
        // One high-low line per pixel column.
        painter.setPen(QPen(upFrame, 1));
        int column = std::numeric_limits<int>::min();
        double low = 0.0;
        double high = 0.0;
        std::vector<QLineF> lines;
        lines.reserve(static_cast<std::size_t>(view.rect.width()) + 1);
        for (int i = m_layout.FirstBar(); i <= m_layout.LastBar() + 1; ++i)
        {
            const int x = i <= m_layout.LastBar() ? static_cast<int>(m_layout.BarX(i)) : std::numeric_limits<int>::max();
            if (x != column)
            {
                if (column != std::numeric_limits<int>::min())
                    lines.emplace_back(column, m_layout.ValueY(view, scale, low), column, m_layout.ValueY(view, scale, high));
                if (i > m_layout.LastBar())
                    break;
                column = x;
                low = m_bars.At(i).low;
                high = m_bars.At(i).high;
                continue;
            }
            low = std::min(low, m_bars.At(i).low);
            high = std::max(high, m_bars.At(i).high);
        }
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        return;
    }
    const double body = std::max(1.0, width * 0.7);
    for (int i = m_layout.FirstBar(); i <= m_layout.LastBar(); ++i)
    {
        const PriceBar& bar = m_bars.At(i);
        const double x = m_layout.BarX(i);
        const double open = m_layout.ValueY(view, scale, bar.open);
        const double close = m_layout.ValueY(view, scale, bar.close);
        const bool rising = bar.close >= bar.open;
        const QColor color = rising ? up : down;
        const QColor frame = rising ? upFrame : downFrame;
        painter.setPen(QPen(series.chartType == 3 ? frame : color, selected ? 2 : 1));
        painter.drawLine(QPointF(x, m_layout.ValueY(view, scale, bar.high)), QPointF(x, m_layout.ValueY(view, scale, bar.low)));
        if (series.chartType == 2)
        {
            painter.drawLine(QPointF(x - body / 2, open), QPointF(x, open));
            painter.drawLine(QPointF(x, close), QPointF(x + body / 2, close));
            continue;
        }
        const QRectF rect(x - body / 2, std::min(open, close), body, std::max(1.0, std::abs(close - open)));
        painter.fillRect(rect, color);
        painter.drawRect(rect);
    }
}

void ChartPainter::PaintLine(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                             const ChartSeries& series) const
{
    const bool selected = series.id == m_document.selectedSeries;
    const QColor colour = selected ? Color(m_document.Param(0, 20)) : Color(SeriesParam(m_document, series, 2));
    const double width = std::max(1, SeriesParam(m_document, series, 1));
    painter.setPen(QPen(colour, selected ? width + 1.5 : width, LineStyle(SeriesParam(m_document, series, 5))));
    QPolygonF points;
    const int first = m_layout.FirstBar();
    const int last = m_layout.LastBar();
    // A running sum keeps the average's cost to one step per bar.
    const int period = series.kind == ChartSeries::Average ? series.averagePeriod : 1;
    const int start = std::max(0, first - period + 1);
    double sum = 0.0;
    int column = std::numeric_limits<int>::min();
    for (int i = start; i <= last; ++i)
    {
        const double close = m_bars.At(i).close;
        sum += close;
        if (i - period >= start)
            sum -= m_bars.At(i - period).close;
        if (i < first)
            continue;
        const double value = series.kind == ChartSeries::Average ? sum / std::min(period, i - start + 1)
                                                                 : ChartLayout::SeriesValue(series, m_bars, i);
        const double x = m_layout.BarX(i);
        // Narrow bars: the last value of each pixel column stands for it.
        if (m_layout.BarWidth() < 1.0 && static_cast<int>(x) == column && !points.isEmpty())
        {
            points.back() = QPointF(x, m_layout.ValueY(view, scale, value));
            continue;
        }
        column = static_cast<int>(x);
        points << QPointF(x, m_layout.ValueY(view, scale, value));
    }
    painter.drawPolyline(points);
}

void ChartPainter::PaintColumns(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                                const ChartSeries& series) const
{
    const bool selected = series.id == m_document.selectedSeries;
    const bool withBase = series.chartType == 4 || series.chartType == 5;
    const double baseValue = withBase ? series.baseLevel : (series.kind == ChartSeries::Volume ? 0.0 : scale.minimum);
    const double base = std::clamp(m_layout.ValueY(view, scale, baseValue), double(view.rect.top()), double(view.rect.bottom()));
    const QColor color = selected ? Color(m_document.Param(0, 20)) : Color(SeriesParam(m_document, series, 2));
    const double width = std::max(1.0, m_layout.BarWidth() * 0.7);
    std::vector<QLineF> thin;
    for (int i = m_layout.FirstBar(); i <= m_layout.LastBar(); ++i)
    {
        const double x = m_layout.BarX(i);
        const double y = m_layout.ValueY(view, scale, ChartLayout::SeriesValue(series, m_bars, i));
        if (width <= 1.5)
            thin.emplace_back(x, base, x, y);
        else
            painter.fillRect(QRectF(x - width / 2, std::min(y, base), width, std::abs(base - y)), color);
    }
    painter.setPen(QPen(color, 1));
    painter.drawLines(thin.data(), static_cast<int>(thin.size()));
}

void ChartPainter::PaintRecords(QPainter& painter) const
{
    const QRect rect = m_layout.RecordsRect();
    painter.fillRect(rect, Color(m_document.Param(1, 6)).darker(104));
    painter.setPen(Color(m_document.Param(0, 11)));
    std::vector<std::pair<int, QString>> columns;
    for (const auto& [id, visible] : m_document.recordColumns)
        if (visible)
            columns.emplace_back(id, ChartDocument::RecordColumnName(id));
    if (columns.empty())
        return;
    const int width = rect.width() / static_cast<int>(columns.size());
    const int rowHeight = painter.fontMetrics().height() + 2;
    for (std::size_t c = 0; c < columns.size(); ++c)
        painter.drawText(QRect(rect.left() + static_cast<int>(c) * width, rect.top(), width, rowHeight), Qt::AlignCenter,
                         columns[c].second);
    int y = rect.top() + rowHeight;
    for (int i = m_bars.Count() - 1; i >= 0 && y + rowHeight <= rect.bottom(); --i, y += rowHeight)
    {
        const PriceBar& bar = m_bars.At(i);
        for (std::size_t c = 0; c < columns.size(); ++c)
        {
            QString text;
            switch (columns[c].first)
            {
            case 0:
                text = bar.time.ToQDateTime().toString(m_document.request.interval == DataRequestParams::kDay
                                                           ? QStringLiteral("dd.MM.yy")
                                                           : QStringLiteral("HH:mm:ss"));
                break;
            case 1:
                text = QString::number(bar.close, 'f', 2);
                break;
            case 2:
                text = QString::number(bar.volume, 'f', 0);
                break;
            default:
                text = i > 0 ? QString::number(bar.close - m_bars.At(i - 1).close, 'f', 2) : QString();
                break;
            }
            painter.drawText(QRect(rect.left() + static_cast<int>(c) * width, y, width - 4, rowHeight),
                             Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
}

void ChartPainter::PaintOverlay(QPainter& painter, const ChartOverlay& overlay) const
{
    const QColor pointer = Color(m_document.Param(0, 16));
    if (overlay.cursor && overlay.crossHair)
    {
        painter.setPen(QPen(pointer, 1, Qt::DashLine));
        for (const ChartLayout::ViewArea& view : m_layout.Views())
        {
            if (overlay.cursor->x() >= view.rect.left() && overlay.cursor->x() <= view.rect.right())
                painter.drawLine(overlay.cursor->x(), view.rect.top(), overlay.cursor->x(), view.rect.bottom());
            if (view.rect.contains(*overlay.cursor))
                painter.drawLine(view.rect.left(), overlay.cursor->y(), view.rect.right(), overlay.cursor->y());
        }
    }
    if (overlay.cursor && overlay.inspector && m_layout.ShownCount() > 0)
    {
        const PriceBar& bar = m_bars.At(m_layout.BarAt(overlay.cursor->x()));
        const QString text = QStringLiteral("%1\nO %2  H %3\nL %4  C %5\nV %6")
                                 .arg(bar.time.ToQDateTime().toString(QStringLiteral("dd.MM.yy HH:mm:ss")))
                                 .arg(bar.open, 0, 'f', 2)
                                 .arg(bar.high, 0, 'f', 2)
                                 .arg(bar.low, 0, 'f', 2)
                                 .arg(bar.close, 0, 'f', 2)
                                 .arg(bar.volume, 0, 'f', 0);
        const QRect box(m_layout.Views().front().rect.topLeft() + QPoint(6, 6), QSize(170, 4 * painter.fontMetrics().height() + 8));
        painter.fillRect(box, QColor(255, 255, 225));
        painter.setPen(pointer);
        painter.drawRect(box);
        painter.drawText(box.adjusted(4, 4, -4, -4), Qt::AlignLeft | Qt::AlignTop, text);
    }
    for (const auto* area : {&overlay.ruler, &overlay.zoomArea})
    {
        if (!*area)
            continue;
        painter.setPen(QPen(pointer, 1, Qt::DashLine));
        painter.setBrush(QColor(128, 128, 255, 40));
        painter.drawRect((*area)->normalized());
        painter.setBrush(Qt::NoBrush);
    }
    if (overlay.ruler && m_layout.ShownCount() > 0)
    {
        const QRect r = overlay.ruler->normalized();
        const ChartLayout::ViewArea* view = m_layout.ViewAt(overlay.ruler->topLeft());
        if (view && view->right.valid)
        {
            const double from = m_layout.ValueAt(*view, view->right, overlay.ruler->top());
            const double to = m_layout.ValueAt(*view, view->right, overlay.ruler->bottom());
            const int bars = std::abs(m_layout.BarAt(overlay.ruler->right()) - m_layout.BarAt(overlay.ruler->left()));
            const QString text = QStringLiteral("%1 (%2%)  %3 św.")
                                     .arg(to - from, 0, 'f', 2)
                                     .arg(from != 0.0 ? (to / from - 1.0) * 100.0 : 0.0, 0, 'f', 2)
                                     .arg(bars);
            painter.setPen(pointer.darker(200));
            painter.drawText(r.bottomRight() + QPoint(4, -4), text);
        }
    }
}
