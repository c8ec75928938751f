#pragma once
// The current-value row of the supply side: the instrument's current value (or the fallback
// value when it has none), with its change state and the time of its change.

#include "orderssheet/engine/MatrixDataBufor.h"

#include <cstdint>

struct AdditonalRowData
{
    double value = MatrixDataBufor::kNoValue;
    // The value is the fallback value.
    bool alternative = false;
    int state = MatrixDataBufor::eUnchanged;
    // Tick time (OSTickClock) of the change; 0 for none.
    std::uint64_t timeChange = 0;
};
