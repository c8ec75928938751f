#pragma once
// A pane of an orders-sheet window that shows one side's table (the complex pane with the
// current-value row, or the second table): what its table handlers ask of it, and what the
// window's pane manager does with it. Main thread only.

#include <QPoint>

#include <memory>

class DDBaseDataObject;
class OrdersSheetSettings;
class StyleBase;
class TableDataSetOrdersSheet;
class TableHandlerCommon;

class IOrdersSheetTableContainer
{
public:
    virtual ~IOrdersSheetTableContainer() = default;

    virtual const OrdersSheetSettings& GetSettings() const = 0;
    // Null before the window gives one.
    virtual TableDataSetOrdersSheet* GetDataSet() const = 0;
    virtual void SetDataSet(TableDataSetOrdersSheet* dataSet) = 0;
    // The other side's pane: the cursor and the pointed row are one for both.
    virtual void SetPartner(IOrdersSheetTableContainer* partner) = 0;

    // The rows follow the data set's current output (drawing suspended meanwhile); the cursor
    // follows its order. A null data set raises InvalidArgException.
    virtual void ReloadRows() = 0;
    // The columns of the settings' mode in their display order; the width they need (with the
    // scroll bar when it is shown).
    virtual int SetupColumns() = 0;
    // Repaints; onlyIfRequired leaves a table whose handler has nothing new alone.
    virtual void Redraw(bool onlyIfRequired) = 0;
    // False, nothing changed, unless 0 <= row < rows and 0 <= column < columns.
    virtual bool SetCursorCell(int column, int row) = 0;
    virtual void ClearCursor() = 0;
    // The handler of the main table.
    virtual TableHandlerCommon& GetHandler() const = 0;

    // From the handlers.
    virtual void OnHover(int row, const QPoint& point) = 0;
    virtual void OnHoverEnd() = 0;
    virtual void OnTableActivated(TableHandlerCommon& handler) = 0;
    // Drags the object's alert argument out of the pane.
    virtual void StartDrag(const DDBaseDataObject& object) = 0;
    // Whether side 0's table ends in a band of the summary background above the current-value row.
    virtual bool IsBottomBandShown() const = 0;
    // The style the tables paint with while the window's style is edited; null otherwise.
    virtual std::shared_ptr<const StyleBase> GetStyleEditSource() const = 0;
};
