#include "ribbon/galleries/GalleryFrames.h"

#include "platform/base/ColorRef.h"
#include "ribbon/galleries/ColorMarkers.h"

#include <QPainter>

namespace
{
constexpr unsigned kHotFrame = 0x3694F2;
constexpr unsigned kSelectedFrame = 0x1048EF;
constexpr unsigned kInnerFrame = 0x94E2FF;
constexpr unsigned kCellEdge = 0xC5C5C5;
}

QColor GalleryFrames::Color(unsigned colorRef)
{
    return ColorRef(colorRef).ToQColor(QColor());
}

void GalleryFrames::DrawFrame(QPainter& painter, const QRect& rect, const QColor& color)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    painter.save();
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void GalleryFrames::DrawSelection(QPainter& painter, const QRect& rect, bool hot)
{
    DrawFrame(painter, rect, Color(hot ? kHotFrame : kSelectedFrame));
    DrawFrame(painter, rect.adjusted(1, 1, -1, -1), Color(kInnerFrame));
}

void GalleryFrames::DrawColorCell(QPainter& painter, const QRect& rect, int color, bool topBorder, bool bottomBorder,
                                  bool hot, bool selected)
{
    if (const QColor fill = ColorMarkers::ToQColor(color); fill.isValid())
        painter.fillRect(rect, fill);
    if (hot || selected)
    {
        DrawSelection(painter, rect, hot);
        return;
    }
    const QColor edge = Color(kCellEdge);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), edge);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), edge);
    if (topBorder)
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), edge);
    if (bottomBorder)
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), edge);
}
