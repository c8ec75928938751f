#pragma once
// How an orders-sheet window places its two tables: in rows (side 0's table above side 1's, the
// current-value row between them), in columns (side by side, each with its own header), or
// automatically: side by side while the tables' area is wide enough to show both tables' columns
// whole, in rows otherwise. The window file keeps the choice beside the pane sizes.

#include <QString>

namespace OrdersSheetPanesArrangement
{
enum Arrangement : int
{
    kColumns = 0,
    kRows = 1,
    kAutomatic = 2,
};

inline constexpr Arrangement kDefault = kRows;
inline const QString kKey = QStringLiteral("PanesArrangement");

// A stored value this program knows; anything else reads as the default.
Arrangement FromStored(int value);

// Whether the tables stand side by side in an area of areaWidth pixels, one table needing
// tableWidth pixels for its columns and splitterWidth between the two.
bool SideBySide(Arrangement arrangement, int areaWidth, int tableWidth, int splitterWidth);
}
