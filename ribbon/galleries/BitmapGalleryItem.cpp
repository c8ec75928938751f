#include "ribbon/galleries/BitmapGalleryItem.h"

#include "platform/base/TextHelper.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/GalleryFrames.h"

#include <QPainter>

namespace
{
constexpr int kMargin = 2;
constexpr int kCaptionPadding = 4;
constexpr unsigned kPlainFrame = 0xC0C0C0;
constexpr unsigned kCaptionBlock = 0xE0E0E0;
constexpr unsigned kCaptionText = 0x606060;
}

BitmapGalleryItem::BitmapGalleryItem(const QPixmap& image, const QString& caption, int backgroundColor,
                                     std::uint32_t id)
    : GalleryItem(id, caption)
    , m_image(image)
    , m_captionHeight(TextHelper::GetTextSize(QStringLiteral("W")).height() + kCaptionPadding)
    , m_backgroundColor(backgroundColor)
{
    if (m_image.isNull())
        return;
    const QSize imageSize = ImageSize();
    const int band = caption.isEmpty() ? 0 : m_captionHeight;
    SetSize(QSize(imageSize.width() + 2 * kMargin, imageSize.height() + 2 * kMargin + band));
}

void BitmapGalleryItem::Draw(QPainter& painter, const GalleryControl&, const QRect& rect,
                             const GalleryItemState& state) const
{
    const QSize image = ImageSize();
    if (GetCaption().isEmpty())
    {
        if (m_image.isNull())
            return;
        const QRect inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
        DrawBackground(painter, inner.topLeft());
        DrawImage(painter, inner.topLeft());
        DrawItemFrame(painter, inner, state);
        return;
    }
    // Without a picture the band takes the item's width, so the caption has room.
    const int blockWidth = m_image.isNull() ? rect.width() - 2 * kMargin : image.width();
    const int blockHeight = m_captionHeight + image.height();
    const QRect block(rect.left() + (rect.width() - blockWidth) / 2,
                      rect.top() + (rect.height() - m_captionHeight - image.height()) / 2, blockWidth, blockHeight);
    painter.fillRect(block.adjusted(0, 0, 1, 1), GalleryFrames::Color(kCaptionBlock));
    if (!m_image.isNull())
    {
        const QPoint imageTopLeft(block.left(), block.top() + m_captionHeight);
        DrawBackground(painter, imageTopLeft);
        DrawImage(painter, imageTopLeft);
    }
    DrawItemFrame(painter, block, state);
    painter.save();
    painter.setPen(GalleryFrames::Color(kCaptionText));
    const QRect band(block.left() + kMargin, block.top(), block.width() - kMargin, m_captionHeight);
    painter.drawText(band, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, GetCaption());
    painter.restore();
}

void BitmapGalleryItem::DrawImage(QPainter& painter, const QPoint& topLeft) const
{
    painter.drawPixmap(topLeft, m_image);
}

QSize BitmapGalleryItem::ImageSize() const
{
    return m_image.isNull() ? QSize(0, 0) : m_image.deviceIndependentSize().toSize();
}

void BitmapGalleryItem::DrawBackground(QPainter& painter, const QPoint& topLeft) const
{
    if (const QColor background = ColorMarkers::ToQColor(m_backgroundColor); background.isValid())
        painter.fillRect(QRect(topLeft, ImageSize()), background);
}

void BitmapGalleryItem::DrawItemFrame(QPainter& painter, const QRect& rect, const GalleryItemState& state)
{
    if (state.hot || state.checked)
        GalleryFrames::DrawSelection(painter, rect, state.hot);
    else
        GalleryFrames::DrawFrame(painter, rect, GalleryFrames::Color(kPlainFrame));
}
