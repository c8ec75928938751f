#pragma once
// Turns the orders of one side of a sheet into the display rows of one sheet mode: one row per
// order (orders mode, 10 cells) or one line per price (offers mode, 8 cells). Both run from the
// worst price to the best, with the orders without a limit price last, and number the rows so
// that the last one is 1; the sums accumulate from the last row upwards. One generator is made
// per matrix and refresh; the orders-mode one also counts the side's totals and price levels,
// and both fill the current-value row of the supply side.
//
// Matrix cells (orders mode / offers mode):
//   0 number / line number          1 order price / number of orders   2 sheet price / price
//   3 volume / volume                4 value / value                    5 date / volume sum
//   6 time / value sum               7 volume sum / average price       8 value sum   9 average price

#include "orderssheet/engine/AdditonalRowData.h"
#include "orderssheet/engine/ItemBasicData.h"
#include "orderssheet/engine/MatrixDataBufor.h"
#include "orderssheet/engine/OSAdditionalData.h"
#include "orderssheet/engine/PriceLevelSet.h"

#include <QTimeZone>

#include <memory>
#include <vector>

class OSDataGenerator
{
public:
    // records: the side's orders, which the offers mode reverses in place; target: the matrix
    // made anew, over the memory of the rows it holds; timeZone: the zone of the date and time
    // texts, the system's when invalid.
    OSDataGenerator(int mode, int side, std::vector<ItemBasicData>& records, const OSAdditionalData& additional,
                    MatrixDataBufor& target, const QTimeZone& timeZone = QTimeZone());

    // The order of both modes: worst price first, orders without a limit price last, the
    // orders of one price by descending key, so the last record has the highest priority;
    // orders alike in all three keep their order.
    static void SortRecords(std::vector<ItemBasicData>& records, int side);

    // The mode's generation: orders mode for mode 1, offers mode for any other.
    void Generate();
    void GenerateForOrdersMode();
    void GenerateForOffersMode();
    // Resets and computes the levels over the sorted records, then the side's totals.
    void ComputeSummary(PriceLevelSet& levels);
    void ComputeCurrentValue();

    double GetTotalValue() const { return m_totalValue; }
    int GetOrderCount() const { return m_orderCount; }
    // Null on the demand side.
    const std::shared_ptr<AdditonalRowData>& GetCurrentValueRecord() const { return m_currentValue; }

private:
    int m_side;
    int m_mode;
    std::vector<ItemBasicData>& m_records;
    OSAdditionalData m_additional;
    MatrixDataBufor& m_target;
    double m_totalValue = 0.0;
    int m_orderCount = 0;
    std::shared_ptr<AdditonalRowData> m_currentValue;
    QTimeZone m_timeZone;
};
