#pragma once
// A gallery item made of a picture and an optional caption band above it: the base of the
// style-preview, application-style and formation-symbol items. Its size follows the picture
// (plus the band). A hot item is framed orange, a checked one red, any other grey.

#include "platform/toolkit/GalleryItem.h"

#include <QPixmap>

class BitmapGalleryItem : public GalleryItem
{
public:
    // backgroundColor: a colour reference painted behind the picture, or -1 for none.
    BitmapGalleryItem(const QPixmap& image, const QString& caption, int backgroundColor = -1, std::uint32_t id = 0);

    const QPixmap& GetImage() const { return m_image; }
    // The height of the caption band: the height of "W" plus 4.
    int GetCaptionHeight() const { return m_captionHeight; }
    int GetBackgroundColor() const { return m_backgroundColor; }

    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;

protected:
    // The picture, unscaled, at the point.
    virtual void DrawImage(QPainter& painter, const QPoint& topLeft) const;

private:
    QSize ImageSize() const;
    void DrawBackground(QPainter& painter, const QPoint& topLeft) const;
    static void DrawItemFrame(QPainter& painter, const QRect& rect, const GalleryItemState& state);

    QPixmap m_image;
    int m_captionHeight;
    int m_backgroundColor;
};
