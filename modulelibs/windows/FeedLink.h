#pragma once
// The hand-over of one instrument's quotes from the provider's thread to a window on the main
// thread: the provider calls the receiver on its own thread, which keeps the newest state and
// book and queues the transactions under the lock "FeedLink::Data"; the window takes what came
// on its repaint timer. The queue keeps at most kMaxPending transactions: a window that falls
// behind loses the oldest, never the newest. Subscribe and Unsubscribe on the main thread.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/OrderBook.h"
#include "platform/modules/Transaction.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

class FeedLink : public IQuotesReceiver
{
public:
    static constexpr std::size_t kMaxPending = 200000;

    struct Batch
    {
        std::optional<CurrentState> state;
        std::optional<OrderBook> book;
        std::vector<Transaction> transactions;
        std::size_t dropped = 0;  // transactions lost because the queue was full
    };

    FeedLink() = default;
    ~FeedLink() override;
    FeedLink(const FeedLink&) = delete;
    FeedLink& operator=(const FeedLink&) = delete;

    // Follows the instrument's provider; false when the provider does not deliver it.
    bool Subscribe(const Asset& asset);
    void Unsubscribe();
    const Asset& GetAsset() const { return m_asset; }
    bool IsSubscribed() const { return m_subscribed; }

    // Everything that came since the last call.
    Batch Take();

    void OnQuote(const Asset& asset, const CurrentState& state) override;
    void OnTransaction(const Asset& asset, const Transaction& transaction) override;
    void OnOrderBook(const Asset& asset, const OrderBook& book) override;

private:
    Asset m_asset;
    bool m_subscribed = false;

    SafeCriticalSection m_lock{QStringLiteral("FeedLink::Data")};
    std::optional<CurrentState> m_state;
    std::optional<OrderBook> m_book;
    std::deque<Transaction> m_transactions;
    std::size_t m_dropped = 0;
};
