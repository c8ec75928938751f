#pragma once
// What screen readers learn of a TableCtrl: a table whose rows are the grid's rows and whose
// columns are its visible columns in display order, with the header captions as column
// descriptions, each cell's text from the handler (GetCellText) and the handler's selected row
// as the selection. Installed once as an accessibility factory for every TableCtrl.

#include <QAccessibleWidget>
#include <QHash>

#include <vector>

class TableCtrl;

class TableCtrlAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TableCtrlAccessible(TableCtrl* table);
    ~TableCtrlAccessible() override;

    // Registers the factory (once per process).
    static void Install();
    // Tells an assistive tool, when one listens, that the row became the current one.
    static void NotifyCurrentRow(TableCtrl& table, int row);

    TableCtrl& Table() const;
    // The visible columns' ids in display order.
    std::vector<int> VisibleColumns() const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    int columnCount() const override;
    QString rowDescription(int row) const override;
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override {}

private:
    mutable QHash<quint64, QAccessible::Id> m_cells;
};
