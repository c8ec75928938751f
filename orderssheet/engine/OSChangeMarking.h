#pragma once
// The change marks of a refresh: each row of a new matrix is matched by key with the previous
// matrix, and its cells say whether their values rose, fell, stayed or are new; a mark lasts
// over refreshes without a new change until the table clears it. The current-value row is
// marked the same way against its previous value.

#include "orderssheet/engine/AdditonalRowData.h"
#include "orderssheet/engine/MatrixDataBufor.h"

#include <cstdint>

namespace OSChangeMarking
{
// Whether the cell's value is compared in the sheet mode.
bool IsComparedCell(int mode, std::size_t cell);
// now: the tick time of this refresh.
void MarkMatrix(MatrixDataBufor& fresh, const MatrixDataBufor& previous, int mode, std::uint64_t now);
void MarkRow(MatrixDataBufor::RowDataBufor& fresh, const MatrixDataBufor::RowDataBufor& previous, int mode,
             std::uint64_t now);
void UpdateCellChangeState(AdditonalRowData& stored, const AdditonalRowData& previous, std::uint64_t now);
}
