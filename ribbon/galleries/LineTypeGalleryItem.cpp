#include "ribbon/galleries/LineTypeGalleryItem.h"

#include <QPainter>
#include <QPalette>

namespace
{
constexpr int kLineInset = 6;
}

LineTypeGalleryItem::LineTypeGalleryItem(int lineType)
    : GalleryItem(static_cast<std::uint32_t>(lineType), QString::number(lineType))
    , m_lineType(lineType)
{
    SetData(lineType);
}

Qt::PenStyle LineTypeGalleryItem::PenStyle(int lineType)
{
    switch (lineType)
    {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

void LineTypeGalleryItem::Draw(QPainter& painter, const GalleryControl&, const QRect& rect,
                               const GalleryItemState& state) const
{
    DrawHighlight(painter, rect, state);
    const QPalette palette;
    QPen pen(palette.color(state.enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    pen.setStyle(PenStyle(m_lineType));
    painter.setPen(pen);
    const int y = rect.center().y();
    painter.drawLine(rect.left() + kLineInset, y, rect.right() - kLineInset, y);
}
