#pragma once
// Where a gallery's items sit in an area: left to right, each in its own size or the gallery's
// item size, wrapping at the area's width; a label item takes a whole row of its own (none
// when the gallery hides its labels). A gallery whose items do not fit its height shows a
// scroll column at its right edge: up, down and expand buttons.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class GalleryControl;
class GalleryItem;

namespace GalleryGeometry
{
inline constexpr int kScrollColumnWidth = 15;
inline constexpr int kScrollUpHeight = 21;
inline constexpr int kScrollDownHeight = 19;

struct ScrollColumn
{
    QRect up;
    QRect down;
    QRect expand;
};

// The size an item takes in the gallery.
QSize ItemSize(const GalleryControl& gallery, const GalleryItem& item);
// The cell of every item, in item order, laid out from the area's top left corner; a hidden
// label has an empty cell.
std::vector<QRect> ItemRects(const GalleryControl& gallery, const QRect& area);
// The index of the item under the point; -1 when none.
int ItemAt(const GalleryControl& gallery, const QRect& area, const QPoint& point);
// The size the items need at the width.
QSize ContentSize(const GalleryControl& gallery, int width);
// The three buttons of a scroll column, top to bottom.
ScrollColumn ScrollColumnButtons(const QRect& column);
}
