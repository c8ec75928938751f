#include "ribbon/tables/HiddenItemsGalleryHelper.h"

#include "platform/modules/TableConsumer.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"
#include "ribbon/galleries/DynamicGallery.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

HiddenItemsGalleryHelper::HiddenItemsGalleryHelper(TableConsumer* tables)
    : m_tables(tables)
{
}

int HiddenItemsGalleryHelper::ScrollBarWidth()
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void HiddenItemsGalleryHelper::Fill(DynamicGallery& gallery)
{
    gallery.RemoveAll();
    std::vector<TableItemInfo> items = m_tables ? HiddenItems(*m_tables) : std::vector<TableItemInfo>();
    const bool scroll = items.size() > static_cast<std::size_t>(kMaxRows);
    gallery.SetShowScrollBar(scroll);
    // Plain code-unit order, no locale: "Ą" comes after "Z".
    std::sort(items.begin(), items.end(), [](const TableItemInfo& a, const TableItemInfo& b) {
        return QString::compare(a.caption, b.caption, Qt::CaseSensitive) < 0;
    });
    for (const TableItemInfo& item : items)
        gallery.AddItem(std::make_unique<CheckBoxGalleryControlItem>(item.id, item.caption, false));
    const int rows = std::min(static_cast<int>(items.size()), kMaxRows);
    gallery.SetWidth(kItemWidth + (scroll ? ScrollBarWidth() : 0));
    gallery.SetHeight(kItemHeight * rows);
    gallery.SetItemSize(QSize(kItemWidth, kItemHeight));
}

void HiddenItemsGalleryHelper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    auto* box = dynamic_cast<CheckBoxGalleryControlItem*>(&item);
    if (!m_tables || !box)
        return;
    Show(*m_tables, item.GetID(), box->IsChecked());
    m_tables->RedrawCurrentTable();
}
