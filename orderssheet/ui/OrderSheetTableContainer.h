#pragma once
// The pane of side 1's table (the demand) in an orders-sheet window: its grid without a header,
// whose columns follow the complex pane's, and its handler. The base of the complex pane, which
// adds the current-value row. The user's column moves and sizes go out as signals to the
// window's pane manager, which changes the settings. Main thread only.

#include "orderssheet/ui/IOrdersSheetTableContainer.h"

#include <QWidget>

#include <functional>
#include <memory>

class ITableContextMenuHandler;
class OrdersSheetTableCtrl;

class OrderSheetTableContainer : public QWidget, public IOrdersSheetTableContainer
{
    Q_OBJECT

public:
    OrderSheetTableContainer(const OrdersSheetSettings& settings, int priceLevelId, QWidget* parent = nullptr);
    ~OrderSheetTableContainer() override;

    // IOrdersSheetTableContainer
    const OrdersSheetSettings& GetSettings() const override { return m_settings; }
    TableDataSetOrdersSheet* GetDataSet() const override { return m_dataSet; }
    void SetDataSet(TableDataSetOrdersSheet* dataSet) override;
    void SetPartner(IOrdersSheetTableContainer* partner) override { m_partner = partner; }
    void ReloadRows() override;
    int SetupColumns() override;
    void Redraw(bool onlyIfRequired) override;
    bool SetCursorCell(int column, int row) override;
    void ClearCursor() override;
    TableHandlerCommon& GetHandler() const override { return *m_handler; }
    void OnHover(int row, const QPoint& point) override;
    void OnHoverEnd() override {}
    void OnTableActivated(TableHandlerCommon& handler) override;
    void StartDrag(const DDBaseDataObject& object) override;
    bool IsBottomBandShown() const override { return false; }
    std::shared_ptr<const StyleBase> GetStyleEditSource() const override;

    OrdersSheetTableCtrl& Table() const { return *m_table; }
    // The default starter brings the main window up and runs a QDrag; tests give their own.
    using ArgumentDragStarter = std::function<void(QWidget& source, const DDBaseDataObject& object)>;
    void SetArgumentDragStarter(ArgumentDragStarter starter) { m_dragStarter = std::move(starter); }
    virtual void SetContextMenu(ITableContextMenuHandler* menu);
    virtual void ShowScrollbar(bool show);
    // A column's width as the user set it, on every grid of the pane.
    virtual void ApplyColumnWidth(int column, int width);

signals:
    void ColumnMovedByUser(int fromDisplayPos, int toDisplayPos);
    void ColumnResizedByUser(int displayPos, int width);

protected:
    OrderSheetTableContainer(const OrdersSheetSettings& settings, std::unique_ptr<TableHandlerCommon> handler,
                             QWidget* parent);
    void resizeEvent(QResizeEvent* event) override;
    // Places the grids in the pane.
    virtual void LayoutTables();
    void RequireDataSet(const char* where) const;

    const OrdersSheetSettings& m_settings;
    std::unique_ptr<TableHandlerCommon> m_handler;
    OrdersSheetTableCtrl* m_table = nullptr;
    TableDataSetOrdersSheet* m_dataSet = nullptr;
    IOrdersSheetTableContainer* m_partner = nullptr;
    ArgumentDragStarter m_dragStarter;
};
