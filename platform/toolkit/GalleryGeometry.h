#pragma once
// Where a gallery's items sit in an area: equal cells left to right, wrapping at the area's
// width; a label item takes a whole row of its own.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class GalleryControl;

namespace GalleryGeometry
{
// The cell of every item, in item order, laid out from the area's top left corner.
std::vector<QRect> ItemRects(const GalleryControl& gallery, const QRect& area);
// The index of the item under the point; -1 when none.
int ItemAt(const GalleryControl& gallery, const QRect& area, const QPoint& point);
// The size the items need at the width.
QSize ContentSize(const GalleryControl& gallery, int width);
}
