#include "ribbon/galleries/CheckBoxGalleryControl.h"

#include "platform/ui/Images.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"

namespace
{
QPixmap LoadImage(std::uint32_t id)
{
    const int size = CheckBoxGalleryControl::kImageSize;
    return Images::Instance().Icon(id).pixmap(size, size);
}
}

CheckBoxGalleryControl::CheckBoxGalleryControl(std::shared_ptr<IDynamicGalleryHelper> helper,
                                               std::uint32_t uncheckedImageId, std::uint32_t checkedImageId,
                                               std::uint32_t id)
    : DynamicGallery(std::move(helper), id)
    , m_uncheckedImage(LoadImage(uncheckedImageId))
    , m_checkedImage(LoadImage(checkedImageId))
{
}

std::vector<CheckBoxGalleryControlItem*> CheckBoxGalleryControl::GetCheckedItems() const
{
    std::vector<CheckBoxGalleryControlItem*> checked;
    for (int index = 0; index < GetItemCount(); ++index)
    {
        auto* item = dynamic_cast<CheckBoxGalleryControlItem*>(GetItem(index));
        if (item && item->IsChecked())
            checked.push_back(item);
    }
    return checked;
}

void CheckBoxGalleryControl::OnExecute()
{
    auto* item = dynamic_cast<CheckBoxGalleryControlItem*>(GetItem(GetSelectedItem()));
    if (item == nullptr)
        return;
    item->Toggle();
    IDynamicGalleryHelper* helper = GetHelper();
    if (helper)
        helper->OnItemExecute(*this, *item);
    // Only the plain control's execution closes the popup.
    if (helper && helper->IsClosingOnClick())
        RibbonControl::OnExecute();
}
