#include "platform/toolkit/TableCtrlAccessibleCell.h"

#include "platform/toolkit/ITableHandler.h"
#include "platform/toolkit/TableCtrl.h"
#include "platform/toolkit/TableCtrlAccessible.h"

#include <QHeaderView>
#include <QScrollBar>

TableCtrlAccessibleCell::TableCtrlAccessibleCell(TableCtrl* table, int row, int column)
    : m_table(table), m_row(row), m_column(column)
{
}

bool TableCtrlAccessibleCell::isValid() const
{
    const TableCtrlAccessible* owner = Owner();
    return owner && m_row < owner->rowCount() && m_column < owner->columnCount();
}

QAccessibleInterface* TableCtrlAccessibleCell::parent() const
{
    return m_table ? QAccessible::queryAccessibleInterface(m_table.data()) : nullptr;
}

QString TableCtrlAccessibleCell::text(QAccessible::Text type) const
{
    if (type != QAccessible::Name || !isValid() || !m_table->GetTableHandler())
        return {};
    return m_table->GetTableHandler()->GetCellText(m_row, Owner()->VisibleColumns().at(m_column));
}

QRect TableCtrlAccessibleCell::rect() const
{
    if (!isValid())
        return {};
    const int columnId = Owner()->VisibleColumns().at(m_column);
    const QRect local(m_table->Header()->sectionViewportPosition(columnId),
                      m_table->GetRowTop(m_row) - m_table->verticalScrollBar()->value(),
                      m_table->GetColumnWidth(columnId), m_table->GetItemHeight(m_row));
    return QRect(m_table->GetBodyWidget()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State TableCtrlAccessibleCell::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.selected = isSelected();
    state.readOnly = true;
    return state;
}

void* TableCtrlAccessibleCell::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool TableCtrlAccessibleCell::isSelected() const
{
    return isValid() && m_table->GetTableHandler() && m_table->GetTableHandler()->GetSelectedRow() == m_row;
}

TableCtrlAccessible* TableCtrlAccessibleCell::Owner() const
{
    if (!m_table)
        return nullptr;
    return dynamic_cast<TableCtrlAccessible*>(QAccessible::queryAccessibleInterface(m_table.data()));
}
