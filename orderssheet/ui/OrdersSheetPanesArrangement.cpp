#include "orderssheet/ui/OrdersSheetPanesArrangement.h"

namespace OrdersSheetPanesArrangement
{
Arrangement FromStored(int value)
{
    switch (value)
    {
    case kColumns:
    case kRows:
    case kAutomatic:
        return static_cast<Arrangement>(value);
    default:
        return kDefault;
    }
}

bool SideBySide(Arrangement arrangement, int areaWidth, int tableWidth, int splitterWidth)
{
    switch (arrangement)
    {
    case kColumns: return true;
    case kAutomatic: return tableWidth > 0 && areaWidth >= 2 * tableWidth + splitterWidth;
    default: return false;
    }
}
}
