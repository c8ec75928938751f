#pragma once
// Drawing helpers the style kinds share for their preview pictures: text cells in a text-field
// style, sample grids with their lines, and the conversion of style values to Qt's pens,
// fonts and colours.

#include "styles/engine/GdiObject.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class StyleBase;

class StylePreviewPainter
{
public:
    enum class CellState
    {
        Normal,
        Rise,
        Fall,
    };

    struct Grid
    {
        std::vector<QStringList> rows;
        // The text-field style of a cell (row, column); no style: the cell is not drawn. A text
        // beginning with "+" shows the style's rise colours, one beginning with "-" its fall colours.
        std::function<const StyleBase*(int row, int column)> cellStyle;
        bool horizontalLines = true;
        bool verticalLines = true;
        GdiObject linePen;
    };

    // A colour value of a style; the special values give the fallback.
    static QColor Colour(qint32 value, const QColor& fallback = Qt::black);
    // An empty or unusable pen draws nothing.
    static QPen Pen(const GdiObject& object);
    static QFont Font(const GdiObject& object);

    // The cell filled with the style's background and its text in the style's font, colour and
    // alignment for the state.
    static void PaintCell(QPainter& painter, const QRect& cell, const StyleBase& textStyle, const QString& text,
                          CellState state);
    // Rows of equal height and columns of equal width over the area, then the grid lines.
    static void PaintGrid(QPainter& painter, const QRect& area, const Grid& grid);
};
