#include "modulelibs/chart/ChartTimeAxis.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace
{
// count bars spacing seconds apart from a session's morning.
ChartBars Bars(EInterval interval, double spacing, int count)
{
    ChartBars bars(DataRequestParams(interval, 1, count));
    std::vector<PriceBar> history(static_cast<std::size_t>(count));
    const double start = NDateTime(QDateTime(QDate(2025, 6, 13), QTime(9, 0))).ToDayCount();
    for (int i = 0; i < count; ++i)
    {
        history[static_cast<std::size_t>(i)].time = NDateTime::FromDayCount(start + i * spacing / 86400.0);
        history[static_cast<std::size_t>(i)].close = 10.0;
    }
    bars.SetHistory(std::move(history));
    return bars;
}
}

TEST(ChartTimeAxisTest, NoLabelReadsAsTheOneBeforeIt)
{
    const struct
    {
        EInterval interval;
        double spacing;   // seconds between bars
        double barWidth;  // pixels between bars
        bool seconds;     // the labels show seconds
    } cases[] = {
        {DataRequestParams::kTick, 0.05, 1.0, true},   // a burst of trades in the same second
        {DataRequestParams::kTick, 0.3, 8.0, true},
        {DataRequestParams::kTick, 1.0, 3.0, true},
        {DataRequestParams::kTick, 5.0, 12.0, true},
        {DataRequestParams::kTick, 5.0, 1.0, false},   // labels a minute and more apart
        {DataRequestParams::kTick, 20.0, 30.0, true},
        {DataRequestParams::kMinute, 60.0, 2.0, false},
        {DataRequestParams::kMinute, 60.0, 60.0, false},
        {DataRequestParams::kMinute, 300.0, 6.0, false},
        {DataRequestParams::kDay, 86400.0, 4.0, false},
    };
    for (const auto& c : cases)
    {
        const std::string name = std::to_string(c.spacing) + " s, " + std::to_string(c.barWidth) + " px";
        const ChartBars bars = Bars(c.interval, c.spacing, 2000);
        const ChartTimeAxis::Labels axis =
            ChartTimeAxis::Make(bars, 700, 1999, c.barWidth, c.interval == DataRequestParams::kDay);
        ASSERT_GE(axis.labels.size(), 2u) << name;
        for (std::size_t i = 0; i < axis.labels.size(); ++i)
        {
            const ChartTimeAxis::Label& label = axis.labels[i];
            EXPECT_GE(label.bar, 700) << name;
            EXPECT_LE(label.bar, 1999) << name;
            EXPECT_EQ(label.text.count(QLatin1Char(':')), c.seconds ? 2 : c.interval == DataRequestParams::kDay ? 0 : 1)
                << name << ": " << label.text.toStdString();
            if (i > 0)
            {
                EXPECT_NE(label.text, axis.labels[i - 1].text) << name;
                // Labels stay a label's width apart.
                EXPECT_GE((label.bar - axis.labels[i - 1].bar) * c.barWidth, axis.width) << name;
            }
        }
    }
}

TEST(ChartTimeAxisTest, LabelsKeepTheirBarsWhileTheChartScrolls)
{
    const ChartBars bars = Bars(DataRequestParams::kMinute, 60.0, 500);
    auto barsWithin = [](const ChartTimeAxis::Labels& axis, int first, int last) {
        std::vector<int> within;
        for (const ChartTimeAxis::Label& label : axis.labels)
            if (label.bar >= first && label.bar <= last)
                within.push_back(label.bar);
        return within;
    };
    const ChartTimeAxis::Labels before = ChartTimeAxis::Make(bars, 100, 300, 5.0, false);
    const ChartTimeAxis::Labels after = ChartTimeAxis::Make(bars, 103, 303, 5.0, false);
    ASSERT_GE(before.labels.size(), 3u);
    EXPECT_EQ(barsWithin(before, 103, 300), barsWithin(after, 103, 300));

    EXPECT_TRUE(ChartTimeAxis::Make(bars, 10, 5, 5.0, false).labels.empty());
    EXPECT_TRUE(ChartTimeAxis::Make(ChartBars(), 0, 10, 5.0, false).labels.empty());
}
