#include "platform/toolkit/GalleryItem.h"

#include "platform/toolkit/GalleryPaintManager.h"
#include "platform/ui/Images.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

GalleryItem::GalleryItem(std::uint32_t id, const QString& caption, std::uint32_t imageId)
    : m_id(id)
    , m_caption(caption)
    , m_imageId(imageId)
{
}

void GalleryItem::Draw(QPainter& painter, const GalleryControl&, const QRect& rect, const GalleryItemState& state) const
{
    if (m_label)
    {
        GalleryPaintManager::Current().DrawLabel(painter, *this, rect);
        return;
    }
    DrawHighlight(painter, rect, state);
    const QPalette palette;
    QRect textRect = rect.adjusted(4, 0, -4, 0);
    if (m_imageId != 0)
    {
        const int side = std::min(rect.height() - 4, 32);
        const QRect imageRect(rect.left() + 3, rect.top() + (rect.height() - side) / 2, side, side);
        Images::Instance().Icon(m_imageId).paint(&painter, imageRect, Qt::AlignCenter,
                                                  state.enabled ? QIcon::Normal : QIcon::Disabled);
        textRect.setLeft(imageRect.right() + 4);
    }
    painter.setPen(palette.color(state.enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, textRect.width()));
}

void GalleryItem::DrawHighlight(QPainter& painter, const QRect& rect, const GalleryItemState& state)
{
    if (!state.checked && !state.hot)
        return;
    const QPalette palette;
    QColor fill = palette.color(QPalette::Highlight);
    fill.setAlpha(state.checked ? 110 : 60);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
    painter.setPen(palette.color(QPalette::Highlight));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
}
