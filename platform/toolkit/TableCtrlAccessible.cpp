#include "platform/toolkit/TableCtrlAccessible.h"

#include "platform/toolkit/ITableHandler.h"
#include "platform/toolkit/TableCtrl.h"
#include "platform/toolkit/TableCtrlAccessibleCell.h"

#include <QStringList>

namespace
{
QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("TableCtrl"))
    {
        if (auto* table = qobject_cast<TableCtrl*>(object))
            return new TableCtrlAccessible(table);
    }
    return nullptr;
}

quint64 CellKey(int row, int column)
{
    return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(column);
}
}

TableCtrlAccessible::TableCtrlAccessible(TableCtrl* table) : QAccessibleWidget(table, QAccessible::Table)
{
}

TableCtrlAccessible::~TableCtrlAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

void TableCtrlAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void TableCtrlAccessible::NotifyCurrentRow(TableCtrl& table, int row)
{
    if (!QAccessible::isActive() || row < 0)
        return;
    auto* accessible = dynamic_cast<TableCtrlAccessible*>(QAccessible::queryAccessibleInterface(&table));
    if (!accessible || row >= accessible->rowCount() || accessible->columnCount() == 0)
        return;
    QAccessibleEvent event(&table, QAccessible::Focus);
    event.setChild(accessible->indexOfChild(accessible->cellAt(row, 0)));
    QAccessible::updateAccessibility(&event);
}

TableCtrl& TableCtrlAccessible::Table() const
{
    return *static_cast<TableCtrl*>(widget());
}

std::vector<int> TableCtrlAccessible::VisibleColumns() const
{
    std::vector<int> columns;
    const TableCtrl& table = Table();
    for (int position = 0; position < table.GetColumnCount(); ++position)
    {
        const int id = table.GetColumnId(position);
        if (table.IsColumnVisible(id))
            columns.push_back(id);
    }
    return columns;
}

void* TableCtrlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int TableCtrlAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* TableCtrlAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int TableCtrlAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = child ? dynamic_cast<const TableCtrlAccessibleCell*>(child) : nullptr;
    if (!cell || !cell->isValid())
        return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TableCtrlAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    const quint64 key = CellKey(row, column);
    auto found = m_cells.constFind(key);
    if (found != m_cells.constEnd())
        return QAccessible::accessibleInterface(found.value());
    auto* cell = new TableCtrlAccessibleCell(&Table(), row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int TableCtrlAccessible::selectedCellCount() const
{
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> TableCtrlAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows())
    {
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cellAt(row, column));
    }
    return cells;
}

QString TableCtrlAccessible::columnDescription(int column) const
{
    const std::vector<int> columns = VisibleColumns();
    if (column < 0 || column >= static_cast<int>(columns.size()))
        return {};
    return Table().GetHeaderItemCaption(columns[column]);
}

int TableCtrlAccessible::columnCount() const
{
    return static_cast<int>(VisibleColumns().size());
}

QString TableCtrlAccessible::rowDescription(int row) const
{
    const ITableHandler* handler = Table().GetTableHandler();
    if (!handler || row < 0 || row >= rowCount())
        return {};
    QStringList texts;
    for (const int column : VisibleColumns())
        texts.append(handler->GetCellText(row, column));
    return texts.join(QLatin1Char(' ')).simplified();
}

int TableCtrlAccessible::rowCount() const
{
    return Table().GetItemCount();
}

int TableCtrlAccessible::selectedRowCount() const
{
    return static_cast<int>(selectedRows().size());
}

QList<int> TableCtrlAccessible::selectedRows() const
{
    const ITableHandler* handler = Table().GetTableHandler();
    const int row = handler ? handler->GetSelectedRow() : -1;
    if (row < 0 || row >= rowCount())
        return {};
    return {row};
}

bool TableCtrlAccessible::isRowSelected(int row) const
{
    return row >= 0 && selectedRows().contains(row);
}

bool TableCtrlAccessible::selectRow(int row)
{
    ITableHandler* handler = Table().GetTableHandler();
    if (!handler || row < 0 || row >= rowCount())
        return false;
    handler->SetSelectedRow(row, true);
    Table().EnsureRowVisible(row);
    Table().Redraw();
    return true;
}

bool TableCtrlAccessible::unselectRow(int row)
{
    ITableHandler* handler = Table().GetTableHandler();
    if (!handler || !isRowSelected(row))
        return false;
    handler->SetSelectedRow(-1, true);
    Table().Redraw();
    return true;
}
