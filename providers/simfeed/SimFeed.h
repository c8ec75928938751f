#pragma once
// The simulated market and its receivers: whoever steps the feed (its thread) delivers every
// tick to the receivers of the instrument, the order-book changes to the orders sheets and,
// every few steps, the session statistics. Receivers are added and removed from any thread;
// the deliveries and the market itself belong to the stepping thread.
//
// Locks: "SimFeed::Market" is held for a whole step and "SimFeed::Receivers" for each delivery
// within it, always in that order. Adding and removing take only the second, so a removal waits
// for the delivery under way and no receiver is called after its removal returned.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"
#include "platform/modules/DSProp.h"
#include "platform/modules/PriceBar.h"
#include "providers/simfeed/ISimMarketListener.h"
#include "providers/simfeed/ReceiverList.h"
#include "providers/simfeed/SimFeedOptions.h"
#include "providers/simfeed/SimMarket.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

class IOrdersSheetReceiver;
class IQuotesReceiver;
class IStatisticsSessionReceiver;
class ProviderBase;

class SimFeed : private ISimMarketListener
{
public:
    // provider: the one the instruments name as theirs (not owned).
    SimFeed(ProviderBase* provider, const SimFeedOptions& options);
    ~SimFeed() override;
    SimFeed(const SimFeed&) = delete;
    SimFeed& operator=(const SimFeed&) = delete;

    const SimFeedOptions& GetOptions() const { return m_options; }
    // Takes effect from the next step.
    void SetTicksPerStep(int ticks) { m_ticksPerStep.store(ticks); }
    // The instruments, in the catalogue's order; unchanging, so any thread may ask.
    const std::vector<Asset>& Assets() const { return m_assets; }
    // The instrument of the feed with the asset's ticker (and market, when it has one).
    std::optional<std::size_t> IndexOf(const Asset& asset) const;
    static std::vector<DSProp> Series();

    // The receiver gets the instrument's book and state at the next step (the market may be
    // closed: no trade would bring them), then every trade.
    bool AddQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset);
    bool RemoveQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset);
    // The receiver gets the complete book at the next step, then its changes.
    bool AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset);
    bool RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset);
    bool AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver);
    bool RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver);
    void DropReceivers();

    // One step of the market at the time now, with all its deliveries.
    void Step(const NDateTime& now);
    // The instrument's past bars; false for an unknown one. Daily bars end with the session of
    // the market (its own bar once it traded), else with the one before the next to come;
    // shorter bars end where the live trades begin.
    bool GetHistoryBars(const Asset& asset, int barSeconds, int count, std::vector<PriceBar>& bars);
    // The time of the last step that traded; false before the first.
    bool GetLastTime(NDateTime& time) const;
    // The last step fell within the session's hours; false before the first step. Set before
    // HasStepped, so that a reader who sees a step also sees its session state.
    bool IsOpen() const { return m_open.load(); }
    bool HasStepped() const { return !std::isnan(m_lastStep.load()); }
    // The current state of the instrument with that ISIN (or, for one without an ISIN, that
    // ticker); none for an unknown one. Not during a step on another thread: it waits for it.
    std::optional<CurrentState> StateOf(const QString& isin);

private:
    struct InstrumentReceivers
    {
        ReceiverList<IQuotesReceiver> quotes;
        // Quote receivers added since the last step, waiting for the current state.
        ReceiverList<IQuotesReceiver> waitingForState;
        ReceiverList<IOrdersSheetReceiver> sheets;
        // Orders sheets added since the last step, waiting for the complete book.
        ReceiverList<IOrdersSheetReceiver> waitingForBook;
    };

    void OnSessionChange(const NDateTime& time) override;
    void OnInstrumentTick(std::size_t instrument, const Transaction& transaction,
                          const std::vector<SimOrderEvent>& orderEvents, const CurrentState& state) override;
    // To the receivers added since the last step: the complete book to orders sheets, the
    // state to quote receivers.
    void DeliverWaiting();
    void DeliverStatistics();
    // How far apart the live market's transactions of the instrument usually lie.
    int TransactionMs(const SimInstrument& instrument) const;

    const SimFeedOptions m_options;
    std::atomic<int> m_ticksPerStep;
    std::vector<Asset> m_assets;

    SafeCriticalSection m_marketLock{QStringLiteral("SimFeed::Market")};
    SimMarket m_market;
    std::uint64_t m_steps = 0;

    SafeCriticalSection m_receiversLock{QStringLiteral("SimFeed::Receivers")};
    std::vector<InstrumentReceivers> m_receivers;
    ReceiverList<IStatisticsSessionReceiver> m_statisticsReceivers;

    // Day count of the last traded step; NaN before the first.
    std::atomic<double> m_lastTime;
    // Day count of the last step, traded or not; NaN before the first.
    std::atomic<double> m_lastStep;
    std::atomic<bool> m_open = false;
};
