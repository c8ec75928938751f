#include "sessionstats/ui/OverallWindowPainter.h"

#include "platform/base/ColorRef.h"
#include "platform/base/Number2String.h"
#include "sessionstats/ui/IOverallWindowStyle.h"
#include "sessionstats/ui/OverallWindowItemBase.h"

#include <QLinearGradient>
#include <QPainter>

namespace
{
// A segment lower than this gets one gradient instead of two halves.
constexpr int kSplitGradientHeight = 10;
constexpr int kMarkerSize = 5;
// The text starts after the marker and a gap.
constexpr int kTextOffset = 7;
constexpr int kLightWeight = 53;

QRect FromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QColor Color(quint32 value)
{
    return ColorRef(value).ToQColor(Qt::black);
}

void FillGradientV(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}
}

void OverallWindowPainter::Draw(const IOverallWindowStyle* style, QPainter& painter, const QRect& rect,
                                const std::vector<OverallWindowItemBase*>& items) const
{
    if (!style)
        return;
    painter.fillRect(rect, Color(style->GetBkColor()));
    for (int index = 0; index < static_cast<int>(items.size()); ++index)
        DrawItem(*style, painter, ItemRect(rect, index), *items[index]);
}

QRect OverallWindowPainter::ItemRect(const QRect& rect, int index) const
{
    const int width = rect.width() / 3;
    const int left = rect.left() + index * width;
    const int bottom = rect.top() + rect.height();
    return FromEdges(left, bottom - itemHeight, left + width, bottom);
}

void OverallWindowPainter::SetRowHeights(int lineHeight)
{
    valueRowHeight = lineHeight;
    titleHeight = lineHeight;
    itemHeight = barStripHeight + 2 * (margin + lineHeight);
}

OverallWindowPainter::Segments OverallWindowPainter::SegmentLengths(double rising, double unchanged, double total,
                                                                    int width)
{
    Segments segments;
    if (!(total > 0) || width <= 0)
        return segments;
    segments.rising = static_cast<int>(rising / total * width);
    segments.unchanged = static_cast<int>(unchanged / total * width);
    segments.falling = width - segments.rising - segments.unchanged;
    return segments;
}

QColor OverallWindowPainter::MixColor(const QColor& first, const QColor& second, int weight)
{
    const auto mix = [weight](int a, int b) { return (a * (100 - weight) + b * weight) / 100; };
    return QColor(mix(first.red(), second.red()), mix(first.green(), second.green()), mix(first.blue(), second.blue()));
}

void OverallWindowPainter::DrawItem(const IOverallWindowStyle& style, QPainter& painter, const QRect& rect,
                                    OverallWindowItemBase& item) const
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = left + rect.width();
    const int bottom = top + rect.height();

    painter.save();
    painter.setFont(style.GetFont().ToQFont());
    painter.setPen(Color(style.GetFontColor()));
    painter.drawText(FromEdges(left, top, right, top + titleHeight), Qt::AlignCenter | Qt::TextSingleLine, item.Title());
    painter.restore();

    const QRect bar = FromEdges(left + sidePadding, top + titleHeight + margin, right - sidePadding,
                                bottom - valueRowHeight - margin);
    const Segments lengths = SegmentLengths(item.Rising(), item.Unchanged(), item.Total(), bar.width());
    for (int segment = 0; segment < 3; ++segment)
        item.SetSegmentRect(segment, QRect());
    if (item.Total() > 0 && bar.width() > 0)
    {
        const QRect rising(bar.left(), bar.top(), lengths.rising, bar.height());
        const QRect unchanged(rising.left() + lengths.rising, bar.top(), lengths.unchanged, bar.height());
        const QRect falling(unchanged.left() + lengths.unchanged, bar.top(), lengths.falling, bar.height());
        item.SetSegmentRect(OverallWindowItemBase::eRising, rising);
        item.SetSegmentRect(OverallWindowItemBase::eUnchanged, unchanged);
        item.SetSegmentRect(OverallWindowItemBase::eFalling, falling);
        DrawSegment(painter, rising, Color(style.GetIncreaseColor()));
        DrawSegment(painter, unchanged, Color(style.GetNoChangeColor()));
        DrawSegment(painter, falling, Color(style.GetDecreaseColor()));
    }

    const int rowLeft = left + sidePadding;
    const int rowRight = right - sidePadding;
    const int cellWidth = (rowRight - rowLeft) / 3;
    const int rowTop = bottom - valueRowHeight;
    DrawValue(style, painter, FromEdges(rowLeft, rowTop, rowLeft + cellWidth, bottom), Color(style.GetIncreaseColor()),
              item.Rising());
    DrawValue(style, painter, FromEdges(rowLeft + cellWidth, rowTop, rowLeft + 2 * cellWidth, bottom),
              Color(style.GetNoChangeColor()), item.Unchanged());
    DrawValue(style, painter, FromEdges(rowLeft + 2 * cellWidth, rowTop, rowRight, bottom),
              Color(style.GetDecreaseColor()), item.Falling());
}

void OverallWindowPainter::DrawSegment(QPainter& painter, const QRect& rect, const QColor& color) const
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QColor light = MixColor(color, Qt::white, kLightWeight);
    if (rect.height() < kSplitGradientHeight)
    {
        FillGradientV(painter, rect, light, color);
        return;
    }
    const int middle = rect.top() + rect.height() / 2;
    FillGradientV(painter, FromEdges(rect.left(), rect.top(), rect.left() + rect.width(), middle), light, color);
    FillGradientV(painter, FromEdges(rect.left(), middle, rect.left() + rect.width(), rect.top() + rect.height()), color,
                  light);
}

void OverallWindowPainter::DrawValue(const IOverallWindowStyle& style, QPainter& painter, const QRect& cell,
                                     const QColor& color, double value) const
{
    const int left = cell.left();
    const int top = cell.top();
    const int right = left + cell.width() - valueRightPadding;
    const int bottom = top + cell.height();
    painter.fillRect(QRect(left, (top + bottom) / 2 - 2, kMarkerSize, kMarkerSize), color);
    const QFont font = style.GetFont().ToQFont();
    const int width = right - (left + kTextOffset);
    if (width <= 0)
        return;
    painter.save();
    painter.setFont(font);
    painter.setPen(Color(style.GetFontColor()));
    painter.drawText(FromEdges(left + kTextOffset, top, right, bottom), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     Number2String(QStringLiteral("%s"), font, width, value, 0, -1).Text());
    painter.restore();
}
