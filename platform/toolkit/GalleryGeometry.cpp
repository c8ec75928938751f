#include "platform/toolkit/GalleryGeometry.h"

#include "platform/toolkit/GalleryControl.h"

#include <algorithm>

std::vector<QRect> GalleryGeometry::ItemRects(const GalleryControl& gallery, const QRect& area)
{
    const QSize cell = gallery.GetItemSize();
    const int columns = std::max(1, area.width() / cell.width());
    std::vector<QRect> rects;
    rects.reserve(static_cast<std::size_t>(gallery.GetItemCount()));
    int column = 0;
    int y = area.top();
    for (int index = 0; index < gallery.GetItemCount(); ++index)
    {
        if (gallery.GetItem(index)->IsLabel())
        {
            if (column > 0)
                y += cell.height();
            rects.emplace_back(area.left(), y, area.width(), cell.height());
            y += cell.height();
            column = 0;
            continue;
        }
        if (column == columns)
        {
            column = 0;
            y += cell.height();
        }
        rects.emplace_back(area.left() + column * cell.width(), y, cell.width(), cell.height());
        ++column;
    }
    return rects;
}

int GalleryGeometry::ItemAt(const GalleryControl& gallery, const QRect& area, const QPoint& point)
{
    const std::vector<QRect> rects = ItemRects(gallery, area);
    for (std::size_t index = 0; index < rects.size(); ++index)
    {
        if (rects[index].contains(point) && area.contains(point))
            return static_cast<int>(index);
    }
    return -1;
}

QSize GalleryGeometry::ContentSize(const GalleryControl& gallery, int width)
{
    const QRect area(0, 0, std::max(width, gallery.GetItemSize().width()), 0);
    const std::vector<QRect> rects = ItemRects(gallery, area);
    const int bottom = rects.empty() ? gallery.GetItemSize().height() : rects.back().bottom() + 1;
    return {area.width(), bottom};
}
