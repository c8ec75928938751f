#pragma once
// The grid of an orders-sheet table: the columns of the settings' mode in display order
// (hidden ones kept with their widths), side 0's extra first row, and a vertical scroll bar that
// is always there unless the window's settings hide it. Main thread only.

#include "platform/toolkit/TableCtrl.h"

class OrdersSheetSettings;

class OrdersSheetTableCtrl : public TableCtrl
{
    Q_OBJECT

public:
    explicit OrdersSheetTableCtrl(QWidget* parent = nullptr);

    // The display positions of the mode become the columns 0..n-1; the width the visible ones take.
    int SetColumns(const OrdersSheetSettings& settings);
    // count rows of data; side 0 gets one more, first.
    void SetRows(int side, int count);
    int ScrollBarWidth() const;
};
