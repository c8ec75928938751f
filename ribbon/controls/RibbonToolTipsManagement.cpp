#include "ribbon/controls/RibbonToolTipsManagement.h"

#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonControl.h"

bool RibbonToolTipsManagement::AddControlToolTipStrings(RibbonControl& control, std::uint32_t id) const
{
    const std::optional<ToolTipStrings> strings = LoadToolTipStrings(id);
    if (!strings)
        return false;
    control.SetTooltip(strings->caption);
    control.SetDescription(strings->description);
    return true;
}

bool RibbonToolTipsManagement::SetGalleryItemToolTip(GalleryItem& item, std::uint32_t id) const
{
    const std::optional<ToolTipStrings> strings = LoadToolTipStrings(id);
    if (!strings)
        return false;
    item.SetToolTip(CreateHTMLToolTipContent(strings->caption, strings->description));
    item.SetCaption(strings->caption);
    item.SetDescription(strings->description);
    return true;
}
