#include "charts/ui/FormationSymbolsGalleryHelper.h"

#include "modulelibs/chart/FormationSymbolsContainer.h"
#include "ribbon/galleries/DynamicGallery.h"

#include <QPainter>

#include <algorithm>

FormationSymbolsGalleryHelper::SymbolItem::SymbolItem(const QPixmap& image, std::uint32_t symbolId)
    : BitmapGalleryItem(image, QString(), -1, symbolId)
{
    const QSize size = GetSize();
    SetSize(QSize(std::max(size.width(), kMinimumSide), std::max(size.height(), kMinimumSide)));
}

QPoint FormationSymbolsGalleryHelper::SymbolItem::ImageTopLeft(const QRect& rect, const QSize& image)
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    return {(left + right) / 2 - image.width() / 2, (top + bottom) / 2 - image.height() / 2};
}

void FormationSymbolsGalleryHelper::SymbolItem::Draw(QPainter& painter, const GalleryControl&, const QRect& rect,
                                                     const GalleryItemState& state) const
{
    if (state.hot || state.checked)
    {
        painter.setPen(state.checked ? QColor(0xD0, 0x30, 0x30) : QColor(0xF0, 0x90, 0x20));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    const QPixmap& image = GetImage();
    painter.drawPixmap(ImageTopLeft(rect, image.deviceIndependentSize().toSize()), image);
}

void FormationSymbolsGalleryHelper::Fill(DynamicGallery& gallery)
{
    gallery.RemoveAll();
    QSize size(0, 0);
    for (const auto& [id, image] : GetFormationSymbolsContainerInstance().Symbols())
    {
        if (image.isNull())
            continue;
        GalleryItem* item = gallery.AddItem(std::make_unique<SymbolItem>(QPixmap::fromImage(image), static_cast<std::uint32_t>(id)));
        size.setWidth(size.width() + item->GetSize().width());
        size.setHeight(std::max(size.height(), item->GetSize().height()));
    }
    // All symbols in one row: the gallery is as wide as its items and as high as the tallest.
    gallery.SetWidth(size.width());
    gallery.SetHeight(size.height());
    gallery.SetShowScrollBar(false);
}
