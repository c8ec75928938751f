#include "ribbon/galleries/ControlGalleryEx.h"

#include "platform/toolkit/GalleryGeometry.h"
#include "platform/ui/NotifyCodes.h"

#include <algorithm>

ControlGalleryEx::ControlGalleryEx(std::uint32_t id)
    : GalleryControl(id)
{
}

void ControlGalleryEx::SetRect(const QRect& rect)
{
    GalleryControl::SetRect(rect);
    const std::vector<QRect> rects = GalleryGeometry::ItemRects(*this, rect);
    const auto rowStarts = std::count_if(rects.begin(), rects.end(), [&rect](const QRect& item) {
        return !item.isEmpty() && item.left() == rect.left();
    });
    m_multiRow = rowStarts > 1;
}

void ControlGalleryEx::OnCalcDynamicSize()
{
    // Without an answer the checked item set by the update handlers stays.
    std::intptr_t checked = 0;
    if (Notify(NotifyCodes::CheckedItemQuery, &checked))
        SetCheckedItem(static_cast<std::uint32_t>(checked));
    GalleryControl::OnCalcDynamicSize();
}

bool ControlGalleryEx::IsScrollButtonEnabled(int code) const
{
    switch (code)
    {
    case ScrollUp:
        return GetScrollPos() >= 1;
    case ScrollDown:
        return GetItemsHeight() - GetItemsRect().height() > GetScrollPos();
    case ScrollExpand:
        return m_multiRow;
    default:
        return false;
    }
}
