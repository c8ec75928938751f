#pragma once
// What a grid shows its handler of itself: the columns in display order with their widths and
// ids, the rows with the data each carries, and the few operations a handler needs to scroll
// and repaint. TableCtrl implements it; a handler's tests can stand in for it. Main thread only.

#include <QtGlobal>

class QWidget;

class ITableView
{
public:
    virtual ~ITableView() = default;

    // The width in pixels of the column with that id (0 for a hidden column or an unknown id).
    virtual int GetColumnWidth(int columnId) const = 0;
    // The id of the column at a display position; -1 outside the columns.
    virtual int GetColumnId(int displayPos) const = 0;
    virtual int GetColumnCount() const = 0;
    // The value the row was added with; 0 outside the rows.
    virtual quintptr GetItemData(int row) const = 0;
    virtual int GetItemCount() const = 0;
    // Appends one row carrying the value; returns its index.
    virtual int AddItem(quintptr itemData) = 0;

    // The height a row takes when its handler has nothing to say.
    virtual int GetDefaultRowHeight() const = 0;
    // The first row shown at the top of the body (0 without rows).
    virtual int GetFirstVisibleRow() const = 0;
    virtual void SetFirstVisibleRow(int row) = 0;
    // Sum of every row's height.
    virtual int GetAllItemsHeight() const = 0;
    // Height of the part of the body where rows are shown.
    virtual int GetVisibleHeight() const = 0;
    // Asks for a repaint of the rows (the handler hears OnRedrawn first).
    virtual void Redraw() = 0;
    // The widget the rows are painted on (for the mouse cursor and drags).
    virtual QWidget* GetBodyWidget() const = 0;
};
