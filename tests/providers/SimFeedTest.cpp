#include "platform/modules/CurrentState.h"
#include "platform/modules/IOrdersSheetReceiver.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/IStatisticsSessionReceiver.h"
#include "platform/modules/OrderBook.h"
#include "platform/modules/SeriesIds.h"
#include "platform/modules/SessionStatistics.h"
#include "platform/modules/Transaction.h"
#include "providers/simfeed/SimFeed.h"
#include "providers/simfeed/SimFeedThread.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace
{
NDateTime At(int day, int second)
{
    return NDateTime(QDateTime(QDate(2024, 5, day), QTime(9, 0).addSecs(second)));
}

SimFeedOptions Options(int statisticsEverySteps = 4)
{
    SimFeedOptions options;
    options.seed = 42;
    options.ticksPerStep = 40;
    options.statisticsEverySteps = statisticsEverySteps;
    return options;
}

// Rebuilds an order book from the orders-sheet deliveries alone.
class BookKeeper : public IOrdersSheetReceiver
{
public:
    void OnSetCountItems(int count) override
    {
        std::lock_guard lock(m_mutex);
        expected = count;
        orders.clear();
    }
    void OnSetNewItem(const DataSheetItemBase& item) override
    {
        std::lock_guard lock(m_mutex);
        EXPECT_TRUE(orders.emplace(item.GetOrderId(), item).second) << item.GetOrderId();
    }
    void OnUpdateItem(const DataSheetItemBase& item) override
    {
        std::lock_guard lock(m_mutex);
        ASSERT_TRUE(orders.contains(item.GetOrderId()));
        orders[item.GetOrderId()] = item;
    }
    void OnDeleteItem(const DataSheetItemBase& item) override
    {
        std::lock_guard lock(m_mutex);
        EXPECT_EQ(orders.erase(item.GetOrderId()), 1u) << item.GetOrderId();
    }
    void OnDeletePage(const DataSheetItemBase& item) override { ADD_FAILURE() << "the feed deletes no pages"; }
    void OnSetExtraData(const CurrentState& state) override
    {
        std::lock_guard lock(m_mutex);
        lastPrice = state.GetDouble(SeriesIds::kPrice);
        ++extraData;
    }
    void OnSessionChange(const Asset& asset, const NDateTime& time) override { ++sessionChanges; }

    std::vector<DataSheetItemBase> Sorted() const
    {
        std::lock_guard lock(m_mutex);
        std::vector<DataSheetItemBase> items;
        for (const auto& entry : orders)
            items.push_back(entry.second);
        return items;
    }

    int expected = -1;
    std::map<std::string, DataSheetItemBase> orders;
    double lastPrice = 0.0;
    int extraData = 0;
    std::atomic<int> sessionChanges = 0;

private:
    mutable std::mutex m_mutex;
};

class QuoteCounter : public IQuotesReceiver
{
public:
    void OnQuote(const Asset& asset, const CurrentState& state) override
    {
        ++quotes;
        tickers.push_back(asset.GetShortName());
        if (removeSelfFrom)
        {
            EXPECT_TRUE(removeSelfFrom->RemoveQuotesReceiver(this, asset));
            removeSelfFrom = nullptr;
        }
    }
    void OnTransaction(const Asset& asset, const Transaction& transaction) override { ++transactions; }
    void OnOrderBook(const Asset& asset, const OrderBook& book) override
    {
        ++books;
        EXPECT_EQ(book.bids.size(), static_cast<std::size_t>(SimOrderBook::kRequiredLevels));
    }

    int quotes = 0;
    int transactions = 0;
    int books = 0;
    std::vector<QString> tickers;
    SimFeed* removeSelfFrom = nullptr;
};

class StatisticsCounter : public IStatisticsSessionReceiver
{
public:
    bool SetNewStatistics(const SessionStatistics& statistics) override
    {
        ++received;
        rises = statistics.GetHighestAssetsList(AssetStatisticRises).size();
        return true;
    }
    void OnSessionChange() override { ++sessionChanges; }

    int received = 0;
    std::size_t rises = 0;
    int sessionChanges = 0;
};

std::vector<DataSheetItemBase> SortedById(std::vector<DataSheetItemBase> items)
{
    std::sort(items.begin(), items.end(),
              [](const DataSheetItemBase& a, const DataSheetItemBase& b) { return a.GetOrderId() < b.GetOrderId(); });
    return items;
}
}

TEST(SimFeedTest, AnOrdersSheetRebuildsTheBookFromItsDeliveries)
{
    SimFeed feed(nullptr, Options());
    const Asset asset = feed.Assets().at(3);
    BookKeeper keeper;
    ASSERT_TRUE(feed.AddOrdersSheetReceiver(&keeper, asset));
    EXPECT_FALSE(feed.AddOrdersSheetReceiver(&keeper, asset));
    EXPECT_EQ(keeper.expected, -1);   // the book comes with the next step, on the stepping thread

    for (int step = 0; step < 200; ++step)
        feed.Step(At(6, step));

    EXPECT_GT(keeper.expected, 2 * SimOrderBook::kRequiredLevels);
    // The feed's own market is out of reach; a twin of the same seed shows its end state.
    class TickCounter : public ISimMarketListener
    {
    public:
        void OnSessionChange(const NDateTime&) override {}
        void OnInstrumentTick(std::size_t instrument, const Transaction&, const std::vector<SimOrderEvent>&,
                              const CurrentState&) override
        {
            ticks += instrument == 3 ? 1 : 0;
        }
        int ticks = 0;
    } counter;
    SimMarket reference(42);
    for (int step = 0; step < 200; ++step)
        reference.Step(At(6, step), 40, counter);
    EXPECT_EQ(keeper.extraData, 1 + counter.ticks);
    EXPECT_EQ(keeper.Sorted(), SortedById(reference.Orders(3)));
    EXPECT_EQ(keeper.lastPrice, reference.State(3).GetDouble(SeriesIds::kPrice));

    EXPECT_TRUE(feed.RemoveOrdersSheetReceiver(&keeper, asset));
    EXPECT_FALSE(feed.RemoveOrdersSheetReceiver(&keeper, asset));
}

TEST(SimFeedTest, QuotesGoToTheReceiversOfTheirInstrumentUntilRemoved)
{
    SimFeed feed(nullptr, Options());
    const Asset first = feed.Assets().at(0);
    QuoteCounter counter;
    QuoteCounter selfRemoving;
    ASSERT_TRUE(feed.AddQuotesReceiver(&counter, first));
    ASSERT_TRUE(feed.AddQuotesReceiver(&selfRemoving, first));
    selfRemoving.removeSelfFrom = &feed;
    EXPECT_FALSE(feed.AddQuotesReceiver(&counter, Asset(nullptr, {}, QStringLiteral("NIEMA"), {}, {})));

    for (int step = 0; step < 50; ++step)
        feed.Step(At(6, step));
    // The state and book come first, then with every trade.
    ASSERT_GT(counter.transactions, 0);
    EXPECT_EQ(counter.quotes, 1 + counter.transactions);
    EXPECT_EQ(counter.quotes, counter.books);
    for (const QString& ticker : counter.tickers)
        EXPECT_EQ(ticker, first.GetShortName());
    EXPECT_EQ(selfRemoving.quotes, 1);

    ASSERT_TRUE(feed.RemoveQuotesReceiver(&counter, first));
    const int before = counter.quotes;
    for (int step = 50; step < 100; ++step)
        feed.Step(At(6, step));
    EXPECT_EQ(counter.quotes, before);
    EXPECT_EQ(selfRemoving.quotes, 1);
}

TEST(SimFeedTest, StatisticsComeEveryFewStepsAndSessionsChangeForEveryone)
{
    SimFeed feed(nullptr, Options(5));
    StatisticsCounter statistics;
    BookKeeper keeper;
    ASSERT_TRUE(feed.AddStatisticsSessionReceiver(&statistics));
    ASSERT_TRUE(feed.AddOrdersSheetReceiver(&keeper, feed.Assets().at(1)));
    for (int step = 0; step < 20; ++step)
        feed.Step(At(6, step));
    EXPECT_EQ(statistics.received, 4);
    EXPECT_GT(statistics.rises, 0u);

    feed.Step(At(7, 0));
    EXPECT_EQ(statistics.sessionChanges, 1);
    EXPECT_EQ(keeper.sessionChanges, 1);

    feed.DropReceivers();
    for (int step = 1; step < 20; ++step)
        feed.Step(At(7, step));
    EXPECT_EQ(statistics.received, 4);
}

TEST(SimFeedTest, LastTimeIsTheTimeOfTheLastStep)
{
    SimFeed feed(nullptr, Options());
    NDateTime time;
    EXPECT_FALSE(feed.GetLastTime(time));
    feed.Step(At(6, 30));
    ASSERT_TRUE(feed.GetLastTime(time));
    EXPECT_EQ(time.FormatTime(), QStringLiteral("09:00:30"));
}

// Receivers come and go on other threads while the feed ticks on its own; a receiver is
// destroyed as soon as its removal returns. Run under ThreadSanitizer.
TEST(SimFeedTest, DeliversFromItsThreadWhileReceiversComeAndGo)
{
    SimFeedOptions options = Options(1);
    options.ticksPerStep = 20;
    SimFeed feed(nullptr, options);
    std::atomic<int> steps = 0;
    SimFeedThread thread(feed, [&steps] { ++steps; });
    ASSERT_TRUE(thread.StartTicking(std::chrono::milliseconds(1)));

    std::atomic<bool> failed = false;
    auto churn = [&](int seed) {
        for (int round = 0; round < 60; ++round)
        {
            const Asset& asset = feed.Assets().at(static_cast<std::size_t>((seed + round) % 5));
            auto quotes = std::make_unique<QuoteCounter>();
            auto keeper = std::make_unique<BookKeeper>();
            auto statistics = std::make_unique<StatisticsCounter>();
            if (!feed.AddQuotesReceiver(quotes.get(), asset) || !feed.AddOrdersSheetReceiver(keeper.get(), asset)
                || !feed.AddStatisticsSessionReceiver(statistics.get()))
                failed = true;
            std::this_thread::sleep_for(std::chrono::microseconds(300 * (round % 4)));
            if (!feed.RemoveQuotesReceiver(quotes.get(), asset) || !feed.RemoveOrdersSheetReceiver(keeper.get(), asset)
                || !feed.RemoveStatisticsSessionReceiver(statistics.get()))
                failed = true;
        }
    };
    std::thread a(churn, 0);
    std::thread b(churn, 2);
    a.join();
    b.join();
    thread.Stop();
    EXPECT_FALSE(failed.load());
    EXPECT_GT(steps.load(), 0);
}
