#pragma once
// The data of the summary grid: twelve rows, the headers at 0 and 6 (see SummaryGridRows).
// Main thread only.

#include "sessionstats/ui/GridObjectBase.h"
#include "sessionstats/ui/SummaryGridRows.h"

#include <QtGlobal>

#include <array>
#include <memory>
#include <vector>

class AssetStatisticsContainer;

class SummaryGridObject : public GridObjectBase
{
public:
    static constexpr int kRows = 12;
    static constexpr int kDataRowsPerHalf = 5;

    using GridObjectBase::GridObjectBase;

    // Binds the grid to the top tens (by kind): twelve new rows added to the view, each
    // carrying its index.
    void Initialise(ITableView* view, const std::array<AssetStatisticsContainer, 4>& highest);
    void Clear();

    // The row of a grid row's item data; null for anything else.
    SummaryGridRowBase* RowOf(quintptr itemData) const;
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    SummaryGridRowBase& Row(int index) const { return *m_rows[index]; }
    // Every row's texts again from the slots.
    void Update();

private:
    std::vector<std::shared_ptr<SummaryGridRowBase>> m_rows;
};
