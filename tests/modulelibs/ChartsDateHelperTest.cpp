#include "modulelibs/chart/ChartsDateHelper.h"

#include <gtest/gtest.h>

namespace
{

// 2026-12-07 is a Monday.
const QDate kMonday(2026, 12, 7);

TEST(ChartsDateHelperTest, SessionsAreTheWeekdaysOfTheRange)
{
    struct Case
    {
        QDate from;
        QDate to;
        bool counted;
        int count;
    };
    const Case cases[] = {
        {kMonday, kMonday, true, 1},
        {kMonday, kMonday.addDays(6), true, 5},
        {kMonday.addDays(-2), kMonday.addDays(-1), false, 0}, // a weekend alone
        {kMonday.addDays(-3), kMonday.addDays(7), true, 7},
        {kMonday.addDays(-364), kMonday, true, 261},
        {kMonday, kMonday.addDays(-1), false, 0},
        {QDate(), kMonday, false, 0},
    };
    for (const Case& c : cases)
    {
        int count = -1;
        EXPECT_EQ(ChartsDateHelper::GetSessionCountForDates(c.from, c.to, count), c.counted) << c.from.toString().toStdString();
        if (c.counted)
            EXPECT_EQ(count, c.count) << c.from.toString().toStdString();
    }
}

TEST(ChartsDateHelperTest, SessionCountGivesTheFirstSessionBackFromToday)
{
    struct Case
    {
        int count;
        QDate today;
        bool found;
        QDate date;
    };
    const Case cases[] = {
        {1, kMonday, true, kMonday},
        {2, kMonday, true, kMonday.addDays(-3)},
        {5, kMonday.addDays(4), true, kMonday},
        {6, kMonday.addDays(4), true, kMonday.addDays(-3)},
        {1, kMonday.addDays(-1), true, kMonday.addDays(-3)}, // Sunday: Friday's session
        {0, kMonday, false, QDate()},
        {-3, kMonday, false, QDate()},
    };
    for (const Case& c : cases)
    {
        QDate date;
        EXPECT_EQ(ChartsDateHelper::GetDateForGivenSessionCount(c.count, date, c.today), c.found) << c.count;
        EXPECT_EQ(date, c.date) << c.count;
        int back = 0;
        if (c.found)
        {
            ASSERT_TRUE(ChartsDateHelper::GetSessionCountForDates(date, c.today, back));
            EXPECT_EQ(back, c.count);
        }
    }
}

} // namespace
