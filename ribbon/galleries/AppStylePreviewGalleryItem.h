#pragma once
// One application style in the application-styles gallery: its preview picture on white, with
// its name above it. The item's id is the style's index.

#include "ribbon/galleries/BitmapGalleryItem.h"

class AppStylePreviewGalleryItem : public BitmapGalleryItem
{
public:
    static constexpr int kBackgroundColor = 0xFFFFFF;

    AppStylePreviewGalleryItem(const QPixmap& preview, const QString& name, std::uint32_t index);
};
