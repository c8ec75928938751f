#include "providers/simfeed/SimCalendar.h"

#include <gtest/gtest.h>

TEST(SimCalendarTest, WeekendsAndHolidaysHoldNoSession)
{
    const struct
    {
        QDate date;
        bool session;
    } cases[] = {
        {QDate(2025, 6, 13), true},    // a Friday
        {QDate(2025, 6, 14), false},   // Saturday
        {QDate(2025, 6, 15), false},   // Sunday
        {QDate(2025, 1, 1), false},    // New Year
        {QDate(2025, 1, 6), false},    // Epiphany
        {QDate(2025, 4, 18), false},   // Good Friday
        {QDate(2025, 4, 21), false},   // Easter Monday
        {QDate(2025, 4, 22), true},
        {QDate(2025, 5, 1), false},
        {QDate(2025, 5, 2), true},
        {QDate(2025, 6, 19), false},   // Corpus Christi
        {QDate(2025, 8, 15), false},
        {QDate(2025, 11, 11), false},
        {QDate(2025, 12, 24), false},
        {QDate(2025, 12, 31), false},
        {QDate(2026, 4, 3), false},    // Good Friday of another year
        {QDate(2026, 12, 11), true},
        {QDate(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SimCalendar::IsSessionDay(c.date), c.session) << c.date.toString(Qt::ISODate).toStdString();

    EXPECT_EQ(SimCalendar::EasterSunday(2024), QDate(2024, 3, 31));
    EXPECT_EQ(SimCalendar::EasterSunday(2025), QDate(2025, 4, 20));
    EXPECT_EQ(SimCalendar::EasterSunday(2038), QDate(2038, 4, 25));
}

TEST(SimCalendarTest, AYearHoldsAbout250SessionsAndTheStepsSkipTheRest)
{
    for (const int year : {2024, 2025, 2026})
    {
        int sessions = 0;
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1))
            sessions += SimCalendar::IsSessionDay(day) ? 1 : 0;
        EXPECT_GE(sessions, 246) << year;
        EXPECT_LE(sessions, 254) << year;
    }
    // Easter Monday after a weekend after Good Friday.
    EXPECT_EQ(SimCalendar::PreviousSessionDay(QDate(2025, 4, 22)), QDate(2025, 4, 17));
    EXPECT_EQ(SimCalendar::NextSessionDay(QDate(2025, 4, 17)), QDate(2025, 4, 22));
}

TEST(SimCalendarTest, TradingRunsFromTheOpeningUntilJustBeforeTheClose)
{
    const QDate friday(2025, 6, 13);
    const struct
    {
        QDate date;
        QTime time;
        bool open;
        QDate sessionFrom;
    } cases[] = {
        {friday, QTime(8, 59, 59), false, friday},
        {friday, QTime(9, 0), true, friday},
        {friday, QTime(16, 59, 59), true, friday},
        {friday, QTime(17, 0), false, QDate(2025, 6, 16)},
        {QDate(2025, 6, 14), QTime(12, 0), false, QDate(2025, 6, 16)},
    };
    for (const auto& c : cases)
    {
        const std::string name = (c.date.toString(Qt::ISODate) + QLatin1Char(' ') + c.time.toString()).toStdString();
        EXPECT_EQ(SimCalendar::IsOpen(c.date, c.time), c.open) << name;
        EXPECT_EQ(SimCalendar::SessionDayFrom(c.date, c.time), c.sessionFrom) << name;
    }
}
