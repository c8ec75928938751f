#pragma once
// A task panel on screen: each group a heading, its links below it when it is open. Moving
// the focus to another entry (mouse or keyboard) is the panel's focus change (code 9); a
// click on an entry is its click (code 1). Follows the panel's focus, content and expansion.
// Main thread only.

#include <QHash>
#include <QTreeWidget>

class TaskPanel;
class TaskPanelItem;

class TaskPanelView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TaskPanelView(TaskPanel& panel, QWidget* parent = nullptr);
    ~TaskPanelView() override;

    TaskPanel& Panel() const { return m_panel; }
    // The row of the entry; null when it is not shown.
    QTreeWidgetItem* RowOf(const TaskPanelItem* item) const;
    static TaskPanelItem* ItemOf(const QTreeWidgetItem* row);

private:
    void Rebuild();
    void UpdateRow(QTreeWidgetItem& row, const TaskPanelItem& item);
    void OnItemChanged(TaskPanelItem* item);
    void OnFocusChanged(TaskPanelItem* item);
    void OnCurrentRowChanged(QTreeWidgetItem* row);
    void OnRowClicked(QTreeWidgetItem* row);
    void OnRowExpansion(QTreeWidgetItem* row, bool expanded);

    TaskPanel& m_panel;
    QHash<const TaskPanelItem*, QTreeWidgetItem*> m_rows;
};
