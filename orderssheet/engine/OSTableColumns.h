#pragma once
// What a sheet table's column layout tells its data set: the table's sheet mode and which
// kinds of columns it shows (the current-value row puts its value into a shown price column).

#include "orderssheet/engine/OSSheetMode.h"

#include <bitset>
#include <cstddef>

struct OSTableColumns
{
    static constexpr int kMaxKinds = OSSheetMode::kOrdersCellCount;

    bool IsVisible(int kind) const
    {
        return kind >= 0 && kind < kMaxKinds && visibleKinds.test(static_cast<std::size_t>(kind));
    }

    int mode = OSSheetMode::kOrders;
    std::bitset<kMaxKinds> visibleKinds = std::bitset<kMaxKinds>().set();
};
