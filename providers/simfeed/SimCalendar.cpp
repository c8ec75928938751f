#include "providers/simfeed/SimCalendar.h"

namespace
{
// Days of the year the exchange never trades on, as (month, day).
constexpr int kFixedHolidays[][2] = {
    {1, 1}, {1, 6}, {5, 1}, {5, 3}, {8, 15}, {11, 1}, {11, 11}, {12, 24}, {12, 25}, {12, 26}, {12, 31},
};
}

QTime SimCalendar::SessionOpen()
{
    return QTime(9, 0);
}

QTime SimCalendar::SessionClose()
{
    return QTime(17, 0);
}

int SimCalendar::SessionSeconds()
{
    return SessionOpen().secsTo(SessionClose());
}

QDate SimCalendar::EasterSunday(int year)
{
    // The anonymous Gregorian computus.
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

bool SimCalendar::IsHoliday(const QDate& date)
{
    if (!date.isValid())
        return false;
    for (const auto& holiday : kFixedHolidays)
        if (date.month() == holiday[0] && date.day() == holiday[1])
            return true;
    const QDate easter = EasterSunday(date.year());
    // Good Friday, Easter Monday and Corpus Christi.
    for (const int offset : {-2, 1, 60})
        if (date == easter.addDays(offset))
            return true;
    return false;
}

bool SimCalendar::IsSessionDay(const QDate& date)
{
    return date.isValid() && date.dayOfWeek() <= 5 && !IsHoliday(date);
}

QDate SimCalendar::PreviousSessionDay(const QDate& date)
{
    if (!date.isValid())
        return {};
    QDate day = date.addDays(-1);
    while (day.isValid() && !IsSessionDay(day))
        day = day.addDays(-1);
    return day;
}

QDate SimCalendar::NextSessionDay(const QDate& date)
{
    if (!date.isValid())
        return {};
    QDate day = date.addDays(1);
    while (day.isValid() && !IsSessionDay(day))
        day = day.addDays(1);
    return day;
}

QDate SimCalendar::SessionDayFrom(const QDate& date, const QTime& time)
{
    return IsSessionDay(date) && time < SessionClose() ? date : NextSessionDay(date);
}

bool SimCalendar::IsOpen(const QDate& date, const QTime& time)
{
    return IsSessionDay(date) && time >= SessionOpen() && time < SessionClose();
}
