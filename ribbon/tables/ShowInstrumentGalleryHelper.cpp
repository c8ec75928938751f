#include "ribbon/tables/ShowInstrumentGalleryHelper.h"

#include "platform/modules/TableConsumer.h"

std::vector<TableItemInfo> ShowInstrumentGalleryHelper::HiddenItems(TableConsumer& tables) const
{
    return tables.GetHiddenInstruments();
}

void ShowInstrumentGalleryHelper::Show(TableConsumer& tables, std::uint32_t id, bool show) const
{
    tables.ShowInstrument(id, show);
}
