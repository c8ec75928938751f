#pragma once
// The change marks of a refresh: each row of a new matrix is matched by key with the previous
// matrix, and its cells say whether their values rose, fell, stayed or are new; a mark lasts
// over refreshes without a new change until the table clears it. The current-value row is
// marked the same way against its previous value.

#include "orderssheet/engine/AdditonalRowData.h"
#include "orderssheet/engine/MatrixDataBufor.h"
#include "orderssheet/engine/OSSheetMode.h"

#include <cstddef>
#include <cstdint>

namespace OSChangeMarking
{
// Whether the cell's value is compared in the sheet mode.
inline bool IsComparedCell(int mode, std::size_t cell)
{
    if (OSSheetMode::IsOrders(mode))
        return cell >= 1 && cell <= 4;
    return cell == 1 || cell == 3 || cell == 4;
}
// now: the tick time of this refresh.
void MarkMatrix(MatrixDataBufor& fresh, const MatrixDataBufor& previous, int mode, std::uint64_t now);
void MarkRow(MatrixDataBufor::RowDataBufor& fresh, const MatrixDataBufor::RowDataBufor& previous, int mode,
             std::uint64_t now);
// A row the previous matrix does not have.
void MarkNewRow(MatrixDataBufor::RowDataBufor& fresh, int mode, std::uint64_t now);
void UpdateCellChangeState(AdditonalRowData& stored, const AdditonalRowData& previous, std::uint64_t now);
}
