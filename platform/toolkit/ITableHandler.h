#pragma once
// The handler of a TableCtrl: the grid draws nothing and decides nothing about its rows by
// itself; it asks its handler to paint each row in view, to size rows and columns, and hands it
// keys, clicks, hovering and drags. The slots come in the order the grids of the alerts, the
// orders sheet and the session statistics know them; a slot that is not pure has the behaviour
// those handlers rely on when they leave it alone. Main thread only.

#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

#include <utility>

class ITableView;
class QPainter;
class QWidget;

class ITableHandler
{
public:
    virtual ~ITableHandler() = default;

    // The grid is shown with its rows for the first time (a handler may scroll it).
    virtual void OnFirstShow() {}
    // After the rows in view were painted; area is the painted part of the body.
    virtual void OnAfterPaint(QPainter& painter, const QRect& area) {}
    // Paints one whole row into rect (the row's full width, scrolled with the body).
    virtual void DrawCell(QPainter& painter, int row, const QRect& rect) = 0;
    virtual void SetTable(ITableView* table) = 0;
    // A key; flags are the keyboard modifiers. Returns the row the key selected.
    virtual int OnKeyDownEx(int key, Qt::KeyboardModifiers flags) { return OnKeyDown(key); }
    // key is a virtual-key code (37 left, 38 up, 39 right, 40 down, 46 delete, ...).
    virtual int OnKeyDown(int key) = 0;
    // A left click on a row (-1 below the rows); point in body coordinates of the whole,
    // unscrolled row area, so that summing column widths from 0 finds the column.
    virtual void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) = 0;
    virtual int GetSelectedRow() const = 0;
    virtual int GetActiveRow() const { return GetSelectedRow(); }
    // The mouse left the rows.
    virtual void OnMouseLeaveRows() {}
    // The mouse is over a row (point as in OnRowClick).
    virtual void OnMouseOverRow(int row, const QPoint& point) {}
    // The grid is about to repaint on request (Redraw).
    virtual void OnRedrawn() = 0;
    virtual void SetActive(bool active) = 0;
    virtual bool IsActive() const { return false; }
    virtual int GetRowHeight(int row) = 0;
    virtual void SetSelectedRow(int row, bool notify) = 0;
    virtual void SetTopAndSelectedRow(int first, int row) {}
    virtual std::pair<int, int> GetTopAndSelectedRow() const { return {0, 0}; }
    virtual bool IsRedrawRequired() const = 0;
    virtual void RequestRedraw() = 0;
    // Column widths or the body size changed: texts fitted to widths are out of date.
    virtual void OnViewChanged() {}
    // The width that fits the column's texts; the grid gives it on a double click on the
    // column's divider. 0 or less leaves the width as it is.
    virtual int CalcColumnWidth(int columnId) = 0;
    virtual void OnRowDoubleClick(int row, const QPoint& point) {}
    // The mouse is over the body: the handler sets the body's cursor.
    virtual void OnSetCursor(QWidget& body) {}
    // The user started dragging from the rows (the handler starts the drag, or does nothing).
    virtual void OnBeginDrag() {}
    // The text a cell shows, for screen readers; empty by default.
    virtual QString GetCellText(int row, int columnId) const { return {}; }
};
