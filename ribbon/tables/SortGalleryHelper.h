#pragma once
// The gallery of the fields the current table can be sorted by, under "Sortuj": an item's id
// is its place in the list last read, at most twenty rows shown.

#include "platform/modules/TableFieldType.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"

#include <vector>

class TableConsumer;

class SortGalleryHelper : public IDynamicGalleryHelper
{
public:
    static constexpr int kItemWidth = 192;
    static constexpr int kItemHeight = 24;
    static constexpr int kMaxRows = 20;

    explicit SortGalleryHelper(TableConsumer* tables);

    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
    using IDynamicGalleryHelper::UpdateCheckedItem;
    void UpdateCheckedItem(DynamicGallery& gallery, CmdUI& cmdUI) override;

    const std::vector<TableFieldType>& Fields() const { return m_fields; }

private:
    TableConsumer* m_tables;
    std::vector<TableFieldType> m_fields;
};
