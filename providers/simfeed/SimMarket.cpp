#include "providers/simfeed/SimMarket.h"

#include "platform/modules/SeriesIds.h"
#include "platform/modules/Transaction.h"
#include "providers/simfeed/ISimMarketListener.h"
#include "providers/simfeed/SimCatalogue.h"

#include <algorithm>

namespace
{
// Steps of the walk in ticks, by chance in 100: -2 (8), -1 (22), 0 (40), +1 (22), +2 (8).
std::int64_t WalkStep(SimRandom& random)
{
    const std::int64_t roll = random.NextInt(0, 99);
    if (roll < 8)
        return -2;
    if (roll < 30)
        return -1;
    if (roll < 70)
        return 0;
    if (roll < 92)
        return 1;
    return 2;
}

void SetOrMissing(CurrentState& state, ESeriesID seriesId, bool present, double value)
{
    if (present)
        state.Set(seriesId, value);
    else
        state.SetMissing(seriesId);
}
}

SimMarket::InstrumentState::InstrumentState(const SimInstrument& instrument)
    : info(instrument)
    , book(instrument)
    , referenceTicks(instrument.referenceTicks)
    , lastTicks(instrument.referenceTicks)
{
}

SimMarket::SimMarket(std::uint64_t seed)
    : m_random(seed)
{
    const std::vector<SimInstrument>& catalogue = SimCatalogue::Instruments();
    m_instruments.reserve(catalogue.size());
    for (const SimInstrument& instrument : catalogue)
    {
        InstrumentState& state = m_instruments.emplace_back(instrument);
        state.book.Reprice(state.lastTicks, m_random, m_events);
        StartSession(state);
    }
    m_events.clear();
}

std::int64_t SimMarket::UpperLimit(const InstrumentState& instrument) const
{
    return instrument.referenceTicks + instrument.referenceTicks * kLimitPercent / 100;
}

std::int64_t SimMarket::LowerLimit(const InstrumentState& instrument) const
{
    return instrument.referenceTicks - instrument.referenceTicks * kLimitPercent / 100;
}

double SimMarket::ChangePercent(const InstrumentState& instrument) const
{
    return static_cast<double>(instrument.lastTicks - instrument.referenceTicks) * 100.0
         / static_cast<double>(instrument.referenceTicks);
}

void SimMarket::StartSession(InstrumentState& instrument)
{
    instrument.referenceTicks = instrument.lastTicks;
    instrument.openTicks = 0;
    instrument.highTicks = 0;
    instrument.lowTicks = 0;
    instrument.totalVolume = 0.0;
    instrument.turnover = 0.0;
    instrument.transactions = 0;
    FillState(instrument, -1.0, instrument.state.GetTime());
}

void SimMarket::FillState(InstrumentState& instrument, double lastVolume, const NDateTime& now)
{
    const SimInstrument& info = instrument.info;
    CurrentState& state = instrument.state;
    const bool traded = instrument.openTicks > 0;
    state.SetTime(now);
    SetOrMissing(state, SeriesIds::kTime, now.IsValid(), now.ToDayCount());
    state.Set(SeriesIds::kPrice, info.Price(instrument.lastTicks));
    SetOrMissing(state, SeriesIds::kVolume, lastVolume >= 0.0, lastVolume);
    state.Set(SeriesIds::kChangePercent, ChangePercent(instrument));
    state.Set(SeriesIds::kChange, info.Price(instrument.lastTicks - instrument.referenceTicks));
    state.Set(SeriesIds::kTransactions, instrument.transactions);
    SetOrMissing(state, SeriesIds::kOpen, traded, info.Price(instrument.openTicks));
    SetOrMissing(state, SeriesIds::kHigh, traded, info.Price(instrument.highTicks));
    SetOrMissing(state, SeriesIds::kLow, traded, info.Price(instrument.lowTicks));
    state.SetMissing(SeriesIds::kClose);
    state.Set(SeriesIds::kReference, info.Price(instrument.referenceTicks));
    state.Set(SeriesIds::kTurnover, instrument.turnover);
    state.Set(SeriesIds::kTotalVolume, instrument.totalVolume);
    state.Set(SeriesIds::kUpperLimit, info.Price(UpperLimit(instrument)));
    state.Set(SeriesIds::kLowerLimit, info.Price(LowerLimit(instrument)));

    const OrderBook best = instrument.book.Levels(SeriesIds::kOfferLevels);
    for (int i = 0; i < SeriesIds::kOfferLevels; ++i)
    {
        const bool bid = i < static_cast<int>(best.bids.size());
        const bool ask = i < static_cast<int>(best.asks.size());
        SetOrMissing(state, SeriesIds::kBidPrice1 + i, bid, bid ? best.bids[i].price : 0.0);
        SetOrMissing(state, SeriesIds::kBidVolume1 + i, bid, bid ? best.bids[i].volume : 0.0);
        SetOrMissing(state, SeriesIds::kBidCount1 + i, bid, bid ? best.bids[i].count : 0);
        SetOrMissing(state, SeriesIds::kAskPrice1 + i, ask, ask ? best.asks[i].price : 0.0);
        SetOrMissing(state, SeriesIds::kAskVolume1 + i, ask, ask ? best.asks[i].volume : 0.0);
        SetOrMissing(state, SeriesIds::kAskCount1 + i, ask, ask ? best.asks[i].count : 0);
    }
}

void SimMarket::Step(const NDateTime& now, int ticks, ISimMarketListener& listener)
{
    const QDate date = now.IsValid() ? now.ToQDateTime().date() : QDate();
    if (date.isValid() && (!m_sessionDate.isValid() || date > m_sessionDate))
    {
        const bool newSession = m_sessionDate.isValid();
        m_sessionDate = date;
        if (newSession)
        {
            for (InstrumentState& instrument : m_instruments)
                StartSession(instrument);
            listener.OnSessionChange(now);
        }
    }
    for (int i = 0; i < ticks; ++i)
    {
        const auto index = static_cast<std::size_t>(m_random.NextInt(0, static_cast<std::int64_t>(m_instruments.size()) - 1));
        Tick(m_instruments[index], now, listener, index);
    }
}

void SimMarket::Tick(InstrumentState& instrument, const NDateTime& now, ISimMarketListener& listener, std::size_t index)
{
    const std::int64_t step = WalkStep(m_random);
    const std::int64_t last = std::clamp(instrument.lastTicks + step, LowerLimit(instrument), UpperLimit(instrument));
    const double price = instrument.info.Price(last);
    const double volume = static_cast<double>(m_random.NextInt(1, price < 50.0 ? 400 : 100));
    Transaction::Initiator initiator = Transaction::Initiator::Seller;
    if (last > instrument.lastTicks || (last == instrument.lastTicks && m_random.Chance(50)))
        initiator = Transaction::Initiator::Buyer;

    m_events.clear();
    instrument.book.Reprice(last, m_random, m_events);

    instrument.lastTicks = last;
    if (instrument.openTicks == 0)
    {
        instrument.openTicks = last;
        instrument.highTicks = last;
        instrument.lowTicks = last;
    }
    instrument.highTicks = std::max(instrument.highTicks, last);
    instrument.lowTicks = std::min(instrument.lowTicks, last);
    instrument.totalVolume += volume;
    instrument.turnover += volume * price;
    ++instrument.transactions;
    FillState(instrument, volume, now);

    Transaction transaction;
    transaction.id = m_nextTransactionId++;
    transaction.time = now;
    transaction.price = price;
    transaction.volume = volume;
    transaction.initiator = initiator;
    listener.OnInstrumentTick(index, transaction, m_events, instrument.state);
}

SessionStatistics SimMarket::BuildStatistics() const
{
    struct Entry
    {
        std::shared_ptr<AssetStatistics> statistics;
        std::int64_t changeTicks;
    };
    std::vector<Entry> entries;
    entries.reserve(m_instruments.size());
    auto increase = std::make_shared<SessionStatistics::GeneralData>();
    auto decrease = std::make_shared<SessionStatistics::GeneralData>();
    auto noChange = std::make_shared<SessionStatistics::GeneralData>();
    for (const InstrumentState& instrument : m_instruments)
    {
        auto statistics = std::make_shared<AssetStatistics>(instrument.info.ticker, ChangePercent(instrument),
                                                            instrument.info.Price(instrument.lastTicks),
                                                            instrument.turnover, instrument.totalVolume,
                                                            instrument.transactions);
        const std::int64_t changeTicks = instrument.lastTicks - instrument.referenceTicks;
        SessionStatistics::GeneralData& general = changeTicks > 0 ? *increase : changeTicks < 0 ? *decrease : *noChange;
        ++general.instruments;
        general.turnover += statistics->turnover;
        general.volume += statistics->volume;
        general.transactions += statistics->transactions;
        entries.push_back({std::move(statistics), changeTicks});
    }

    // Stable sorts keep the catalogue's order among equals, so a ranking follows from the state alone.
    auto ranking = [&entries](auto keep, auto before) {
        std::vector<Entry> chosen;
        std::copy_if(entries.begin(), entries.end(), std::back_inserter(chosen), keep);
        std::stable_sort(chosen.begin(), chosen.end(), before);
        SessionStatistics::AssetsList list;
        for (const Entry& entry : chosen)
            list.push_back(entry.statistics);
        return list;
    };
    SessionStatistics statistics;
    statistics.SetHighestAssetsList(AssetStatisticRises,
        ranking([](const Entry& e) { return e.changeTicks > 0; },
                [](const Entry& a, const Entry& b) { return a.statistics->change > b.statistics->change; }));
    statistics.SetHighestAssetsList(AssetStatisticFalls,
        ranking([](const Entry& e) { return e.changeTicks < 0; },
                [](const Entry& a, const Entry& b) { return a.statistics->change < b.statistics->change; }));
    statistics.SetHighestAssetsList(AssetStatisticTurnover,
        ranking([](const Entry& e) { return e.statistics->turnover > 0.0; },
                [](const Entry& a, const Entry& b) { return a.statistics->turnover > b.statistics->turnover; }));
    statistics.SetHighestAssetsList(AssetStatisticTransactions,
        ranking([](const Entry& e) { return e.statistics->transactions > 0; },
                [](const Entry& a, const Entry& b) { return a.statistics->transactions > b.statistics->transactions; }));
    statistics.SetGeneralInfo(increase, decrease, noChange);
    return statistics;
}
