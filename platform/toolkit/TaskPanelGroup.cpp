#include "platform/toolkit/TaskPanelGroup.h"

#include "platform/toolkit/TaskPanel.h"

#include <algorithm>
#include <utility>

TaskPanelGroup::TaskPanelGroup(int id, TaskPanel& panel) : TaskPanelItem(Type::Group, id, panel, nullptr)
{
}

TaskPanelGroup::~TaskPanelGroup() = default;

TaskPanelItem* TaskPanelGroup::AddLinkItem(int id, int image)
{
    m_items.push_back(std::make_unique<TaskPanelItem>(Type::Link, id, GetTaskPanel(), this));
    TaskPanelItem* item = m_items.back().get();
    item->SetIconIndex(image);
    GetTaskPanel().OnContentChanged();
    return item;
}

TaskPanelItem* TaskPanelGroup::GetItemAt(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return nullptr;
    return m_items[static_cast<std::size_t>(index)].get();
}

TaskPanelItem* TaskPanelGroup::FindItem(int id) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [id](const std::unique_ptr<TaskPanelItem>& item) { return item->GetID() == id; });
    return found == m_items.end() ? nullptr : found->get();
}

void TaskPanelGroup::RemoveAllItems()
{
    if (m_items.empty())
        return;
    // The links live until the panel and its view have let go of them.
    std::vector<std::unique_ptr<TaskPanelItem>> removed = std::exchange(m_items, {});
    for (const auto& item : removed)
        GetTaskPanel().OnItemRemoved(item.get());
    GetTaskPanel().OnContentChanged();
}

void TaskPanelGroup::SetExpandable(bool expandable)
{
    if (m_expandable == expandable)
        return;
    m_expandable = expandable;
    NotifyChanged();
}

void TaskPanelGroup::SetExpanded(bool expanded)
{
    if (m_expanded == expanded)
        return;
    m_expanded = expanded;
    NotifyChanged();
}
