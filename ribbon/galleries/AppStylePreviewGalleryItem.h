#pragma once
// One application style in the application-styles gallery: its preview picture on white, with
// its name above it. The item's id is the style's index plus 1, as id 0 marks no item.

#include "ribbon/galleries/BitmapGalleryItem.h"

class AppStylePreviewGalleryItem : public BitmapGalleryItem
{
public:
    static constexpr int kBackgroundColor = 0xFFFFFF;

    AppStylePreviewGalleryItem(const QPixmap& preview, const QString& name, std::uint32_t id);
};
