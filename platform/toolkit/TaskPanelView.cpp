#include "platform/toolkit/TaskPanelView.h"

#include "platform/toolkit/TaskPanel.h"
#include "platform/toolkit/TaskPanelGroup.h"
#include "platform/toolkit/TaskPanelItem.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace
{
constexpr int kItemRole = Qt::UserRole + 1;
}

TaskPanelView::TaskPanelView(TaskPanel& panel, QWidget* parent) : QTreeWidget(parent), m_panel(panel)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setRootIsDecorated(false);
    setIndentation(14);
    setExpandsOnDoubleClick(false);
    header()->setStretchLastSection(true);

    connect(&panel, &TaskPanel::ContentChanged, this, &TaskPanelView::Rebuild);
    connect(&panel, &TaskPanel::ItemChanged, this, &TaskPanelView::OnItemChanged);
    connect(&panel, &TaskPanel::FocusChanged, this, &TaskPanelView::OnFocusChanged);
    connect(this, &QTreeWidget::currentItemChanged, this, &TaskPanelView::OnCurrentRowChanged);
    connect(this, &QTreeWidget::itemClicked, this, &TaskPanelView::OnRowClicked);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* row) { OnRowExpansion(row, true); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* row) { OnRowExpansion(row, false); });
    Rebuild();
}

TaskPanelView::~TaskPanelView() = default;

QTreeWidgetItem* TaskPanelView::RowOf(const TaskPanelItem* item) const
{
    return m_rows.value(item, nullptr);
}

TaskPanelItem* TaskPanelView::ItemOf(const QTreeWidgetItem* row)
{
    return row ? reinterpret_cast<TaskPanelItem*>(row->data(0, kItemRole).value<quintptr>()) : nullptr;
}

void TaskPanelView::Rebuild()
{
    const QSignalBlocker blocker(this);
    clear();
    m_rows.clear();
    for (int index = 0; index < m_panel.GetGroupCount(); ++index)
    {
        TaskPanelGroup& group = *m_panel.GetAt(index);
        auto* groupRow = new QTreeWidgetItem(this);
        m_rows.insert(&group, groupRow);
        for (int link = 0; link < group.GetItemCount(); ++link)
        {
            auto* linkRow = new QTreeWidgetItem(groupRow);
            m_rows.insert(group.GetItemAt(link), linkRow);
            UpdateRow(*linkRow, *group.GetItemAt(link));
        }
        UpdateRow(*groupRow, group);
    }
    if (QTreeWidgetItem* focused = RowOf(m_panel.GetFocusedItem()))
        setCurrentItem(focused);
}

void TaskPanelView::UpdateRow(QTreeWidgetItem& row, const TaskPanelItem& item)
{
    const QSignalBlocker blocker(this);
    row.setData(0, kItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
    row.setText(0, item.GetCaption());
    row.setToolTip(0, item.GetCaption());
    if (item.IsGroup())
    {
        const auto& group = static_cast<const TaskPanelGroup&>(item);
        QFont bold = font();
        bold.setBold(true);
        row.setFont(0, bold);
        row.setBackground(0, palette().brush(QPalette::Button));
        row.setForeground(0, palette().brush(QPalette::ButtonText));
        row.setSizeHint(0, QSize(0, fontMetrics().height() + 10));
        row.setChildIndicatorPolicy(group.IsExpandable() ? QTreeWidgetItem::ShowIndicator
                                                         : QTreeWidgetItem::DontShowIndicator);
        row.setExpanded(group.IsExpandable() && group.IsExpanded());
    }
    else
    {
        row.setForeground(0, palette().brush(QPalette::Link));
        row.setSizeHint(0, QSize(0, fontMetrics().height() + 6));
    }
}

void TaskPanelView::OnItemChanged(TaskPanelItem* item)
{
    if (QTreeWidgetItem* row = RowOf(item))
        UpdateRow(*row, *item);
}

void TaskPanelView::OnFocusChanged(TaskPanelItem* item)
{
    const QSignalBlocker blocker(this);
    QTreeWidgetItem* row = RowOf(item);
    setCurrentItem(row);
    if (!row)
        clearSelection();
}

void TaskPanelView::OnCurrentRowChanged(QTreeWidgetItem* row)
{
    if (TaskPanelItem* item = ItemOf(row))
        m_panel.FocusItem(item);
}

void TaskPanelView::OnRowClicked(QTreeWidgetItem* row)
{
    m_panel.ClickItem(ItemOf(row));
}

void TaskPanelView::OnRowExpansion(QTreeWidgetItem* row, bool expanded)
{
    TaskPanelItem* item = ItemOf(row);
    if (!item || !item->IsGroup())
        return;
    auto* group = static_cast<TaskPanelGroup*>(item);
    if (!group->IsExpandable())
    {
        // A group that cannot open stays closed.
        const QSignalBlocker blocker(this);
        row->setExpanded(false);
        return;
    }
    group->SetExpanded(expanded);
}
