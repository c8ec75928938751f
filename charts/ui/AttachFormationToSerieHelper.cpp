#include "charts/ui/AttachFormationToSerieHelper.h"

#include "charts/ui/SerieCbGalleryItem.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"

void AttachFormationToSerieHelper::Fill(DynamicGallery& gallery)
{
    auto& checkBoxes = static_cast<CheckBoxGalleryControl&>(gallery);
    checkBoxes.RemoveAll();
    std::vector<Entry> entries;
    if (ActiveObjectsContainer* active = Active())
    {
        std::uint32_t id = 1;
        for (const auto& [series, attached] : active->GetListSeriesIdForActiveFormation())
        {
            checkBoxes.AddItem(std::make_unique<SerieCbGalleryItem>(id++, series, attached));
            entries.push_back({series.GetDSProp().GetLabel(), series.GetAdditionalInfo(), attached});
        }
    }
    Resize(checkBoxes, entries);
}

void AttachFormationToSerieHelper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    auto* seriesItem = dynamic_cast<SerieCbGalleryItem*>(&item);
    if (ActiveObjectsContainer* active = Active(); seriesItem && active)
        active->AttachSerieToActiveFormation(seriesItem->GetSeries());
}
