#include "platform/toolkit/GalleryGeometry.h"

#include "platform/toolkit/GalleryControl.h"

#include <algorithm>

QSize GalleryGeometry::ItemSize(const GalleryControl& gallery, const GalleryItem& item)
{
    const QSize own = item.GetSize();
    return own.isValid() ? own : gallery.GetItemSize();
}

std::vector<QRect> GalleryGeometry::ItemRects(const GalleryControl& gallery, const QRect& area)
{
    std::vector<QRect> rects;
    rects.reserve(static_cast<std::size_t>(gallery.GetItemCount()));
    int x = area.left();
    int y = area.top();
    int rowHeight = 0;
    const auto newRow = [&] {
        y += rowHeight;
        x = area.left();
        rowHeight = 0;
    };
    for (int index = 0; index < gallery.GetItemCount(); ++index)
    {
        const GalleryItem& item = *gallery.GetItem(index);
        const QSize size = ItemSize(gallery, item);
        if (item.IsLabel())
        {
            if (!gallery.GetShowLabels())
            {
                rects.emplace_back();
                continue;
            }
            newRow();
            rects.emplace_back(area.left(), y, area.width(), size.height());
            rowHeight = size.height();
            newRow();
            continue;
        }
        if (x > area.left() && x + size.width() > area.left() + area.width())
            newRow();
        rects.emplace_back(x, y, size.width(), size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
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
    int bottom = 0;
    for (const QRect& rect : ItemRects(gallery, area))
    {
        if (!rect.isEmpty())
            bottom = std::max(bottom, rect.bottom() + 1);
    }
    return {area.width(), bottom > 0 ? bottom : gallery.GetItemSize().height()};
}

GalleryGeometry::ScrollColumn GalleryGeometry::ScrollColumnButtons(const QRect& column)
{
    const int downTop = column.top() + kScrollUpHeight;
    const int expandTop = downTop + kScrollDownHeight;
    return {QRect(column.left(), column.top(), column.width(), kScrollUpHeight),
            QRect(column.left(), downTop, column.width(), kScrollDownHeight),
            QRect(column.left(), expandTop, column.width(), std::max(0, column.bottom() + 1 - expandTop))};
}
