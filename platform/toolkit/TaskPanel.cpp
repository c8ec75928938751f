#include "platform/toolkit/TaskPanel.h"

#include "platform/toolkit/TaskPanelGroup.h"

#include <utility>

TaskPanel::TaskPanel() = default;

TaskPanel::~TaskPanel() = default;

TaskPanelGroup* TaskPanel::AddGroupEx(int id)
{
    m_groups.push_back(std::make_unique<TaskPanelGroup>(id, *this));
    OnContentChanged();
    return m_groups.back().get();
}

TaskPanelGroup* TaskPanel::GetAt(int index) const
{
    if (index < 0 || index >= GetGroupCount())
        return nullptr;
    return m_groups[static_cast<std::size_t>(index)].get();
}

int TaskPanel::IndexOf(const TaskPanelGroup* group) const
{
    for (int index = 0; index < GetGroupCount(); ++index)
        if (m_groups[static_cast<std::size_t>(index)].get() == group)
            return index;
    return -1;
}

void TaskPanel::RemoveAllGroups()
{
    if (m_groups.empty())
        return;
    std::vector<std::unique_ptr<TaskPanelGroup>> removed = std::exchange(m_groups, {});
    SetFocusedItem(nullptr);
    OnContentChanged();
}

void TaskPanel::SetFocusedItem(TaskPanelItem* item)
{
    if (m_focused == item)
        return;
    m_focused = item;
    emit FocusChanged(item);
}

TaskPanelGroup* TaskPanel::GetCurrentGroup() const
{
    return m_focused ? m_focused->GetItemGroup() : nullptr;
}

void TaskPanel::ClickItem(TaskPanelItem* item)
{
    if (!item)
        return;
    SetFocusedItem(item);
    NotifyOwner(kNotifyClick, item);
}

void TaskPanel::FocusItem(TaskPanelItem* item)
{
    if (!item || item == m_focused)
        return;
    SetFocusedItem(item);
    NotifyOwner(kNotifyFocusedItemChanged, item);
}

void TaskPanel::NotifyOwner(int code, TaskPanelItem* item)
{
    emit Notify(code, item);
}

void TaskPanel::OnItemChanged(TaskPanelItem* item)
{
    emit ItemChanged(item);
}

void TaskPanel::OnItemRemoved(const TaskPanelItem* item)
{
    if (m_focused == item)
        SetFocusedItem(nullptr);
}

void TaskPanel::OnContentChanged()
{
    emit ContentChanged();
}
