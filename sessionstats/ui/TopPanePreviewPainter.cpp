#include "sessionstats/ui/TopPanePreviewPainter.h"

#include "platform/base/ColorRef.h"
#include "sessionstats/ui/StatisticsTextStyle.h"
#include "sessionstats/ui/StyleSessionStatistics.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace
{
constexpr int kRows = 10;
constexpr int kColumns = 7;
constexpr int kRowsPerBlock = 5;
constexpr int kTextInset = 2;

const QString& SampleText(int row, int column)
{
    static const QString even[kColumns] = {QStringLiteral("KGH"), QStringLiteral("1.56"), QStringLiteral("126"),
                                           QStringLiteral("CIA"), QStringLiteral("223"),  QStringLiteral("2.3"),
                                           QStringLiteral("44")};
    static const QString odd[kColumns] = {QStringLiteral("LBW"), QStringLiteral("1.56"), QStringLiteral("126"),
                                          QStringLiteral("PKO"), QStringLiteral("223"),  QStringLiteral("2.3"),
                                          QStringLiteral("44")};
    return row % 2 == 0 ? even[column] : odd[column];
}
}

TopPanePreviewPainter::Metrics TopPanePreviewPainter::MeasureTopPane(const StyleSessionStatistics& style)
{
    Metrics metrics;
    for (int kind = 0; kind < 4; ++kind)
    {
        const QFontMetrics font(StatisticsTextStyle::Font(style.GetRelatedStyle(kind).get()));
        metrics.columnWidth = std::max(metrics.columnWidth, font.horizontalAdvance(QStringLiteral("CITYINTER")));
    }
    metrics.topRowHeight = std::max(StatisticsTextStyle::TextHeight(style.GetRelatedStyle(0).get()),
                                    StatisticsTextStyle::TextHeight(style.GetRelatedStyle(2).get()));
    metrics.bottomRowHeight = std::max(StatisticsTextStyle::TextHeight(style.GetRelatedStyle(1).get()),
                                       StatisticsTextStyle::TextHeight(style.GetRelatedStyle(3).get()));
    metrics.pane = QSize(kColumns * metrics.columnWidth, kRowsPerBlock * (metrics.topRowHeight + metrics.bottomRowHeight));
    return metrics;
}

void TopPanePreviewPainter::PaintTopPane(const StyleSessionStatistics& style, QPainter& painter)
{
    const Metrics metrics = MeasureTopPane(style);
    PaintBlock(style, painter, metrics, 0, 0, 3, 0);
    PaintBlock(style, painter, metrics, kRowsPerBlock, 0, 3, 1);
    PaintBlock(style, painter, metrics, 0, 3, 4, 2);
    PaintBlock(style, painter, metrics, kRowsPerBlock, 3, 4, 3);

    const std::optional<QPen> pen = style.GetGridLinePen().ToQPen();
    if (!pen)
        return;
    painter.save();
    painter.setPen(*pen);
    if (style.IsHorzGridLineVisible())
    {
        int y = 0;
        for (int row = 0; row < kRows; ++row)
        {
            painter.drawLine(0, y, metrics.pane.width(), y);
            y += row < kRowsPerBlock ? metrics.topRowHeight : metrics.bottomRowHeight;
        }
    }
    if (style.IsVertGridLineVisible())
    {
        for (int column = 0; column < kColumns; ++column)
            painter.drawLine(column * metrics.columnWidth, 0, column * metrics.columnWidth, metrics.pane.height());
    }
    painter.restore();
}

void TopPanePreviewPainter::PaintBlock(const StyleSessionStatistics& style, QPainter& painter, const Metrics& metrics,
                                       int firstRow, int firstColumn, int columns, int textStyle)
{
    const StyleBase* text = style.GetRelatedStyle(textStyle).get();
    const int rowHeight = firstRow == 0 ? metrics.topRowHeight : metrics.bottomRowHeight;
    const int top = firstRow == 0 ? 0 : kRowsPerBlock * metrics.topRowHeight;
    painter.save();
    painter.setFont(StatisticsTextStyle::Font(text));
    painter.setPen(StatisticsTextStyle::FontColor(text));
    for (int row = 0; row < kRowsPerBlock; ++row)
    {
        for (int column = 0; column < columns; ++column)
        {
            const QRect cell((firstColumn + column) * metrics.columnWidth, top + row * rowHeight, metrics.columnWidth,
                             rowHeight);
            painter.fillRect(cell, StatisticsTextStyle::BkColor(text));
            painter.drawText(cell.adjusted(kTextInset, 0, -kTextInset, 0),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                             SampleText(firstRow + row, firstColumn + column));
        }
    }
    painter.restore();
}
