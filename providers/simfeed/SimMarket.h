#pragma once
// The simulated market: every instrument of the catalogue with its price, its figures of the
// session and its order book. Each tick one instrument, chosen at random, trades: its price
// takes a random step of at most two ticks within the session's price limits, and its book
// follows. Everything follows from the seed and the times given, so two markets made with the
// same seed and stepped at the same times tell exactly the same story.

#include "platform/modules/CurrentState.h"
#include "platform/modules/NDateTime.h"
#include "platform/modules/SessionStatistics.h"
#include "providers/simfeed/SimInstrument.h"
#include "providers/simfeed/SimOrderBook.h"
#include "providers/simfeed/SimRandom.h"

#include <QDate>

#include <cstdint>
#include <vector>

class ISimMarketListener;

class SimMarket
{
public:
    // The price limits of a session, in percent of the reference price.
    static constexpr int kLimitPercent = 10;

    explicit SimMarket(std::uint64_t seed);

    std::size_t InstrumentCount() const { return m_instruments.size(); }
    const SimInstrument& Instrument(std::size_t index) const { return m_instruments[index].info; }
    const CurrentState& State(std::size_t index) const { return m_instruments[index].state; }
    OrderBook Book(std::size_t index, int maxLevels) const { return m_instruments[index].book.Levels(maxLevels); }
    std::int64_t LastTicks(std::size_t index) const { return m_instruments[index].lastTicks; }
    std::vector<DataSheetItemBase> Orders(std::size_t index) const { return m_instruments[index].book.Orders(); }

    // ticks instrument ticks at the time now; a day later than the last step's first starts a
    // new session.
    void Step(const NDateTime& now, int ticks, ISimMarketListener& listener);

    // The rankings and overall figures of the session so far.
    SessionStatistics BuildStatistics() const;

private:
    struct InstrumentState
    {
        explicit InstrumentState(const SimInstrument& instrument);

        const SimInstrument& info;
        SimOrderBook book;
        CurrentState state;
        std::int64_t referenceTicks = 0;
        std::int64_t lastTicks = 0;
        std::int64_t openTicks = 0;
        std::int64_t highTicks = 0;
        std::int64_t lowTicks = 0;
        double totalVolume = 0.0;
        double turnover = 0.0;
        std::uint32_t transactions = 0;
    };

    void StartSession(InstrumentState& instrument);
    void Tick(InstrumentState& instrument, const NDateTime& now, ISimMarketListener& listener, std::size_t index);
    std::int64_t UpperLimit(const InstrumentState& instrument) const;
    std::int64_t LowerLimit(const InstrumentState& instrument) const;
    void FillState(InstrumentState& instrument, double lastVolume, const NDateTime& now);
    double ChangePercent(const InstrumentState& instrument) const;

    SimRandom m_random;
    std::vector<InstrumentState> m_instruments;
    QDate m_sessionDate;
    std::uint64_t m_nextTransactionId = 1;
    std::vector<SimOrderEvent> m_events;
};
