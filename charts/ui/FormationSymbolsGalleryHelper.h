#pragma once
// Fills a gallery with the chart library's symbols in one row, each item at least 32 x 32 with
// its image centred and the symbol's id as its item id. The choice reaches the application as
// the command of the gallery's id, so the helper itself does nothing on it.

#include "ribbon/galleries/BitmapGalleryItem.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"

class FormationSymbolsGalleryHelper : public IDynamicGalleryHelper
{
public:
    class SymbolItem : public BitmapGalleryItem
    {
    public:
        static constexpr int kMinimumSide = 32;

        SymbolItem(const QPixmap& image, std::uint32_t symbolId);

        void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
                  const GalleryItemState& state) const override;
        // Where the image stands in the item's rectangle: centred, in whole pixels.
        static QPoint ImageTopLeft(const QRect& rect, const QSize& image);
    };

    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery&, GalleryItem&) override {}
};
