#pragma once
// The data of one top-ten grid (rises, falls, turnover or transactions): always ten rows, row i
// showing slot i of the kind's top ten, or the i-th slot in the order of the column the user
// sorted by. The rows keep their texts fitted to the column widths; the window refreshes them
// after each batch of statistics. Main thread only.

#include "sessionstats/engine/AssetStatisticsWrapper.h"
#include "sessionstats/ui/GridObjectBase.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class AssetStatisticsContainer;

struct HighestGridRow
{
    int index = 0;
    // The slot the row shows; null before the object is initialised.
    const AssetStatisticsWrapper* slot = nullptr;
    std::array<QString, AssetStatisticsWrapper::kColumns> texts;
};

class HighestGridObject : public GridObjectBase
{
public:
    static constexpr int kRows = 10;

    using GridObjectBase::GridObjectBase;

    // Binds the grid: ten new rows added to the view, each carrying its index. kind is 0 to 3.
    void Initialise(ITableView* view, int kind, const AssetStatisticsContainer& container);
    void Clear();
    int GetKind() const { return m_kind; }
    std::shared_ptr<StyleBase> GetTextStyle() const { return GridObjectBase::GetTextStyle(m_kind); }

    // The row of a grid row's item data; null for anything else.
    const HighestGridRow* RowOf(quintptr itemData) const;
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const HighestGridRow& Row(int index) const { return *m_rows[index]; }

    // The rows follow the slots in the order of the column (descending), or the provider's
    // order for -1.
    void SortBy(int column);
    int SortColumn() const { return m_sortColumn; }
    // The texts again from the slots, fitted to the column widths.
    void RefreshTexts();

private:
    int m_kind = -1;
    const AssetStatisticsContainer* m_container = nullptr;
    std::vector<std::shared_ptr<HighestGridRow>> m_rows;
    int m_sortColumn = -1;
};
