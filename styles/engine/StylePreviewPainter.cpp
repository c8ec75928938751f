#include "styles/engine/StylePreviewPainter.h"

#include "platform/base/ColorRef.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleTextField.h"

#include <QPainter>

#include <algorithm>

QColor StylePreviewPainter::Colour(qint32 value, const QColor& fallback)
{
    return ColorRef(quint32(value)).ToQColor(fallback);
}

QPen StylePreviewPainter::Pen(const GdiObject& object)
{
    if (const LogPen* pen = object.Pen())
        return pen->ToQPen().value_or(QPen(Qt::NoPen));
    return QPen(Qt::NoPen);
}

QFont StylePreviewPainter::Font(const GdiObject& object)
{
    if (const LogFont* font = object.Font())
        return font->ToQFont();
    return QFont();
}

void StylePreviewPainter::PaintCell(QPainter& painter, const QRect& cell, const StyleBase& textStyle,
                                    const QString& text, CellState state)
{
    int fontColour = StyleTextField::ParamFontColor;
    int background = StyleTextField::ParamBkColor;
    if (state == CellState::Rise)
    {
        fontColour = StyleTextField::ParamFontColorRise;
        background = StyleTextField::ParamBkColorRise;
    }
    else if (state == CellState::Fall)
    {
        fontColour = StyleTextField::ParamFontColorFall;
        background = StyleTextField::ParamBkColorFall;
    }
    painter.fillRect(cell, Colour(textStyle.GetValue(background), Qt::white));
    painter.setFont(Font(textStyle.GetGdiObject(StyleTextField::ParamFont)));
    painter.setPen(Colour(textStyle.GetValue(fontColour)));
    Qt::Alignment alignment = Qt::AlignRight;
    if (textStyle.GetValue(StyleTextField::ParamAlignment) == StyleTextField::AlignLeft)
        alignment = Qt::AlignLeft;
    else if (textStyle.GetValue(StyleTextField::ParamAlignment) == StyleTextField::AlignCenter)
        alignment = Qt::AlignHCenter;
    painter.drawText(cell.adjusted(2, 0, -2, 0), int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine, text);
}

void StylePreviewPainter::PaintGrid(QPainter& painter, const QRect& area, const Grid& grid)
{
    const int rowCount = int(grid.rows.size());
    int columnCount = 0;
    for (const QStringList& row : grid.rows)
        columnCount = std::max(columnCount, int(row.size()));
    if (rowCount == 0 || columnCount == 0)
        return;
    const auto rowTop = [&](int row) { return area.top() + area.height() * row / rowCount; };
    const auto columnLeft = [&](int column) { return area.left() + area.width() * column / columnCount; };
    for (int row = 0; row < rowCount; ++row)
    {
        for (int column = 0; column < grid.rows[row].size(); ++column)
        {
            const StyleBase* style = grid.cellStyle ? grid.cellStyle(row, column) : nullptr;
            if (!style)
                continue;
            const QRect cell(QPoint(columnLeft(column), rowTop(row)),
                             QPoint(columnLeft(column + 1) - 1, rowTop(row + 1) - 1));
            const QString& text = grid.rows[row][column];
            CellState state = CellState::Normal;
            if (text.startsWith(QLatin1Char('+')))
                state = CellState::Rise;
            else if (text.startsWith(QLatin1Char('-')))
                state = CellState::Fall;
            PaintCell(painter, cell, *style, text, state);
        }
    }
    painter.setPen(Pen(grid.linePen));
    if (grid.horizontalLines)
    {
        for (int row = 1; row < rowCount; ++row)
            painter.drawLine(area.left(), rowTop(row), area.right(), rowTop(row));
    }
    if (grid.verticalLines)
    {
        for (int column = 1; column < columnCount; ++column)
            painter.drawLine(columnLeft(column), area.top(), columnLeft(column), area.bottom());
    }
}
