#pragma once
// The number of decimals with which a value of market data is shown, as the argument
// sources deliver it with their values and as constants of alert expressions keep it.
// Only texts use it: comparisons of values are exact.

// A whole number, the same type as the precision of a data series (DSProp.h), so that a
// source may include both.
using EPrecision = int;

enum : EPrecision
{
    ePrecisionUnknown = -1,
    ePrecision0 = 0,
    ePrecision1 = 1,
    ePrecision2 = 2,
    ePrecision3 = 3,
    ePrecision4 = 4,
    ePrecision5 = 5,
    ePrecision6 = 6,
};
