#include "modulelibs/chart/ChartDataRange.h"

#include "modulelibs/chart/ChartsDateHelper.h"

#include <algorithm>
#include <cstdint>

namespace
{
std::int64_t BarsPerSession(EInterval interval)
{
    switch (interval)
    {
    case DataRequestParams::kTick:
        return ChartDataRange::kTickSessionBars;
    case DataRequestParams::kMinute:
        return ChartDataRange::kMinuteSessionBars;
    default:
        return 1;
    }
}

// A range on days without a session still holds the session it lies in.
int SessionsOf(const QDate& from, const QDate& to)
{
    int count = 0;
    return ChartsDateHelper::GetSessionCountForDates(from, to, count) ? count : 0;
}
}

int ChartDataRange::BarsOf(int sessions, EInterval interval, int multiplicity)
{
    const std::int64_t perBar = std::max(1, multiplicity);
    const std::int64_t bars = (static_cast<std::int64_t>(std::max(0, sessions)) * BarsPerSession(interval) + perBar - 1) / perBar;
    return static_cast<int>(std::min<std::int64_t>(bars, kMaxHistoryBars));
}

void ChartDataRange::Resolve(DataRequestParams& request, ShowedRange& range, const QDate& today)
{
    if (!request.HasDateRange())
        return;
    const QDate from = std::min(request.GetDateFrom(), today);
    const QDate to = std::clamp(request.GetDateTo(), from, today);
    const int interval = request.interval;
    const int multiplicity = request.multiplicity;
    request.historyCount = std::max(1, BarsOf(std::max(1, SessionsOf(from, today)), interval, multiplicity));
    if (range.rangeType == ShowedRange::kBars)
        return;
    const int shown = range.rangeType == ShowedRange::kSessions && range.currentSessionsCount > 0
                          ? range.currentSessionsCount
                          : std::max(1, SessionsOf(from, to));
    const int after = to < today ? SessionsOf(to.addDays(1), today) : 0;
    range.rightOffset = BarsOf(after, interval, multiplicity);
    range.barCount = std::max(1, BarsOf(shown, interval, multiplicity));
}
