#include "platform/modules/SeriesIds.h"
#include "platform/modules/Transaction.h"
#include "providers/simfeed/ISimMarketListener.h"
#include "providers/simfeed/SimCatalogue.h"
#include "providers/simfeed/SimMarket.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTime>

#include <gtest/gtest.h>
#include <vector>

namespace
{
NDateTime At(int day, int second)
{
    return NDateTime(QDateTime(QDate(2024, 5, day), QTime(9, 0).addSecs(second)));
}

// Keeps everything the market tells, as plain values that compare.
class Recorder : public ISimMarketListener
{
public:
    struct Tick
    {
        std::size_t instrument;
        Transaction transaction;
        std::vector<DataSheetItemBase> items;
        std::vector<SimOrderEvent::Kind> kinds;
        CurrentState state;

        friend bool operator==(const Tick& a, const Tick& b) = default;
    };

    void OnSessionChange(const NDateTime& time) override { sessionChanges.push_back(time); }
    void OnInstrumentTick(std::size_t instrument, const Transaction& transaction,
                          const std::vector<SimOrderEvent>& orderEvents, const CurrentState& state) override
    {
        Tick tick{instrument, transaction, {}, {}, state};
        for (const SimOrderEvent& event : orderEvents)
        {
            tick.items.push_back(event.item);
            tick.kinds.push_back(event.kind);
        }
        ticks.push_back(tick);
    }

    std::vector<NDateTime> sessionChanges;
    std::vector<Tick> ticks;
};

std::vector<Recorder::Tick> RunMarket(std::uint64_t seed, int steps)
{
    SimMarket market(seed);
    Recorder recorder;
    for (int i = 0; i < steps; ++i)
        market.Step(At(6, i), 8, recorder);
    return recorder.ticks;
}
}

TEST(SimCatalogueTest, HoldsEnoughInstrumentsOnSeveralMarketsWithValidCodes)
{
    const std::vector<SimInstrument>& instruments = SimCatalogue::Instruments();
    ASSERT_GE(instruments.size(), 40u);
    QSet<QString> tickers;
    QSet<QString> markets;
    for (const SimInstrument& instrument : instruments)
    {
        tickers.insert(instrument.ticker);
        markets.insert(instrument.market);
        ASSERT_EQ(instrument.isin.size(), 12) << instrument.ticker.toStdString();
        EXPECT_EQ(instrument.isin.back(), SimCatalogue::IsinCheckDigit(instrument.isin.left(11)));
        // Room for every bid level below the lowest price of a session.
        EXPECT_GT(instrument.referenceTicks * (100 - SimMarket::kLimitPercent) / 100, SimOrderBook::kMaxDistance);
    }
    EXPECT_EQ(tickers.size(), static_cast<qsizetype>(instruments.size()));
    EXPECT_GE(markets.size(), 3);
}

TEST(SimCatalogueTest, IsinCheckDigit)
{
    EXPECT_EQ(SimCatalogue::IsinCheckDigit(QStringLiteral("US037833100")), QLatin1Char('5'));
    EXPECT_EQ(SimCatalogue::IsinCheckDigit(QStringLiteral("DE000514000")), QLatin1Char('8'));
    EXPECT_EQ(SimCatalogue::IsinCheckDigit(QStringLiteral("short")), QLatin1Char('?'));
    EXPECT_EQ(SimCatalogue::IsinCheckDigit(QStringLiteral("pl123456789")), QLatin1Char('?'));
}

TEST(SimMarketTest, TheSameSeedTellsTheSameStory)
{
    const std::vector<Recorder::Tick> first = RunMarket(7, 200);
    const std::vector<Recorder::Tick> second = RunMarket(7, 200);
    // Some ticks find too little volume built up to trade.
    ASSERT_GT(first.size(), 1000u);
    ASSERT_LE(first.size(), 1600u);
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first == RunMarket(8, 200));
}

TEST(SimMarketTest, BooksStaySortedWithBidsBelowAsksAndEnoughLevels)
{
    SimMarket market(11);
    Recorder recorder;
    for (int step = 0; step < 500; ++step)
    {
        market.Step(At(6, step), 8, recorder);
        for (std::size_t i = 0; i < market.InstrumentCount(); ++i)
        {
            const OrderBook book = market.Book(i, 100);
            ASSERT_GE(book.bids.size(), static_cast<std::size_t>(SimOrderBook::kRequiredLevels));
            ASSERT_GE(book.asks.size(), static_cast<std::size_t>(SimOrderBook::kRequiredLevels));
            ASSERT_LT(book.bids.front().price, book.asks.front().price);
            for (std::size_t l = 1; l < book.bids.size(); ++l)
                ASSERT_LT(book.bids[l].price, book.bids[l - 1].price);
            for (std::size_t l = 1; l < book.asks.size(); ++l)
                ASSERT_GT(book.asks[l].price, book.asks[l - 1].price);
            const CurrentState& state = market.State(i);
            const double price = state.GetDouble(SeriesIds::kPrice);
            ASSERT_LT(book.bids.front().price, price);
            ASSERT_GT(book.asks.front().price, price);
            ASSERT_GE(price, state.GetDouble(SeriesIds::kLowerLimit));
            ASSERT_LE(price, state.GetDouble(SeriesIds::kUpperLimit));
            ASSERT_EQ(state.GetDouble(SeriesIds::kBidPrice1), book.bids.front().price);
            ASSERT_EQ(state.GetDouble(SeriesIds::kAskPrice1), book.asks.front().price);
        }
    }
}

TEST(SimMarketTest, TicksCarryTheSessionFiguresOfTheirInstrument)
{
    SimMarket market(3);
    Recorder recorder;
    for (int step = 0; step < 300; ++step)
        market.Step(At(6, step), 4, recorder);

    std::vector<double> volume(market.InstrumentCount(), 0.0);
    std::vector<double> high(market.InstrumentCount(), 0.0);
    for (const Recorder::Tick& tick : recorder.ticks)
    {
        volume[tick.instrument] += tick.transaction.volume;
        high[tick.instrument] = std::max(high[tick.instrument], tick.transaction.price);
        EXPECT_EQ(tick.state.GetDouble(SeriesIds::kPrice), tick.transaction.price);
        EXPECT_EQ(tick.state.GetTime(), tick.transaction.time);
    }
    for (std::size_t i = 0; i < market.InstrumentCount(); ++i)
    {
        const CurrentState& state = market.State(i);
        EXPECT_DOUBLE_EQ(state.GetDouble(SeriesIds::kTotalVolume), volume[i]);
        if (volume[i] > 0.0)
            EXPECT_EQ(state.GetDouble(SeriesIds::kHigh), high[i]);
        else
            EXPECT_FALSE(state.Find(SeriesIds::kHigh)->HasValue());
    }
    for (std::size_t t = 1; t < recorder.ticks.size(); ++t)
        EXPECT_EQ(recorder.ticks[t].transaction.id, recorder.ticks[t - 1].transaction.id + 1);
}

TEST(SimMarketTest, ANewDayStartsANewSessionFromTheLastPrice)
{
    SimMarket market(5);
    Recorder recorder;
    for (int step = 0; step < 100; ++step)
        market.Step(At(6, step), 8, recorder);
    const double lastPrice = market.State(0).GetDouble(SeriesIds::kPrice);
    EXPECT_TRUE(recorder.sessionChanges.empty());

    market.Step(At(7, 0), 0, recorder);
    ASSERT_EQ(recorder.sessionChanges.size(), 1u);
    const CurrentState& state = market.State(0);
    EXPECT_EQ(state.GetDouble(SeriesIds::kReference), lastPrice);
    EXPECT_EQ(state.GetDouble(SeriesIds::kTransactions), 0.0);
    EXPECT_EQ(state.GetDouble(SeriesIds::kTotalVolume), 0.0);
    EXPECT_FALSE(state.Find(SeriesIds::kOpen)->HasValue());

    // An earlier time (a clock set back) starts nothing.
    market.Step(At(6, 500), 1, recorder);
    EXPECT_EQ(recorder.sessionChanges.size(), 1u);
}

TEST(SimMarketTest, StatisticsRankTheSession)
{
    SimMarket market(9);
    Recorder recorder;
    for (int step = 0; step < 400; ++step)
        market.Step(At(6, step), 8, recorder);
    const SessionStatistics statistics = market.BuildStatistics();

    const auto& rises = statistics.GetHighestAssetsList(AssetStatisticRises);
    const auto& falls = statistics.GetHighestAssetsList(AssetStatisticFalls);
    const auto& turnover = statistics.GetHighestAssetsList(AssetStatisticTurnover);
    ASSERT_FALSE(rises.empty());
    ASSERT_FALSE(falls.empty());
    for (std::size_t i = 1; i < rises.size(); ++i)
        EXPECT_GE(rises[i - 1]->change, rises[i]->change);
    for (std::size_t i = 1; i < falls.size(); ++i)
        EXPECT_LE(falls[i - 1]->change, falls[i]->change);
    for (std::size_t i = 1; i < turnover.size(); ++i)
        EXPECT_GE(turnover[i - 1]->turnover, turnover[i]->turnover);
    EXPECT_GT(rises.back()->change, 0.0);
    EXPECT_LT(falls.back()->change, 0.0);

    const auto increase = statistics.GetGeneralIncreaseInfo();
    const auto decrease = statistics.GetGeneralDecreaseInfo();
    const auto noChange = statistics.GetGeneralNoChangeInfo();
    EXPECT_EQ(increase->instruments, rises.size());
    EXPECT_EQ(decrease->instruments, falls.size());
    EXPECT_EQ(increase->instruments + decrease->instruments + noChange->instruments, market.InstrumentCount());
    EXPECT_EQ(increase->transactions + decrease->transactions + noChange->transactions, recorder.ticks.size());
    EXPECT_TRUE(statistics.GetHighestAssetsList(static_cast<EAssetStatisticType>(4)).empty());
}
