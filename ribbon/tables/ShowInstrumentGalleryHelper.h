#pragma once
// The gallery of the current table's hidden instruments under "Pokaż" of the instrument tab.

#include "ribbon/tables/HiddenItemsGalleryHelper.h"

class ShowInstrumentGalleryHelper : public HiddenItemsGalleryHelper
{
public:
    explicit ShowInstrumentGalleryHelper(TableConsumer* tables)
        : HiddenItemsGalleryHelper(tables)
    {
    }

protected:
    std::vector<TableItemInfo> HiddenItems(TableConsumer& tables) const override;
    void Show(TableConsumer& tables, std::uint32_t id, bool show) const override;
};
