#pragma once
// A group of a task panel: a heading with links below it. A group that is not expandable
// shows no links and cannot be opened; an expandable one is open or closed.

#include "platform/toolkit/TaskPanelItem.h"

#include <memory>
#include <vector>

class TaskPanelGroup : public TaskPanelItem
{
public:
    TaskPanelGroup(int id, TaskPanel& panel);
    ~TaskPanelGroup() override;

    // A new link at the end, owned by the group.
    TaskPanelItem* AddLinkItem(int id, int image = -1);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Null out of range.
    TaskPanelItem* GetItemAt(int index) const;
    // The first link of that id; null when none.
    TaskPanelItem* FindItem(int id) const;
    void RemoveAllItems();

    bool IsExpandable() const { return m_expandable; }
    void SetExpandable(bool expandable);
    bool IsExpanded() const { return m_expanded; }
    void SetExpanded(bool expanded);

private:
    std::vector<std::unique_ptr<TaskPanelItem>> m_items;
    bool m_expandable = true;
    bool m_expanded = true;
};
