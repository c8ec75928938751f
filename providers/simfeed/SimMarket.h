#pragma once
// The simulated market: every instrument of the catalogue with its price, its figures of the
// session and its order book. It trades only while the calendar's session runs. Time moves each
// instrument's fair price by a random walk scaled to its usual daily swing, within the session's
// price limits, and builds up volume to trade at the rate of its usual daily volume, so a whole
// session ends near the volume the history shows whatever the feed's rate. Each tick one
// instrument, chosen at random, trades what has built up (nothing when less than one share has)
// near its fair price, and its book follows. Everything follows from the seed and the times
// given, so two markets made with the same seed and stepped at the same times tell exactly the
// same story.

#include "platform/modules/CurrentState.h"
#include "platform/modules/NDateTime.h"
#include "platform/modules/PriceBar.h"
#include "platform/modules/SessionStatistics.h"
#include "providers/simfeed/SimInstrument.h"
#include "providers/simfeed/SimOrderBook.h"
#include "providers/simfeed/SimRandom.h"

#include <QDate>

#include <cstdint>
#include <optional>
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
    // The price the session started from: the close of the session before.
    std::int64_t ReferenceTicks(std::size_t index) const { return m_instruments[index].referenceTicks; }
    // The day of the session under way or last held; invalid before the first trading step.
    const QDate& SessionDate() const { return m_sessionDate; }
    // The session's own bar of the instrument, stamped at the session's midnight; none before
    // its first trade.
    std::optional<PriceBar> SessionBar(std::size_t index) const;
    // The last step fell within the session's hours.
    bool IsOpen() const { return m_open; }

    // ticks instrument ticks at the time now; outside the session's hours nothing trades. The
    // first step within the hours of a later day than the last session's starts a new session.
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
        // Where the price tends, in ticks, and the shares built up to trade.
        double fairTicks = 0.0;
        double volumeDue = 0.0;
    };

    void StartSession(InstrumentState& instrument);
    // Lets seconds of the session pass for the instrument: its fair price walks, its volume builds up.
    void Advance(InstrumentState& instrument, double seconds);
    void Tick(InstrumentState& instrument, const NDateTime& now, ISimMarketListener& listener, std::size_t index);
    std::int64_t UpperLimit(const InstrumentState& instrument) const;
    std::int64_t LowerLimit(const InstrumentState& instrument) const;
    void FillState(InstrumentState& instrument, double lastVolume, const NDateTime& now);
    double ChangePercent(const InstrumentState& instrument) const;

    SimRandom m_random;
    std::vector<InstrumentState> m_instruments;
    QDate m_sessionDate;
    // Day count of the last step within the session's hours; NaN before the first.
    double m_lastOpenStep;
    bool m_open = false;
    std::uint64_t m_nextTransactionId = 1;
    std::vector<SimOrderEvent> m_events;
};
