#pragma once
// The two clocks of the session statistics: the tick count that dates the change marks of the
// top-ten slots, and the local time that stamps received statistics and session changes. Tests
// give their own.

#include "platform/modules/NDateTime.h"

#include <cstdint>

class StatisticsClock
{
public:
    virtual ~StatisticsClock() = default;

    // The clock of the process: ticks from steady time, the time from the local clock.
    static const StatisticsClock& System();

    // Milliseconds from an arbitrary start; wraps after about 49 days.
    virtual std::uint32_t TickCount() const;
    // The local time now; invalid when it cannot be told.
    virtual NDateTime Now() const;
};
