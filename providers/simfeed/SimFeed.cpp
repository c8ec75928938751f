#include "providers/simfeed/SimFeed.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/IOrdersSheetReceiver.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/IStatisticsSessionReceiver.h"
#include "platform/modules/SeriesIds.h"
#include "platform/modules/Transaction.h"
#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimCatalogue.h"
#include "providers/simfeed/SimHistory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
const char* const kFile = "SimFeed.cpp";
}

SimFeed::SimFeed(ProviderBase* provider, const SimFeedOptions& options)
    : m_options(options)
    , m_ticksPerStep(options.ticksPerStep)
    , m_market(options.seed)
    , m_lastTime(std::numeric_limits<double>::quiet_NaN())
    , m_lastStep(std::numeric_limits<double>::quiet_NaN())
{
    for (const SimInstrument& instrument : SimCatalogue::Instruments())
        m_assets.emplace_back(provider, instrument.isin, instrument.ticker, instrument.name, instrument.market,
                              AssetParams(AssetParams::kAll));
    m_receivers.resize(m_assets.size());
}

SimFeed::~SimFeed() = default;

std::optional<std::size_t> SimFeed::IndexOf(const Asset& asset) const
{
    for (std::size_t i = 0; i < m_assets.size(); ++i)
    {
        const Asset& known = m_assets[i];
        if (known.GetShortName() == asset.GetShortName()
            && (asset.GetMarket().isEmpty() || known.GetMarket() == asset.GetMarket()))
            return i;
    }
    return std::nullopt;
}

std::vector<DSProp> SimFeed::Series()
{
    using namespace SeriesIds;
    std::vector<DSProp> series = {
        {kTime, QStringLiteral("Czas")},
        {kPrice, QStringLiteral("Kurs"), 2, DSProp::kDefaultAggrType, 2},
        {kVolume, QStringLiteral("Wolumen"), 0},
        {kChangePercent, QStringLiteral("Zmiana %"), 2, DSProp::kDefaultAggrType, 2},
        {kTransactions, QStringLiteral("Liczba transakcji"), 0},
        {kOpen, QStringLiteral("Otwarcie"), 2, DSProp::kDefaultAggrType, 2},
        {kHigh, QStringLiteral("Maksimum"), 2, DSProp::kDefaultAggrType, 2},
        {kLow, QStringLiteral("Minimum"), 2, DSProp::kDefaultAggrType, 2},
        {kClose, QStringLiteral("Zamknięcie"), 2, DSProp::kDefaultAggrType, 2},
        {kReference, QStringLiteral("Odniesienie"), 2, DSProp::kDefaultAggrType, 2},
        {kTurnover, QStringLiteral("Obrót"), 0},
        {kTotalVolume, QStringLiteral("Wolumen razem"), 0},
        {kChange, QStringLiteral("Zmiana"), 2, DSProp::kDefaultAggrType, 2},
        {kUpperLimit, QStringLiteral("Limit górny"), 2, DSProp::kDefaultAggrType, 2},
        {kLowerLimit, QStringLiteral("Limit dolny"), 2, DSProp::kDefaultAggrType, 2},
    };
    for (int i = 0; i < kOfferLevels; ++i)
    {
        const QString level = QString::number(i + 1);
        series.emplace_back(kBidPrice1 + i, QStringLiteral("Oferta kupna ") + level, 2, DSProp::kDefaultAggrType, 2);
        series.emplace_back(kAskPrice1 + i, QStringLiteral("Oferta sprzedaży ") + level, 2, DSProp::kDefaultAggrType, 2);
        series.emplace_back(kBidVolume1 + i, QStringLiteral("Wolumen oferty kupna ") + level, 0);
        series.emplace_back(kAskVolume1 + i, QStringLiteral("Wolumen oferty sprzedaży ") + level, 0);
        series.emplace_back(kBidCount1 + i, QStringLiteral("Liczba ofert kupna ") + level, 0);
        series.emplace_back(kAskCount1 + i, QStringLiteral("Liczba ofert sprzedaży ") + level, 0);
    }
    std::sort(series.begin(), series.end());
    return series;
}

bool SimFeed::AddQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset)
{
    const std::optional<std::size_t> index = IndexOf(asset);
    if (!index)
        return false;
    const SafeAutoLock lock(m_receiversLock, "SimFeed::AddQuotesReceiver", kFile);
    InstrumentReceivers& receivers = m_receivers[*index];
    return !receivers.quotes.Contains(receiver) && receivers.waitingForState.Add(receiver);
}

bool SimFeed::RemoveQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset)
{
    const std::optional<std::size_t> index = IndexOf(asset);
    if (!index)
        return false;
    const SafeAutoLock lock(m_receiversLock, "SimFeed::RemoveQuotesReceiver", kFile);
    InstrumentReceivers& receivers = m_receivers[*index];
    return receivers.waitingForState.Remove(receiver) || receivers.quotes.Remove(receiver);
}

bool SimFeed::AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset)
{
    const std::optional<std::size_t> index = IndexOf(asset);
    if (!index)
        return false;
    const SafeAutoLock lock(m_receiversLock, "SimFeed::AddOrdersSheetReceiver", kFile);
    InstrumentReceivers& receivers = m_receivers[*index];
    return !receivers.sheets.Contains(receiver) && receivers.waitingForBook.Add(receiver);
}

bool SimFeed::RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset)
{
    const std::optional<std::size_t> index = IndexOf(asset);
    if (!index)
        return false;
    const SafeAutoLock lock(m_receiversLock, "SimFeed::RemoveOrdersSheetReceiver", kFile);
    InstrumentReceivers& receivers = m_receivers[*index];
    return receivers.waitingForBook.Remove(receiver) || receivers.sheets.Remove(receiver);
}

bool SimFeed::AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver)
{
    const SafeAutoLock lock(m_receiversLock, "SimFeed::AddStatisticsSessionReceiver", kFile);
    return m_statisticsReceivers.Add(receiver);
}

bool SimFeed::RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver)
{
    const SafeAutoLock lock(m_receiversLock, "SimFeed::RemoveStatisticsSessionReceiver", kFile);
    return m_statisticsReceivers.Remove(receiver);
}

void SimFeed::DropReceivers()
{
    const SafeAutoLock lock(m_receiversLock, "SimFeed::DropReceivers", kFile);
    for (InstrumentReceivers& receivers : m_receivers)
    {
        receivers.quotes.Clear();
        receivers.waitingForState.Clear();
        receivers.sheets.Clear();
        receivers.waitingForBook.Clear();
    }
    m_statisticsReceivers.Clear();
}

void SimFeed::Step(const NDateTime& now)
{
    const SafeAutoLock lock(m_marketLock, "SimFeed::Step", kFile);
    const int ticks = m_ticksPerStep.load();
    const QDateTime local = now.IsValid() ? now.ToQDateTime() : QDateTime();
    const bool open = local.isValid() && SimCalendar::IsOpen(local.date(), local.time());
    // Set before the deliveries, so that a receiver asking for them sees the step of its quote:
    // the session state first, as it is read after the step.
    m_open.store(open);
    if (now.IsValid())
        m_lastStep.store(now.ToDayCount());
    if (ticks > 0 && open)
        m_lastTime.store(now.ToDayCount());
    DeliverWaiting();
    m_market.Step(now, ticks, *this);
    ++m_steps;
    // Outside the session the figures stand still: none is sent stamped with a closed day.
    if (open && m_options.statisticsEverySteps > 0
        && m_steps % static_cast<std::uint64_t>(m_options.statisticsEverySteps) == 0)
        DeliverStatistics();
}

bool SimFeed::GetLastTime(NDateTime& time) const
{
    const double days = m_lastTime.load();
    if (std::isnan(days))
        return false;
    time = NDateTime::FromDayCount(days);
    return true;
}

std::optional<CurrentState> SimFeed::StateOf(const QString& isin)
{
    for (std::size_t index = 0; index < m_assets.size(); ++index)
    {
        const Asset& asset = m_assets[index];
        if (asset.GetIsin() == isin || (asset.GetIsin().isEmpty() && asset.GetShortName() == isin))
        {
            const SafeAutoLock lock(m_marketLock, "SimFeed::StateOf", kFile);
            return m_market.State(index);
        }
    }
    return std::nullopt;
}

void SimFeed::DeliverWaiting()
{
    const SafeAutoLock lock(m_receiversLock, "SimFeed::DeliverWaiting", kFile);
    for (std::size_t index = 0; index < m_receivers.size(); ++index)
    {
        InstrumentReceivers& receivers = m_receivers[index];
        const Asset& asset = m_assets[index];
        const CurrentState& state = m_market.State(index);
        if (!receivers.waitingForState.Empty())
        {
            const OrderBook book = m_market.Book(index, m_options.bookLevels);
            receivers.waitingForState.ForEach([&](IQuotesReceiver& receiver, const auto& present) {
                receiver.OnOrderBook(asset, book);
                if (present())
                    receiver.OnQuote(asset, state);
                if (present() && receivers.waitingForState.Remove(&receiver))
                    receivers.quotes.Add(&receiver);
            });
        }
        if (receivers.waitingForBook.Empty())
            continue;
        const std::vector<DataSheetItemBase> orders = m_market.Orders(index);
        receivers.waitingForBook.ForEach([&](IOrdersSheetReceiver& receiver, const auto& present) {
            receiver.OnSetCountItems(static_cast<int>(orders.size()));
            for (auto order = orders.begin(); order != orders.end() && present(); ++order)
                receiver.OnSetNewItem(*order);
            if (!present())
                return;
            receiver.OnSetExtraData(state);
            if (present() && receivers.waitingForBook.Remove(&receiver))
                receivers.sheets.Add(&receiver);
        });
    }
}

void SimFeed::DeliverStatistics()
{
    {
        const SafeAutoLock lock(m_receiversLock, "SimFeed::DeliverStatistics", kFile);
        if (m_statisticsReceivers.Empty())
            return;
    }
    const SessionStatistics statistics = m_market.BuildStatistics();
    const SafeAutoLock lock(m_receiversLock, "SimFeed::DeliverStatistics", kFile);
    m_statisticsReceivers.ForEach(
        [&statistics](IStatisticsSessionReceiver& receiver, const auto&) { receiver.SetNewStatistics(statistics); });
}

void SimFeed::OnSessionChange(const NDateTime& time)
{
    const SafeAutoLock lock(m_receiversLock, "SimFeed::OnSessionChange", kFile);
    for (std::size_t index = 0; index < m_receivers.size(); ++index)
    {
        const Asset& asset = m_assets[index];
        m_receivers[index].sheets.ForEach(
            [&](IOrdersSheetReceiver& receiver, const auto&) { receiver.OnSessionChange(asset, time); });
        const CurrentState& state = m_market.State(index);
        m_receivers[index].quotes.ForEach([&](IQuotesReceiver& receiver, const auto&) { receiver.OnQuote(asset, state); });
    }
    m_statisticsReceivers.ForEach([](IStatisticsSessionReceiver& receiver, const auto&) { receiver.OnSessionChange(); });
}

void SimFeed::OnInstrumentTick(std::size_t index, const Transaction& transaction,
                               const std::vector<SimOrderEvent>& orderEvents, const CurrentState& state)
{
    const SafeAutoLock lock(m_receiversLock, "SimFeed::OnInstrumentTick", kFile);
    InstrumentReceivers& receivers = m_receivers[index];
    const Asset& asset = m_assets[index];
    if (!receivers.quotes.Empty())
    {
        const OrderBook book = m_market.Book(index, m_options.bookLevels);
        receivers.quotes.ForEach([&](IQuotesReceiver& receiver, const auto& present) {
            receiver.OnTransaction(asset, transaction);
            if (present())
                receiver.OnOrderBook(asset, book);
            if (present())
                receiver.OnQuote(asset, state);
        });
    }
    if (!receivers.sheets.Empty())
    {
        receivers.sheets.ForEach([&](IOrdersSheetReceiver& receiver, const auto& present) {
            for (auto event = orderEvents.begin(); event != orderEvents.end() && present(); ++event)
            {
                switch (event->kind)
                {
                case SimOrderEvent::Kind::New:
                    receiver.OnSetNewItem(event->item);
                    break;
                case SimOrderEvent::Kind::Update:
                    receiver.OnUpdateItem(event->item);
                    break;
                case SimOrderEvent::Kind::Delete:
                    receiver.OnDeleteItem(event->item);
                    break;
                }
            }
            if (present())
                receiver.OnSetExtraData(state);
        });
    }
}

int SimFeed::TransactionMs(const SimInstrument& instrument) const
{
    // A tick falls on the instrument every so often; one share builds up every so often.
    const double tickMs = static_cast<double>(m_options.tickInterval.count()) * static_cast<double>(m_assets.size())
                        / std::max(1, m_ticksPerStep.load());
    const double shareMs = SimCalendar::SessionSeconds() * 1000.0 / instrument.dailyVolume;
    return static_cast<int>(std::clamp(std::max(tickMs, shareMs), 10.0, 600000.0));
}

bool SimFeed::GetHistoryBars(const Asset& asset, int barSeconds, int count, std::vector<PriceBar>& bars)
{
    const std::optional<std::size_t> index = IndexOf(asset);
    if (!index)
        return false;
    const double lastStep = m_lastStep.load();
    const NDateTime end = std::isnan(lastStep) ? NDateTime::Now() : NDateTime::FromDayCount(lastStep);
    const SafeAutoLock lock(m_marketLock, "SimFeed::GetHistoryBars", kFile);
    const SimInstrument& instrument = m_market.Instrument(*index);
    if (barSeconds < SimHistory::kSecondsPerDay)
    {
        bars = SimHistory::Bars(instrument, m_market.LastTicks(*index), end, barSeconds, count, m_options.seed,
                                TransactionMs(instrument));
        return true;
    }
    const QDate session = m_market.SessionDate().isValid()
                              ? m_market.SessionDate()
                              : SimCalendar::SessionDayFrom(end.ToQDateTime().date(), end.ToQDateTime().time());
    const std::optional<PriceBar> today = m_market.SessionBar(*index);
    const int past = today && barSeconds == SimHistory::kSecondsPerDay ? count - 1 : count;
    bars = SimHistory::Bars(instrument, m_market.ReferenceTicks(*index), NDateTime(QDateTime(session, QTime(0, 0))),
                            barSeconds, past, m_options.seed);
    if (past < count)
        bars.push_back(*today);
    return true;
}
