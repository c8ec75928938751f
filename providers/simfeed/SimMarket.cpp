#include "providers/simfeed/SimMarket.h"

#include "platform/modules/SeriesIds.h"
#include "platform/modules/Transaction.h"
#include "providers/simfeed/ISimMarketListener.h"
#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimCatalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
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
    , fairTicks(static_cast<double>(instrument.referenceTicks))
{
}

SimMarket::SimMarket(std::uint64_t seed)
    : m_random(seed)
    , m_lastOpenStep(std::numeric_limits<double>::quiet_NaN())
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
    instrument.fairTicks = static_cast<double>(instrument.lastTicks);
    instrument.volumeDue = 0.0;
    FillState(instrument, -1.0, instrument.state.GetTime());
}

void SimMarket::Advance(InstrumentState& instrument, double seconds)
{
    const double share = seconds / SimCalendar::SessionSeconds();
    instrument.volumeDue += instrument.info.dailyVolume * share;
    const double swingTicks = instrument.info.dailySwing * static_cast<double>(instrument.referenceTicks);
    instrument.fairTicks = std::clamp(instrument.fairTicks + swingTicks * std::sqrt(share) * m_random.Normal(),
                                      static_cast<double>(LowerLimit(instrument)),
                                      static_cast<double>(UpperLimit(instrument)));
}

std::optional<PriceBar> SimMarket::SessionBar(std::size_t index) const
{
    const InstrumentState& instrument = m_instruments[index];
    if (!m_sessionDate.isValid() || instrument.openTicks == 0)
        return std::nullopt;
    PriceBar bar;
    bar.time = NDateTime(QDateTime(m_sessionDate, QTime(0, 0)));
    bar.open = instrument.info.Price(instrument.openTicks);
    bar.high = instrument.info.Price(instrument.highTicks);
    bar.low = instrument.info.Price(instrument.lowTicks);
    bar.close = instrument.info.Price(instrument.lastTicks);
    bar.volume = instrument.totalVolume;
    return bar;
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
    const QDateTime local = now.IsValid() ? now.ToQDateTime() : QDateTime();
    m_open = local.isValid() && SimCalendar::IsOpen(local.date(), local.time());
    if (!m_open)
        return;
    const double nowDays = now.ToDayCount();
    const QDate date = local.date();
    if (!m_sessionDate.isValid() || date > m_sessionDate)
    {
        const bool newSession = m_sessionDate.isValid();
        m_sessionDate = date;
        if (newSession)
        {
            for (InstrumentState& instrument : m_instruments)
                StartSession(instrument);
            listener.OnSessionChange(now);
            // A market that ran through the night trades from the opening bell on.
            m_lastOpenStep = NDateTime(QDateTime(date, SimCalendar::SessionOpen())).ToDayCount();
        }
    }
    if (!std::isnan(m_lastOpenStep) && nowDays > m_lastOpenStep)
    {
        const double seconds = (nowDays - m_lastOpenStep) * 86400.0;
        for (InstrumentState& instrument : m_instruments)
            Advance(instrument, seconds);
    }
    if (std::isnan(m_lastOpenStep) || nowDays > m_lastOpenStep)
        m_lastOpenStep = nowDays;
    for (int i = 0; i < ticks; ++i)
    {
        const auto index = static_cast<std::size_t>(m_random.NextInt(0, static_cast<std::int64_t>(m_instruments.size()) - 1));
        Tick(m_instruments[index], now, listener, index);
    }
}

void SimMarket::Tick(InstrumentState& instrument, const NDateTime& now, ISimMarketListener& listener, std::size_t index)
{
    // Less than a share built up: nothing to trade yet.
    if (instrument.volumeDue < 1.0)
        return;
    const double volume = std::max(1.0, std::floor(instrument.volumeDue * (0.3 + 0.7 * m_random.Uniform())));
    instrument.volumeDue -= volume;
    // Trades scatter a tick around the fair price, as they meet the bid or the ask.
    const std::int64_t last = std::clamp<std::int64_t>(std::llround(instrument.fairTicks + m_random.Uniform() - 0.5),
                                         LowerLimit(instrument), UpperLimit(instrument));
    const double price = instrument.info.Price(last);
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
