#include "modulelibs/chart/ChartsDateHelper.h"

namespace
{
bool IsSessionDay(const QDate& date)
{
    return date.dayOfWeek() <= 5;
}

// Weekdays in the days from..to of whole weeks and the rest.
int WeekdaysBetween(const QDate& from, const QDate& to)
{
    const qint64 days = from.daysTo(to) + 1;
    int count = static_cast<int>(days / 7) * 5;
    QDate day = from.addDays(days / 7 * 7);
    for (; day <= to; day = day.addDays(1))
        count += IsSessionDay(day) ? 1 : 0;
    return count;
}
}

bool ChartsDateHelper::GetSessionCountForDates(const QDate& from, const QDate& to, int& count)
{
    if (!from.isValid() || !to.isValid() || from > to)
        return false;
    const int sessions = WeekdaysBetween(from, to);
    if (sessions == 0)
        return false;
    count = sessions;
    return true;
}

bool ChartsDateHelper::GetDateForGivenSessionCount(int count, QDate& date, const QDate& today)
{
    if (count < 1 || !today.isValid())
        return false;
    QDate day = today;
    while (!IsSessionDay(day))
        day = day.addDays(-1);
    // Whole weeks first, so that a year of sessions is not walked day by day.
    day = day.addDays(-static_cast<qint64>((count - 1) / 5) * 7);
    for (int left = (count - 1) % 5; left > 0;)
    {
        day = day.addDays(-1);
        if (IsSessionDay(day))
            --left;
    }
    date = day;
    return true;
}
