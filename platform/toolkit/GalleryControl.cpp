#include "platform/toolkit/GalleryControl.h"

#include "platform/toolkit/GalleryGeometry.h"
#include "platform/toolkit/IRibbonBarSite.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/ui/NotifyCodes.h"

#include <algorithm>

GalleryControl::GalleryControl(std::uint32_t id)
    : RibbonControl(RibbonControlGallery, id)
{
}

GalleryControl::~GalleryControl() = default;

GalleryItem* GalleryControl::AddItem(std::unique_ptr<GalleryItem> item)
{
    if (!item)
        return nullptr;
    m_items.push_back(std::move(item));
    Changed();
    return m_items.back().get();
}

GalleryItem* GalleryControl::AddItem(std::uint32_t id, const QString& caption, std::uint32_t imageId)
{
    return AddItem(std::make_unique<GalleryItem>(id, caption, imageId));
}

void GalleryControl::RemoveAll()
{
    m_items.clear();
    Select(-1);
    m_scrollPos = 0;
    Changed();
}

GalleryItem* GalleryControl::GetItem(int index) const
{
    return index >= 0 && index < GetItemCount() ? m_items[static_cast<std::size_t>(index)].get() : nullptr;
}

void GalleryControl::SetItemSize(const QSize& size)
{
    m_itemSize = size.expandedTo(QSize(1, 1));
    Changed();
}

void GalleryControl::SetCheckedItem(std::uint32_t id)
{
    if (m_checkedItem == id)
        return;
    m_checkedItem = id;
    Changed();
}

void GalleryControl::SetSelectedItem(int index)
{
    Select(GetItem(index) ? index : -1);
}

void GalleryControl::SetShowLabels(bool show)
{
    if (m_showLabels == show)
        return;
    m_showLabels = show;
    Changed();
}

void GalleryControl::SetShowScrollBar(bool show)
{
    if (m_showScrollBar == show)
        return;
    m_showScrollBar = show;
    Changed();
}

void GalleryControl::SetRect(const QRect& rect)
{
    m_rect = rect;
    SetScrollPos(m_scrollPos);
}

int GalleryControl::GetItemsHeight() const
{
    return GalleryGeometry::ContentSize(*this, m_rect.width()).height();
}

void GalleryControl::SetScrollPos(int pos)
{
    const int hidden = std::max(0, GetItemsHeight() - m_rect.height());
    m_scrollPos = std::clamp(pos, 0, hidden);
}

bool GalleryControl::IsScrollButtonEnabled(int code) const
{
    switch (code)
    {
    case ScrollUp:
        return m_scrollPos > 0;
    case ScrollDown:
        return GetItemsHeight() - m_rect.height() > m_scrollPos;
    case ScrollExpand:
        return GetCommandBar() != nullptr;
    default:
        return false;
    }
}

void GalleryControl::OnExpandButton()
{
    if (!GetEnabled() || !IsScrollButtonEnabled(ScrollExpand) || GetCommandBar() == nullptr)
        return;
    if (IRibbonBarSite* site = GetRibbon() ? GetRibbon()->GetSite() : nullptr)
        site->TrackPopup(*this);
}

void GalleryControl::HoverItem(int index)
{
    const GalleryItem* item = GetItem(index);
    const int hovered = item && !item->IsLabel() && item->IsEnabled() ? index : -1;
    if (hovered == m_selected)
        return;
    Select(hovered);
    if (hovered >= 0)
    {
        m_previewing = true;
        Notify(NotifyCodes::GalleryPreviewChange);
    }
    else if (m_previewing)
    {
        m_previewing = false;
        Notify(NotifyCodes::GalleryPreviewCancel);
    }
}

void GalleryControl::ChooseItem(int index)
{
    const GalleryItem* item = GetItem(index);
    if (item == nullptr || item->IsLabel() || !item->IsEnabled() || !GetEnabled())
        return;
    Select(index);
    OnExecute();
}

void GalleryControl::OnCalcDynamicSize()
{
}

bool GalleryControl::OnRButtonDown(const QPoint&)
{
    return false;
}

bool GalleryControl::OnRButtonUp(const QPoint&)
{
    return false;
}

void GalleryControl::OnExecute()
{
    if (m_previewing)
    {
        m_previewing = false;
        Notify(NotifyCodes::GalleryPreviewApply);
    }
    RibbonControl::OnExecute();
}

void GalleryControl::OnSelectedItemChanged()
{
}

void GalleryControl::Select(int index)
{
    if (m_selected == index)
        return;
    m_selected = index;
    OnSelectedItemChanged();
}
