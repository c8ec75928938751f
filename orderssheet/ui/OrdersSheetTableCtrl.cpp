#include "orderssheet/ui/OrdersSheetTableCtrl.h"

#include "orderssheet/settings/OrdersSheetSettings.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

OrdersSheetTableCtrl::OrdersSheetTableCtrl(QWidget* parent)
    : TableCtrl(parent)
{
    SetVScrollAlwaysVisible(true);
    EnableMouseMovingColumns(true);
}

int OrdersSheetTableCtrl::ScrollBarWidth() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

int OrdersSheetTableCtrl::SetColumns(const OrdersSheetSettings& settings)
{
    const auto& table = settings.GetTableSettings();
    const int mode = table.GetMode();
    const int count = OrdersSheetTableSettings::GetDisplayCount(mode);
    const bool locked = AreColumnsLocked();
    LockColumns(false);
    DeleteAllHeaderItems();
    int width = 0;
    for (int pos = 0; pos < count; ++pos)
    {
        const auto& column = table.GetColumnForDisplayPos(mode, pos);
        InsertHeaderItem(pos, OrdersSheetTableSettings::GetColumnCaption(mode, column.kind),
                         column.visible ? column.width : -column.width);
        if (column.visible)
            width += column.width;
    }
    UpdateOrderArray();
    LockColumns(locked || settings.columnsLocked);
    return width;
}

void OrdersSheetTableCtrl::SetRows(int side, int count)
{
    BeginFill();
    DeleteAllItems();
    const int rows = count + (side == 0 ? 1 : 0);
    for (int row = 0; row < rows; ++row)
        AddItem(quintptr(row));
    EndFill();
}
