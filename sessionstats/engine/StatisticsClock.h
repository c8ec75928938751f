#pragma once
// The two clocks of the session statistics: the tick count that dates the change marks of the
// top-ten slots, and the moment that stamps received statistics and session changes. Tests give
// their own.

#include "platform/modules/NDateTime.h"

#include <QDateTime>

#include <cstdint>

class StatisticsClock
{
public:
    virtual ~StatisticsClock() = default;

    // The clock of the process: ticks from steady time, moments from the system clock.
    static const StatisticsClock& System();
    // A moment as the statistics show it: local time, invalid for an invalid moment.
    static NDateTime ToLocal(const QDateTime& moment);

    // Milliseconds from an arbitrary start; wraps after about 49 days.
    virtual std::uint32_t TickCount() const;
    // The moment now, in whatever time representation is cheapest to take (the system's is UTC): the
    // provider's thread stamps every delivery with it, and the worker makes it local.
    virtual QDateTime Now() const;
};
