#include "ribbon/galleries/MainStylesGalleryCtrl.h"

#include "ribbon/galleries/AppStylePreviewGalleryItem.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include <algorithm>

namespace
{
MainStylesGalleryCtrl::StylesSource& Source()
{
    static MainStylesGalleryCtrl::StylesSource source;
    return source;
}
}

void MainStylesGalleryCtrl::SetStylesSource(StylesSource source)
{
    Source() = std::move(source);
}

MainStylesGalleryCtrl::MainStylesGalleryCtrl(std::uint32_t id)
    : ControlGalleryEx(id)
{
    SetShowLabels(false);
}

void MainStylesGalleryCtrl::Fill()
{
    const std::vector<StylePreview> styles = Source() ? Source()() : std::vector<StylePreview>();
    RemoveAll();
    QSize itemSize(1, 1);
    for (std::size_t index = 0; index < styles.size(); ++index)
    {
        const GalleryItem* item = AddItem(std::make_unique<AppStylePreviewGalleryItem>(
            QPixmap::fromImage(styles[index].preview), styles[index].name, static_cast<std::uint32_t>(index) + 1));
        itemSize = itemSize.expandedTo(item->GetSize());
    }
    SetItemSize(itemSize);
    const int count = static_cast<int>(styles.size());
    const int columns = std::clamp(count, 1, kMaxColumns);
    const int rows = (count + columns - 1) / columns;
    int width = columns * itemSize.width();
    // Rows beyond those shown scroll.
    if (rows > kMaxRows)
        width += QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    SetWidth(width);
    SetHeight(std::clamp(rows, 1, kMaxRows) * itemSize.height());
}

void MainStylesGalleryCtrl::OnCalcDynamicSize()
{
    Fill();
    ControlGalleryEx::OnCalcDynamicSize();
}
