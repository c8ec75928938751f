#include "ribbon/galleries/ControlGalleryUndo.h"

#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"

ControlGalleryUndo::ControlGalleryUndo(std::uint32_t id)
    : GalleryControl(id)
{
}

void ControlGalleryUndo::OnSelectedItemChanged()
{
    const RibbonPopupBar* bar = GetParentBar();
    if (bar == nullptr)
        return;
    for (const auto& control : bar->GetControls())
    {
        if (control->GetType() != RibbonControlLabel || control->GetID() != GetID())
            continue;
        const StringTable& strings = StringTable::Instance();
        const bool selected = !IsSelectionHidden() && GetSelectedItem() >= 0;
        control->SetCaption(selected ? strings.Get(IDS_UNDO_ACTIONS)
                                           .replace(QStringLiteral("%i"), QString::number(GetSelectedItem() + 1))
                                     : strings.Get(IDS_CANCEL));
        return;
    }
}
