#pragma once
// The frames that colour cells and picture items share, in the popups and in the galleries: a
// hot item gets an orange outer frame, a selected (checked) one a red outer frame, both with a
// light inner frame; a colour cell at rest is edged in grey.

#include <QColor>
#include <QRect>

class QPainter;

namespace GalleryFrames
{
// The colour of a colour reference 0x00BBGGRR written in the source.
QColor Color(unsigned colorRef);
// A one-pixel frame along the inside of the rectangle.
void DrawFrame(QPainter& painter, const QRect& rect, const QColor& color);
// The hot or selected frame: outer frame and an inner frame one pixel in.
void DrawSelection(QPainter& painter, const QRect& rect, bool hot);
// A colour cell: the colour (none for a marker), then the selection frame, or at rest grey
// edges left and right and, where the flags say, at the top and bottom.
void DrawColorCell(QPainter& painter, const QRect& rect, int color, bool topBorder, bool bottomBorder, bool hot,
                   bool selected);
}
