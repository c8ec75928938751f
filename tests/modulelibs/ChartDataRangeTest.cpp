#include "modulelibs/chart/ChartDataRange.h"

#include <gtest/gtest.h>

namespace
{

// 2026-12-09 is a Wednesday; 2026-12-07 the Monday before it.
const QDate kWednesday(2026, 12, 9);
const QDate kMonday(2026, 12, 7);

DataRequestParams Request(EInterval interval, int multiplicity, const QDate& from, const QDate& to, unsigned kinds)
{
    DataRequestParams request(interval, multiplicity, 7);
    request.AddKindData(kinds);
    request.SetDateRange(from, to);
    return request;
}

TEST(ChartDataRangeTest, DatesBecomeHistoryAndShownBars)
{
    struct Case
    {
        const char* what;
        DataRequestParams request;
        ShowedRange::EShowedRange type;
        int currentSessions;
        int history;
        int rightOffset;
        int barCount;
    };
    const Case cases[] = {
        {"today's ticks", Request(DataRequestParams::kTick, 1, kWednesday, kWednesday, 7), ShowedRange::kSessions, 1,
         ChartDataRange::kTickSessionBars, 0, ChartDataRange::kTickSessionBars},
        {"three days of minutes by five", Request(DataRequestParams::kMinute, 5, kMonday, kWednesday, 15),
         ShowedRange::kDates, 0, 3 * ChartDataRange::kMinuteSessionBars / 5, 0, 3 * ChartDataRange::kMinuteSessionBars / 5},
        {"Monday only, two sessions ago", Request(DataRequestParams::kDay, 1, kMonday, kMonday, 8), ShowedRange::kDates, 0,
         3, 2, 1},
        {"a range past today stops at today", Request(DataRequestParams::kDay, 1, kMonday, kWednesday.addDays(30), 15),
         ShowedRange::kDates, 0, 3, 0, 3},
        {"a weekend holds no session", Request(DataRequestParams::kDay, 1, kMonday.addDays(-2), kMonday.addDays(-1), 8),
         ShowedRange::kDates, 0, 3, 3, 1},
        {"sessions shown as asked", Request(DataRequestParams::kDay, 1, kMonday.addDays(-7), kWednesday, 15),
         ShowedRange::kSessions, 2, 8, 0, 2},
    };
    for (const Case& c : cases)
    {
        DataRequestParams request = c.request;
        ShowedRange range(request);
        range.rangeType = c.type;
        range.currentSessionsCount = c.currentSessions;
        ChartDataRange::Resolve(request, range, kWednesday);
        EXPECT_EQ(request.historyCount, c.history) << c.what;
        EXPECT_EQ(range.rightOffset, c.rightOffset) << c.what;
        EXPECT_EQ(range.barCount, c.barCount) << c.what;
    }

    // A request without dates and a range in bars are left as they are.
    DataRequestParams plain(DataRequestParams::kMinute, 1, 77);
    ShowedRange bars(4, 40);
    ChartDataRange::Resolve(plain, bars, kWednesday);
    EXPECT_EQ(plain.historyCount, 77);
    EXPECT_EQ(bars.rightOffset, 4);
    EXPECT_EQ(bars.barCount, 40);
    DataRequestParams dated = Request(DataRequestParams::kDay, 1, kMonday, kWednesday, 15);
    ChartDataRange::Resolve(dated, bars, kWednesday);
    EXPECT_EQ(dated.historyCount, 3);
    EXPECT_EQ(bars.barCount, 40);
}

TEST(ChartDataRangeTest, KindsKeepTheirOrderAndSayWhetherTheChartIsLive)
{
    DataRequestParams request;
    EXPECT_TRUE(request.IsLive());
    request.AddKindData(Params::kHistory);
    EXPECT_FALSE(request.IsLive());
    request.AddKindData(AssetParams::kSynchro);
    request.AddKindData(AssetParams::kRecord);
    request.AddKindData(AssetParams::kSynchro | AssetParams::kCurrentState);
    EXPECT_EQ(request.GetKindsInOrder(), (std::vector<unsigned>{8, 4, 1, 2}));
    EXPECT_TRUE(request.IsLive());
    const ShowedRange range(request);
    EXPECT_EQ(range.GetKindData(), 15u);
}

} // namespace
