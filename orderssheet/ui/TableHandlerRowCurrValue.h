#pragma once
// The handler of the one-row table under side 0's orders that shows the instrument's current
// value in the price column, in the current-value row style (or the column's own style), never
// highlighted. Main thread only.

#include "orderssheet/ui/TableHandlerCommon.h"

class TableHandlerRowCurrValue : public TableHandlerCommon
{
public:
    using TableHandlerCommon::TableHandlerCommon;

    int MapRowToData(int) const override { return -1; }
    void DrawCell(QPainter& painter, int row, const QRect& rect) override;
    void OnAfterPaint(QPainter&, const QRect&) override {}
};
