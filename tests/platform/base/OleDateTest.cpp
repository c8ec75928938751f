#include "platform/base/OleDate.h"

#include <gtest/gtest.h>

TEST(OleDateTest, ValuesMapToDatesAndTimesAroundTheEpoch)
{
    const struct
    {
        double value;
        QDate date;
        QTime time;
    } cases[] = {
        {0.0, QDate(1899, 12, 30), QTime(0, 0)},
        {1.0, QDate(1899, 12, 31), QTime(0, 0)},
        {2.5, QDate(1900, 1, 1), QTime(12, 0)},
        {-1.0, QDate(1899, 12, 29), QTime(0, 0)},
        {-1.25, QDate(1899, 12, 29), QTime(6, 0)},  // the fraction counts forward from midnight
        {-1.75, QDate(1899, 12, 29), QTime(18, 0)},
        {-0.5, QDate(1899, 12, 30), QTime(12, 0)},  // same moment as 0.5
        {36526.75, QDate(2000, 1, 1), QTime(18, 0)},
        {45292.0 + 1.0 / 86400.0 * 3661, QDate(2024, 1, 1), QTime(1, 1, 1)},
        {-657434.0, QDate(100, 1, 1), QTime(0, 0)},
        {2958465.5, QDate(9999, 12, 31), QTime(12, 0)},
    };
    for (const auto& c : cases)
    {
        const OleDate date(c.value);
        ASSERT_TRUE(date.IsValid()) << c.value;
        EXPECT_EQ(date.ToQDate(), c.date) << c.value;
        EXPECT_EQ(date.ToQTime(), c.time) << c.value;
        EXPECT_EQ(date.ToQDateTime(), QDateTime(c.date, c.time)) << c.value;
        if (c.value != -0.5)
        {
            EXPECT_NEAR(OleDate(c.date, c.time).Value(), c.value, 1e-9) << c.value;
        }
    }
    EXPECT_EQ(OleDate(), OleDate(QDate(1899, 12, 30)));
}

TEST(OleDateTest, RoundingToTheNextMidnightMovesForward)
{
    const double almostADay = 1.0 - 1e-10;
    EXPECT_EQ(OleDate(-1.0 - almostADay).ToQDateTime(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(OleDate(almostADay).ToQDateTime(), QDateTime(QDate(1899, 12, 31), QTime(0, 0)));
}

TEST(OleDateTest, ComparesMomentsNotRawValues)
{
    EXPECT_LT(OleDate(-1.25), OleDate(-1.75));  // 06:00 before 18:00 of the same day
    EXPECT_LT(OleDate(-1.75), OleDate(-0.5));
    EXPECT_EQ(OleDate(-0.5), OleDate(0.5));
    EXPECT_LT(OleDate(0.5), OleDate(1.0));
    EXPECT_FALSE(OleDate::Invalid() < OleDate(1.0));
    EXPECT_FALSE(OleDate(1.0) < OleDate::Invalid());
    EXPECT_NE(OleDate::Invalid(), OleDate(0.0));
}

TEST(OleDateTest, InvalidInputGivesAnInvalidDate)
{
    for (double value : {-657435.0, 2958466.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(OleDate(value).GetStatus(), OleDate::Status::Invalid) << value;
    EXPECT_FALSE(OleDate(QDate()).IsValid());
    EXPECT_FALSE(OleDate(QDate(99, 12, 31)).IsValid());
    EXPECT_FALSE(OleDate(QDate(10000, 1, 1)).IsValid());
    EXPECT_FALSE(OleDate::FromQDateTime(QDateTime()).IsValid());

    const OleDate invalid = OleDate::Invalid();
    EXPECT_FALSE(invalid.ToQDate().isValid());
    EXPECT_FALSE(invalid.ToQTime().isValid());
    EXPECT_FALSE(invalid.ToQDateTime().isValid());
}

TEST(OleDateTest, TextFormReadsBackExactly)
{
    for (double value : {0.0, -1.25, 45292.123456789, 2958465.999988426})
    {
        const OleDate date(value);
        EXPECT_EQ(OleDate::FromString(date.ToString()).Value(), value) << value;
    }
    EXPECT_EQ(OleDate(36526.75).ToString(), QStringLiteral("36526.75"));
    EXPECT_TRUE(OleDate::Invalid().ToString().isEmpty());
    for (const char* bad : {"", "abc", "1,5", "nan", "inf", "9999999"})
        EXPECT_FALSE(OleDate::FromString(QString::fromLatin1(bad)).IsValid()) << bad;
}
