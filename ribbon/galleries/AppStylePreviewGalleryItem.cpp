#include "ribbon/galleries/AppStylePreviewGalleryItem.h"

AppStylePreviewGalleryItem::AppStylePreviewGalleryItem(const QPixmap& preview, const QString& name, std::uint32_t index)
    : BitmapGalleryItem(preview, name, kBackgroundColor, index)
{
    SetToolTip(name);
}
