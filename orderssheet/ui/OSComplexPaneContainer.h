#pragma once
// The complex pane of an orders-sheet window: side 0's table (the supply) with the column
// header, and under it the one-row table of the instrument's current value, whose columns
// follow the main table's. Column operations reach both tables; rows and the cursor only the
// main one. The corner under the main table's scroll bar is painted grey. Main thread only.

#include "orderssheet/ui/OrderSheetTableContainer.h"

class TableHandlerRowCurrValue;

class OSComplexPaneContainer : public OrderSheetTableContainer
{
    Q_OBJECT

public:
    static constexpr int kInitialRowHeight = 16;

    OSComplexPaneContainer(const OrdersSheetSettings& settings, int priceLevelId, QWidget* parent = nullptr);
    ~OSComplexPaneContainer() override;

    void SetDataSet(TableDataSetOrdersSheet* dataSet) override;
    void ReloadRows() override;
    int SetupColumns() override;
    void Redraw(bool onlyIfRequired) override;
    bool IsBottomBandShown() const override;
    void SetContextMenu(ITableContextMenuHandler* menu) override;
    void ApplyColumnWidth(int column, int width) override;

    OrdersSheetTableCtrl& RowTable() const { return *m_rowTable; }
    TableHandlerRowCurrValue& RowHandler() const { return *m_rowHandler; }
    // The height of the current-value row as shown (0 when the settings hide it).
    int ShownRowHeight() const;
    // The pane's height that shows the header and the current-value row.
    int FixedHeight() const;
    // Positions of both grids in a pane of the size; the row table's rectangle is empty when hidden.
    static QRect MainTableRect(const QSize& pane, int rowHeight);
    static QRect RowTableRect(const QSize& pane, int rowHeight, int scrollBarWidth);

protected:
    void LayoutTables() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TableHandlerRowCurrValue> m_rowHandler;
    OrdersSheetTableCtrl* m_rowTable = nullptr;
    bool m_firstShowPending = true;
};
