#include "platform/toolkit/GalleryControl.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/ui/NotifyCodes.h"

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
    m_selected = -1;
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
    m_selected = GetItem(index) ? index : -1;
}

void GalleryControl::HoverItem(int index)
{
    const GalleryItem* item = GetItem(index);
    const int hovered = item && !item->IsLabel() ? index : -1;
    if (hovered == m_selected)
        return;
    m_selected = hovered;
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
    if (item == nullptr || item->IsLabel() || !GetEnabled())
        return;
    m_selected = index;
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
