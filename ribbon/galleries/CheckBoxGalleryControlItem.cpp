#include "ribbon/galleries/CheckBoxGalleryControlItem.h"

#include "ribbon/galleries/CheckBoxGalleryControl.h"

#include <QPainter>
#include <QPalette>

namespace
{
constexpr int kCaptionGap = 4;
}

CheckBoxGalleryControlItem::CheckBoxGalleryControlItem(std::uint32_t id, const QString& caption, bool checked)
    : GalleryItem(id, caption)
    , m_checked(checked)
{
}

bool CheckBoxGalleryControlItem::Toggle()
{
    m_checked = !m_checked;
    return true;
}

void CheckBoxGalleryControlItem::Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
                                      const GalleryItemState& state) const
{
    DrawHighlight(painter, rect, state);
    QRect textRect = rect;
    if (const auto* boxes = dynamic_cast<const CheckBoxGalleryControl*>(&gallery))
    {
        const QPixmap& image = m_checked ? boxes->GetCheckedImage() : boxes->GetUncheckedImage();
        if (!image.isNull())
        {
            const QSize size = image.deviceIndependentSize().toSize();
            painter.drawPixmap(QPoint(rect.left(), (rect.top() + rect.bottom()) / 2 - size.height() / 2), image);
            textRect.setLeft(rect.left() + size.width() + kCaptionGap);
        }
    }
    const QPalette palette;
    painter.save();
    painter.setClipRect(textRect, Qt::IntersectClip);
    painter.setPen(palette.color(state.enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, GetCaption());
    painter.restore();
}
