#include "platform/toolkit/RibbonTabControl.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonTabBase.h"

#include <algorithm>

RibbonTabControl::RibbonTabControl(RibbonBarBase& ribbon)
    : m_ribbon(ribbon)
{
}

RibbonTabControl::~RibbonTabControl() = default;

RibbonTabBase* RibbonTabControl::InsertItem(int index, const QString& caption, std::uint32_t id,
                                            std::unique_ptr<RibbonTabBase> tab)
{
    if (!tab)
        return nullptr;
    tab->SetCaption(caption);
    tab->SetID(id);
    tab->AttachRibbon(&m_ribbon);
    const int at = std::clamp(index, 0, GetItemCount());
    RibbonTabBase* inserted = m_tabs.insert(m_tabs.begin() + at, std::move(tab))->get();
    m_ribbon.NotifyChanged();
    return inserted;
}

RibbonTabBase* RibbonTabControl::GetItem(int index) const
{
    return index >= 0 && index < GetItemCount() ? m_tabs[static_cast<std::size_t>(index)].get() : nullptr;
}

int RibbonTabControl::IndexOf(const RibbonTabBase* tab) const
{
    const auto found = std::find_if(m_tabs.begin(), m_tabs.end(), [tab](const auto& item) { return item.get() == tab; });
    return found == m_tabs.end() ? -1 : static_cast<int>(found - m_tabs.begin());
}

RibbonTabBase* RibbonTabControl::FindItem(std::uint32_t id) const
{
    const auto found = std::find_if(m_tabs.begin(), m_tabs.end(), [id](const auto& item) { return item->GetID() == id; });
    return found == m_tabs.end() ? nullptr : found->get();
}

bool RibbonTabControl::SetSelectedItem(RibbonTabBase* tab)
{
    if (tab == nullptr || IndexOf(tab) < 0 || !tab->IsVisible())
        return false;
    Select(tab);
    return true;
}

void RibbonTabControl::OnItemVisibilityChanged(RibbonTabBase& tab)
{
    if (tab.IsVisible())
    {
        if (m_selected == nullptr)
            Select(&tab);
        else
            m_ribbon.NotifyChanged();
        return;
    }
    if (m_selected != &tab)
    {
        m_ribbon.NotifyChanged();
        return;
    }
    const int index = IndexOf(&tab);
    RibbonTabBase* next = nullptr;
    for (int i = index + 1; i < GetItemCount() && next == nullptr; ++i)
        next = m_tabs[static_cast<std::size_t>(i)]->IsVisible() ? m_tabs[static_cast<std::size_t>(i)].get() : nullptr;
    for (int i = index - 1; i >= 0 && next == nullptr; --i)
        next = m_tabs[static_cast<std::size_t>(i)]->IsVisible() ? m_tabs[static_cast<std::size_t>(i)].get() : nullptr;
    Select(next);
}

void RibbonTabControl::Select(RibbonTabBase* tab)
{
    if (m_selected == tab)
        return;
    RibbonTabBase* previous = m_selected;
    m_selected = tab;
    m_ribbon.OnSelectionChanged(previous);
}
