#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/IStatisticsSessionReceiver.h"
#include "platform/modules/SeriesIds.h"
#include "platform/modules/Transaction.h"
#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimFeed.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
// Tuesday after the May holidays; the sessions before it skip a weekend and 1 and 3 May.
const QDate kSession(2024, 5, 7);

NDateTime At(const QDate& date, const QTime& time)
{
    return NDateTime(QDateTime(date, time));
}

SimFeedOptions Options()
{
    SimFeedOptions options;
    options.seed = 20240506;
    return options;
}

class Counter : public IQuotesReceiver, public IStatisticsSessionReceiver
{
public:
    void OnQuote(const Asset&, const CurrentState&) override {}
    void OnTransaction(const Asset&, const Transaction&) override { ++transactions; }
    void OnOrderBook(const Asset&, const OrderBook&) override {}
    bool SetNewStatistics(const SessionStatistics&) override
    {
        ++statistics;
        return true;
    }
    void OnSessionChange() override { ++sessionChanges; }

    int transactions = 0;
    int statistics = 0;
    int sessionChanges = 0;
};

// Steps the feed every few seconds through the whole session of the day.
void RunSession(SimFeed& feed, const QDate& date, int everySeconds = 5)
{
    for (QDateTime time(date, SimCalendar::SessionOpen()); time.time() < SimCalendar::SessionClose();
         time = time.addSecs(everySeconds))
        feed.Step(NDateTime(time));
}
}

TEST(SimFeedSessionTest, AYearOfDailyHistoryHoldsSessionsOnly)
{
    SimFeed feed(nullptr, Options());
    for (int step = 0; step < 300; ++step)
        feed.Step(At(kSession, QTime(10, 0).addSecs(step)));
    for (const Asset& asset : {feed.Assets().front(), feed.Assets().back()})
    {
        std::vector<PriceBar> bars;
        ASSERT_TRUE(feed.GetHistoryBars(asset, 86400, 250, bars));
        ASSERT_EQ(bars.size(), 250u);
        const QDate first = bars.front().time.ToQDateTime().date();
        // 250 sessions reach back about a year.
        EXPECT_GE(first.daysTo(kSession), 355) << first.toString(Qt::ISODate).toStdString();
        EXPECT_LE(first.daysTo(kSession), 370) << first.toString(Qt::ISODate).toStdString();
        QDate previous;
        for (const PriceBar& bar : bars)
        {
            const QDate day = bar.time.ToQDateTime().date();
            ASSERT_TRUE(SimCalendar::IsSessionDay(day)) << day.toString(Qt::ISODate).toStdString();
            ASSERT_TRUE(!previous.isValid() || previous < day);
            ASSERT_LE(bar.low, std::min(bar.open, bar.close));
            ASSERT_GE(bar.high, std::max(bar.open, bar.close));
            ASSERT_GT(bar.low, 0.0);
            previous = day;
        }
        // The bar of the session under way is the market's own.
        EXPECT_EQ(bars.back().time.ToQDateTime().date(), kSession);
        EXPECT_EQ(bars[bars.size() - 2].time.ToQDateTime().date(), QDate(2024, 5, 6));
        EXPECT_EQ(bars[bars.size() - 3].time.ToQDateTime().date(), QDate(2024, 5, 2));
    }
}

TEST(SimFeedSessionTest, ASessionEndsWithAVolumeLikeThoseBeforeIt)
{
    SimFeed feed(nullptr, Options());
    RunSession(feed, kSession);
    for (const Asset& asset : feed.Assets())
    {
        std::vector<PriceBar> bars;
        ASSERT_TRUE(feed.GetHistoryBars(asset, 86400, 21, bars));
        ASSERT_EQ(bars.size(), 21u);
        const PriceBar& today = bars.back();
        ASSERT_EQ(today.time.ToQDateTime().date(), kSession) << asset.GetShortName().toStdString();
        const auto [low, high] = std::minmax_element(bars.begin(), bars.end() - 1, [](const PriceBar& a, const PriceBar& b) {
            return a.volume < b.volume;
        });
        EXPECT_GE(today.volume, low->volume) << asset.GetShortName().toStdString();
        EXPECT_LE(today.volume, high->volume) << asset.GetShortName().toStdString();
        // The session opened where the one before closed, and moved about as far as those did.
        const double previousClose = bars[bars.size() - 2].close;
        const CurrentState state = *feed.StateOf(asset.GetIsin());
        EXPECT_DOUBLE_EQ(state.GetDouble(SeriesIds::kReference), previousClose) << asset.GetShortName().toStdString();
        EXPECT_LE(std::abs(today.close / previousClose - 1.0), 0.1 + 1e-9) << asset.GetShortName().toStdString();
        EXPECT_NEAR(state.GetDouble(SeriesIds::kTurnover) / state.GetDouble(SeriesIds::kTotalVolume), today.close,
                    today.close * 0.1)
            << asset.GetShortName().toStdString();
    }
}

TEST(SimFeedSessionTest, TheRateOfTheFeedLeavesTheSessionVolumeAlone)
{
    // A feed ticking ten times as often trades a session of about the same volume.
    SimFeedOptions busy = Options();
    busy.ticksPerStep = 80;
    SimFeed slow(nullptr, Options());
    SimFeed fast(nullptr, busy);
    RunSession(slow, kSession, 10);
    RunSession(fast, kSession, 10);
    for (std::size_t i = 0; i < slow.Assets().size(); ++i)
    {
        const Asset& asset = slow.Assets()[i];
        const double a = slow.StateOf(asset.GetIsin())->GetDouble(SeriesIds::kTotalVolume);
        const double b = fast.StateOf(asset.GetIsin())->GetDouble(SeriesIds::kTotalVolume);
        EXPECT_NEAR(a / b, 1.0, 0.05) << asset.GetShortName().toStdString();
    }
}

TEST(SimFeedSessionTest, OutsideTheSessionNothingTradesAndTheFeedSaysItIsClosed)
{
    SimFeed feed(nullptr, Options());
    Counter counter;
    const Asset asset = feed.Assets().front();
    ASSERT_TRUE(feed.AddQuotesReceiver(&counter, asset));
    ASSERT_TRUE(feed.AddStatisticsSessionReceiver(&counter));
    EXPECT_FALSE(feed.HasStepped());

    const struct
    {
        const char* name;
        QDate date;
        QTime time;
    } closed[] = {
        {"before the opening", kSession, QTime(8, 59, 50)},
        {"at the close", kSession, QTime(17, 0)},
        {"in the evening", kSession, QTime(21, 30)},
        {"on a Saturday", QDate(2024, 5, 11), QTime(11, 0)},
        {"on a holiday", QDate(2024, 5, 3), QTime(11, 0)},
    };
    for (const auto& c : closed)
    {
        for (int step = 0; step < 10; ++step)
            feed.Step(At(c.date, c.time.addSecs(step)));
        EXPECT_TRUE(feed.HasStepped()) << c.name;
        EXPECT_FALSE(feed.IsOpen()) << c.name;
        EXPECT_EQ(counter.transactions, 0) << c.name;
        EXPECT_EQ(counter.statistics, 0) << c.name;
        NDateTime last;
        EXPECT_FALSE(feed.GetLastTime(last)) << c.name;
    }

    for (int step = 0; step < 200; ++step)
        feed.Step(At(kSession, QTime(9, 0).addSecs(step)));
    EXPECT_TRUE(feed.IsOpen());
    EXPECT_GT(counter.transactions, 0);
    EXPECT_GT(counter.statistics, 0);

    // After the close the session's figures stay; the next session starts at its opening.
    const int traded = counter.transactions;
    const double volume = feed.StateOf(asset.GetIsin())->GetDouble(SeriesIds::kTotalVolume);
    feed.Step(At(kSession, QTime(18, 0)));
    feed.Step(At(QDate(2024, 5, 8), QTime(8, 30)));
    EXPECT_FALSE(feed.IsOpen());
    EXPECT_EQ(counter.transactions, traded);
    EXPECT_EQ(counter.sessionChanges, 0);
    EXPECT_EQ(feed.StateOf(asset.GetIsin())->GetDouble(SeriesIds::kTotalVolume), volume);
    feed.Step(At(QDate(2024, 5, 8), QTime(9, 0, 1)));
    EXPECT_EQ(counter.sessionChanges, 1);
    feed.DropReceivers();
}

TEST(SimFeedSessionTest, IntradayHistoryLiesInTheSessionHours)
{
    SimFeed feed(nullptr, Options());
    feed.Step(At(kSession, QTime(9, 30)));
    const struct
    {
        int barSeconds;
        int count;
    } cases[] = {{0, 1500}, {60, 1200}, {300, 300}, {3600, 40}};
    for (const auto& c : cases)
    {
        std::vector<PriceBar> bars;
        ASSERT_TRUE(feed.GetHistoryBars(feed.Assets().at(2), c.barSeconds, c.count, bars));
        ASSERT_EQ(bars.size(), static_cast<std::size_t>(c.count));
        for (std::size_t i = 0; i < bars.size(); ++i)
        {
            const QDateTime time = bars[i].time.ToQDateTime();
            ASSERT_TRUE(SimCalendar::IsOpen(time.date(), time.time())) << c.barSeconds << " " << time.toString().toStdString();
            ASSERT_TRUE(i == 0 || bars[i - 1].time < bars[i].time) << c.barSeconds;
        }
        // The newest bar is the one before the bar that holds the last step.
        EXPECT_LT(bars.back().time, At(kSession, QTime(9, 30))) << c.barSeconds;
    }
}
