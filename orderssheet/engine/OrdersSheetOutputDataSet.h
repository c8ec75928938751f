#pragma once
// What one refresh made of one side of a sheet: both row matrices, the side's totals, its
// price levels and, on the supply side, the current-value row. While it is a data set's
// current output only the change marks of its rows change; once the next one replaced it, the
// data set makes the one after over it.

#include "orderssheet/engine/AdditonalRowData.h"
#include "orderssheet/engine/MatrixDataBufor.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/PriceLevelSet.h"

#include <memory>

struct OrdersSheetOutputDataSet
{
    explicit OrdersSheetOutputDataSet(int side)
        : priceLevels(side)
    {
        if (side == 0)
            currentValue = std::make_shared<AdditonalRowData>();
    }

    MatrixDataBufor& Matrix(int mode) { return OSSheetMode::IsOrders(mode) ? ordersMatrix : offersMatrix; }
    const MatrixDataBufor& Matrix(int mode) const
    {
        return OSSheetMode::IsOrders(mode) ? ordersMatrix : offersMatrix;
    }

    MatrixDataBufor ordersMatrix;
    MatrixDataBufor offersMatrix;
    double totalValue = 0.0;
    int orderCount = 0;
    PriceLevelSet priceLevels;
    // Null on the demand side.
    std::shared_ptr<AdditonalRowData> currentValue;
};
