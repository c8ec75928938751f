#pragma once
// An entry of a task panel: a group heading or a link inside a group. Every entry has an id
// (a group's number, a link's id within its group), a caption, an image (-1 for none) and the
// data the program that filled the panel hangs on it.

#include <QString>

#include <any>

class TaskPanel;
class TaskPanelGroup;

class TaskPanelItem
{
public:
    enum class Type
    {
        Group,
        Link
    };

    TaskPanelItem(Type type, int id, TaskPanel& panel, TaskPanelGroup* group);
    virtual ~TaskPanelItem();

    TaskPanelItem(const TaskPanelItem&) = delete;
    TaskPanelItem& operator=(const TaskPanelItem&) = delete;

    Type GetType() const { return m_type; }
    bool IsGroup() const { return m_type == Type::Group; }
    int GetID() const { return m_id; }

    const QString& GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int GetIconIndex() const { return m_iconIndex; }
    void SetIconIndex(int index);

    const std::any& GetItemData() const { return m_itemData; }
    void SetItemData(std::any data) { m_itemData = std::move(data); }

    // The group the entry lies in; a group is its own.
    TaskPanelGroup* GetItemGroup() const;
    TaskPanel& GetTaskPanel() const { return m_panel; }

protected:
    // The entry shows something else: the panel's view is told.
    void NotifyChanged();

private:
    Type m_type;
    int m_id;
    TaskPanel& m_panel;
    TaskPanelGroup* m_group;
    QString m_caption;
    int m_iconIndex = -1;
    std::any m_itemData;
};
