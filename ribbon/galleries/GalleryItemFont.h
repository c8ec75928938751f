#pragma once
// An item of the font-name list: the family's name written in that family.

#include "platform/toolkit/GalleryItem.h"

class GalleryItemFont : public GalleryItem
{
public:
    GalleryItemFont(std::uint32_t id, const QString& family);

    // One item per font family installed, in the font database's order; item i has id i + 1.
    static void FillFontsGallery(GalleryControl& gallery);

    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;
};
