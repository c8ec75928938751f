#pragma once
// A task panel on screen: each group a heading, its links below it when it is open. A click
// on an entry is the panel's click (code 1); moving the focus with the keyboard is its focus
// change (code 9). Follows the panel's focus, content and expansion. Main thread only.

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

protected:
    void mousePressEvent(QMouseEvent* event) override;

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
    // A press moves the current row before the click arrives: the click alone is reported.
    bool m_pressing = false;
};
