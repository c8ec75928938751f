#pragma once
// The fill and choice of the check-box galleries that list what a quote table hides (its
// columns or its instruments): sorted by name code unit by code unit, at most ten rows with a
// scroll bar beyond that; ticking an item shows it again and redraws the table.

#include "platform/modules/TableItemInfo.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"

#include <cstdint>
#include <vector>

class TableConsumer;

class HiddenItemsGalleryHelper : public IDynamicGalleryHelper
{
public:
    static constexpr int kItemWidth = 192;
    static constexpr int kItemHeight = 24;
    static constexpr int kMaxRows = 10;

    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;

    // The width of a vertical scroll bar, as the galleries draw it.
    static int ScrollBarWidth();

protected:
    explicit HiddenItemsGalleryHelper(TableConsumer* tables);

    virtual std::vector<TableItemInfo> HiddenItems(TableConsumer& tables) const = 0;
    virtual void Show(TableConsumer& tables, std::uint32_t id, bool show) const = 0;

private:
    TableConsumer* m_tables;
};
