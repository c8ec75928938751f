#include "sessionstats/engine/StatisticsClock.h"

#include <chrono>

const StatisticsClock& StatisticsClock::System()
{
    static const StatisticsClock clock;
    return clock;
}

NDateTime StatisticsClock::ToLocal(const QDateTime& moment)
{
    return NDateTime(moment.toLocalTime());
}

std::uint32_t StatisticsClock::TickCount() const
{
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

QDateTime StatisticsClock::Now() const
{
    return QDateTime::currentDateTimeUtc();
}
