#pragma once
// How grid handlers write a cell's text: one line, vertically centred, aligned left, right or
// centred inside the cell less a margin on both sides, ending in an ellipsis when too long.

#include <QRect>
#include <QString>
#include <Qt>

class QPainter;

namespace TableCellText
{
// Alignment as the grids' rows give it: 0 left, 1 centred, 2 right.
Qt::Alignment FromRowAlignment(int alignment);
// Draws with the painter's font and pen; returns the text as drawn (elided or whole).
QString Draw(QPainter& painter, const QRect& cell, const QString& text, Qt::Alignment alignment, int margin);
}
