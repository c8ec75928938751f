#include "ribbon/tables/SortGalleryHelper.h"

#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/tables/HiddenItemsGalleryHelper.h"

#include <algorithm>

SortGalleryHelper::SortGalleryHelper(TableConsumer* tables)
    : m_tables(tables)
{
}

void SortGalleryHelper::Fill(DynamicGallery& gallery)
{
    m_fields = m_tables ? m_tables->GetSortableTableFields() : std::vector<TableFieldType>();
    gallery.RemoveAll();
    for (std::size_t index = 0; index < m_fields.size(); ++index)
        gallery.AddItem(static_cast<std::uint32_t>(index), m_fields[index].GetLabel());
    const bool scroll = m_fields.size() > static_cast<std::size_t>(kMaxRows);
    const int rows = std::min(static_cast<int>(m_fields.size()), kMaxRows);
    gallery.SetShowScrollBar(scroll);
    gallery.SetWidth(kItemWidth + (scroll ? HiddenItemsGalleryHelper::ScrollBarWidth() : 0));
    gallery.SetHeight(kItemHeight * rows);
    gallery.SetItemSize(QSize(kItemWidth, kItemHeight));
}

void SortGalleryHelper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    const std::uint32_t index = item.GetID();
    if (!m_tables || index >= m_fields.size())
        return;
    m_tables->SortBy(m_fields[index]);
}

void SortGalleryHelper::UpdateCheckedItem(DynamicGallery& gallery, CmdUI& cmdUI)
{
    const std::optional<TableFieldType> current = m_tables ? m_tables->GetSortableTableField() : std::nullopt;
    const auto found = current ? std::find(m_fields.begin(), m_fields.end(), *current) : m_fields.end();
    gallery.SetCheckedItem(found == m_fields.end() ? static_cast<std::uint32_t>(-1)
                                                   : static_cast<std::uint32_t>(found - m_fields.begin()));
    cmdUI.Enable(true);
}
