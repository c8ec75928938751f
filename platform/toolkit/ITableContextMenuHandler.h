#pragma once
// Whoever shows a TableCtrl's context menu: the grid hands it the right click (or the menu
// key) with the row under it.

class QPoint;
class TableCtrl;

class ITableContextMenuHandler
{
public:
    virtual ~ITableContextMenuHandler() = default;
    // row is -1 below the rows; globalPos is where the menu goes.
    virtual void OnTableContextMenu(TableCtrl& table, int row, const QPoint& globalPos) = 0;
};
