#pragma once
// One cell of a TableCtrl for screen readers: its text, place and selection (the whole row is
// selected when the handler's selected row is its row). Made and kept by TableCtrlAccessible.

#include <QAccessibleInterface>
#include <QPointer>

class TableCtrl;
class TableCtrlAccessible;

class TableCtrlAccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    TableCtrlAccessibleCell(TableCtrl* table, int row, int column);

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* child) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    TableCtrlAccessible* Owner() const;

    QPointer<TableCtrl> m_table;
    int m_row;
    int m_column;
};
