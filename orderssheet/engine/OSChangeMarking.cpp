#include "orderssheet/engine/OSChangeMarking.h"

#include <vector>

namespace OSChangeMarking
{
void MarkMatrix(MatrixDataBufor& fresh, const MatrixDataBufor& previous, int mode, std::uint64_t now)
{
    // Rows keep their order from refresh to refresh, so the previous row after the last one
    // found is tried before the key index.
    const std::vector<MatrixDataBufor::RowDataBufor>& previousRows = previous.Rows();
    const bool unique = previous.HasUniqueKeyIndex();
    std::size_t next = 0;
    for (MatrixDataBufor::RowDataBufor& row : fresh.Rows())
    {
        const MatrixDataBufor::RowDataBufor* before = nullptr;
        if (unique && next < previousRows.size() && !row.rowKey.isEmpty() && previousRows[next].rowKey == row.rowKey)
            before = previous.Row(previousRows[next].rowIndex);
        else
            before = previous.Row(previous.FindRow(row.rowKey));
        if (!before)
        {
            MarkNewRow(row, mode, now);
            continue;
        }
        next = static_cast<std::size_t>(before - previousRows.data()) + 1;
        MarkRow(row, *before, mode, now);
    }
}

void MarkNewRow(MatrixDataBufor::RowDataBufor& fresh, int mode, std::uint64_t now)
{
    for (std::size_t cell = 0; cell < fresh.Cells().size(); ++cell)
    {
        int state = MatrixDataBufor::eNew;
        // A new price line counts as risen; a new order is just new.
        if (!OSSheetMode::IsOrders(mode))
            state = IsComparedCell(mode, cell) ? MatrixDataBufor::eRose : MatrixDataBufor::eUnchanged;
        fresh.Cells()[cell].state = state;
    }
    fresh.timeLastChange = now;
}

void MarkRow(MatrixDataBufor::RowDataBufor& fresh, const MatrixDataBufor::RowDataBufor& previous, int mode,
             std::uint64_t now)
{
    if (fresh.Cells().size() != previous.Cells().size())
        return;
    bool changed = false;
    for (std::size_t cell = 0; cell < fresh.Cells().size(); ++cell)
    {
        int state = MatrixDataBufor::eUnchanged;
        if (IsComparedCell(mode, cell))
        {
            const double value = fresh.Cells()[cell].value;
            const double before = previous.Cells()[cell].value;
            if (value > before)
                state = MatrixDataBufor::eRose;
            else if (value < before)
                state = MatrixDataBufor::eFell;
        }
        changed = changed || state != MatrixDataBufor::eUnchanged;
        fresh.Cells()[cell].state = state;
    }
    if (changed)
    {
        fresh.timeLastChange = now;
        return;
    }
    // Nothing changed again: the marks the table has not cleared yet stay, with their time.
    for (std::size_t cell = 0; cell < fresh.Cells().size(); ++cell)
    {
        const int before = previous.Cells()[cell].state;
        if ((before == MatrixDataBufor::eNew || IsComparedCell(mode, cell)) && before != MatrixDataBufor::eUnchanged
            && previous.timeLastChange != 0)
            fresh.Cells()[cell].state = before;
    }
    fresh.timeLastChange = previous.timeLastChange;
}

void UpdateCellChangeState(AdditonalRowData& stored, const AdditonalRowData& previous, std::uint64_t now)
{
    const bool hadValue = previous.value != MatrixDataBufor::kNoValue;
    if (hadValue && previous.value > stored.value)
    {
        stored.state = MatrixDataBufor::eFell;
        stored.timeChange = now;
    }
    else if (hadValue && previous.value < stored.value)
    {
        stored.state = MatrixDataBufor::eRose;
        stored.timeChange = now;
    }
    else if (previous.state != MatrixDataBufor::eUnchanged && previous.timeChange != 0)
    {
        stored.state = previous.state;
        stored.timeChange = previous.timeChange;
    }
    else
    {
        stored.state = MatrixDataBufor::eUnchanged;
        stored.timeChange = 0;
    }
}
}
