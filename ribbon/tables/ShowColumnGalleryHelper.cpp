#include "ribbon/tables/ShowColumnGalleryHelper.h"

#include "platform/modules/TableConsumer.h"

std::vector<TableItemInfo> ShowColumnGalleryHelper::HiddenItems(TableConsumer& tables) const
{
    return tables.GetHiddenColumns();
}

void ShowColumnGalleryHelper::Show(TableConsumer& tables, std::uint32_t id, bool show) const
{
    tables.ShowColumn(id, show);
}
