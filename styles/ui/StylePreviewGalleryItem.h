#pragma once
// A style in a style gallery: its preview picture above its name. The item's id is the style's
// id; the item keeps the style, so a style the container does not hold (a window's own style)
// can be shown and chosen too.

#include "platform/toolkit/GalleryItem.h"

#include <memory>

class StyleBase;

class StylePreviewGalleryItem : public GalleryItem
{
public:
    explicit StylePreviewGalleryItem(std::shared_ptr<StyleBase> style);

    const std::shared_ptr<StyleBase>& GetStyle() const { return m_style; }

    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;

private:
    std::shared_ptr<StyleBase> m_style;
};
