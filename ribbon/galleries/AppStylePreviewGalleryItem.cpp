#include "ribbon/galleries/AppStylePreviewGalleryItem.h"

AppStylePreviewGalleryItem::AppStylePreviewGalleryItem(const QPixmap& preview, const QString& name, std::uint32_t id)
    : BitmapGalleryItem(preview, name, kBackgroundColor, id)
{
    SetToolTip(name);
}
