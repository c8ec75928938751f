#pragma once
// The hand-over of the transactions of many instruments from the provider's thread to the
// transactions monitor on the main thread: the provider calls OnTransaction on its own thread,
// which queues the transaction with its instrument's ticker under the lock "MonitorFeed::Data";
// the window takes the queue on its repaint timer. At most kMaxPending wait: a window that falls
// behind loses the oldest. Follow and Unfollow on the main thread.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/Transaction.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <vector>

class MonitorFeed : public IQuotesReceiver
{
public:
    static constexpr std::size_t kMaxPending = 200000;

    struct Trade
    {
        QString ticker;
        Transaction transaction;
    };

    MonitorFeed() = default;
    ~MonitorFeed() override;
    MonitorFeed(const MonitorFeed&) = delete;
    MonitorFeed& operator=(const MonitorFeed&) = delete;

    // Follows exactly these instruments, each on its provider; the number its providers deliver.
    std::size_t Follow(const std::vector<Asset>& assets);
    void Unfollow();
    const std::vector<Asset>& Followed() const { return m_followed; }

    // Everything that came since the last call, oldest first.
    std::vector<Trade> Take();

    void OnQuote(const Asset& asset, const CurrentState& state) override {}
    void OnTransaction(const Asset& asset, const Transaction& transaction) override;
    void OnOrderBook(const Asset& asset, const OrderBook& book) override {}

private:
    std::vector<Asset> m_followed;

    SafeCriticalSection m_lock{QStringLiteral("MonitorFeed::Data")};
    std::deque<Trade> m_pending;
};
