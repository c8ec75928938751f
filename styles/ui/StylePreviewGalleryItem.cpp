#include "styles/ui/StylePreviewGalleryItem.h"

#include "styles/engine/StyleBase.h"

#include <QFontMetrics>
#include <QPainter>

namespace
{
constexpr int kMargin = 3;
}

StylePreviewGalleryItem::StylePreviewGalleryItem(std::shared_ptr<StyleBase> style)
    : GalleryItem(static_cast<std::uint32_t>(StyleBase::SafeGetId(style)), style ? style->GetName() : QString())
    , m_style(std::move(style))
{
    if (m_style)
        SetToolTip(m_style->GetName());
}

void StylePreviewGalleryItem::Draw(QPainter& painter, const GalleryControl&, const QRect& rect,
                                   const GalleryItemState& state) const
{
    DrawHighlight(painter, rect, state);
    const QRect inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int captionHeight = QFontMetrics(painter.font()).height();
    const QRect pictureArea = inner.adjusted(0, 0, 0, -captionHeight);
    if (m_style && pictureArea.isValid())
    {
        const QImage& preview = m_style->Preview();
        const QSize size = preview.size().scaled(pictureArea.size(), Qt::KeepAspectRatio);
        const QRect picture(pictureArea.x() + (pictureArea.width() - size.width()) / 2, pictureArea.y(), size.width(),
                            size.height());
        painter.drawImage(picture, preview);
    }
    painter.setPen(state.enabled ? Qt::black : Qt::gray);
    painter.drawText(QRect(inner.x(), inner.bottom() - captionHeight + 1, inner.width(), captionHeight),
                     Qt::AlignCenter | Qt::TextSingleLine, GetCaption());
}
