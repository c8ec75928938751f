#pragma once
// A task panel without a display: numbered groups, each a heading with links, one entry
// holding the focus. It tells its owner what the user did through Notify: code 1 when an
// entry was clicked, code 9 when the user moved the focus to another entry. What the program
// does itself (SetFocusedItem) is not notified. Tests drive it headless; TaskPanelView shows
// it. Main thread only.

#include <QObject>

#include <memory>
#include <vector>

class TaskPanelGroup;
class TaskPanelItem;

class TaskPanel : public QObject
{
    Q_OBJECT

public:
    static constexpr int kNotifyClick = 1;
    static constexpr int kNotifyFocusedItemChanged = 9;

    TaskPanel();
    ~TaskPanel() override;

    // A new group at the end with that number; the panel owns it.
    TaskPanelGroup* AddGroupEx(int id);
    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    // Null out of range.
    TaskPanelGroup* GetAt(int index) const;
    // -1 for a group of another panel.
    int IndexOf(const TaskPanelGroup* group) const;
    void RemoveAllGroups();

    TaskPanelItem* GetFocusedItem() const { return m_focused; }
    // The program moves the focus; no notification.
    void SetFocusedItem(TaskPanelItem* item);
    // The group of the focused entry; null when nothing has the focus.
    TaskPanelGroup* GetCurrentGroup() const;

    // The user clicked the entry: it takes the focus and the owner hears code 1.
    void ClickItem(TaskPanelItem* item);
    // The user moved the focus (keyboard): the owner hears code 9 when it went elsewhere.
    void FocusItem(TaskPanelItem* item);
    // Tells the owner (Notify).
    void NotifyOwner(int code, TaskPanelItem* item);

signals:
    void Notify(int code, TaskPanelItem* item);
    // Entries were added or removed.
    void ContentChanged();
    // The entry shows something else (caption, image, expansion).
    void ItemChanged(TaskPanelItem* item);
    void FocusChanged(TaskPanelItem* item);

private:
    friend class TaskPanelItem;
    friend class TaskPanelGroup;

    void OnItemChanged(TaskPanelItem* item);
    void OnItemRemoved(const TaskPanelItem* item);
    void OnContentChanged();

    std::vector<std::unique_ptr<TaskPanelGroup>> m_groups;
    TaskPanelItem* m_focused = nullptr;
};
