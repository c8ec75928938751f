#pragma once
// What a chart asks of its provider: the interval of its bars, how many intervals make one bar
// (the multiplicity), the kinds of data and dates, and how many bars of history it wants before
// the live ones (the chart library works that out from the dates when there are any).

#include "platform/modules/Params.h"

// 1 tick, 3 minute, 5 day; the bar of a tick chart holds multiplicity transactions.
using EInterval = int;

class DataRequestParams : public Params
{
public:
    static constexpr EInterval kTick = 1;
    static constexpr EInterval kMinute = 3;
    static constexpr EInterval kDay = 5;

    DataRequestParams() = default;
    DataRequestParams(EInterval interval, int multiplicity, int historyCount)
        : interval(interval)
        , multiplicity(multiplicity)
        , historyCount(historyCount)
    {
    }

    // The length of one bar in seconds; 0 for a tick chart.
    int BarSeconds() const;
    bool IsValid() const;

    EInterval interval = kMinute;
    int multiplicity = 1;
    int historyCount = 500;
};
