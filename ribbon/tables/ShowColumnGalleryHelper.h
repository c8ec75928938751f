#pragma once
// The gallery of the current table's hidden columns under "Pokaż" of the column tab.

#include "ribbon/tables/HiddenItemsGalleryHelper.h"

class ShowColumnGalleryHelper : public HiddenItemsGalleryHelper
{
public:
    explicit ShowColumnGalleryHelper(TableConsumer* tables)
        : HiddenItemsGalleryHelper(tables)
    {
    }

protected:
    std::vector<TableItemInfo> HiddenItems(TableConsumer& tables) const override;
    void Show(TableConsumer& tables, std::uint32_t id, bool show) const override;
};
