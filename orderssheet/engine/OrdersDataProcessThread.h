#pragma once
// The processing thread "OrdersDataProcessThread" of one instrument's orders sheets. It owns
// the order-book receiver, and every 100 ms, when the receiver's book is complete and
// something changed (or a refresh was asked for), it copies the book out, has both data sets
// make their new outputs and tells the instance. The timer is off while it refreshes, so the
// next check comes 100 ms after a refresh ends.
//
// Lock order: "OrdersDataProcessThread::LockProcessData" for a whole refresh, inside it the
// receiver's lock for each receiver call and the instance's "CSOrderSheetUpdater" through the
// data sets; never the other way round.

#include "orderssheet/engine/OSReceiver.h"
#include "platform/base/MessageThread.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class IOrdersSheetRefreshGuard;
class TableDataSetOrdersSheet;

class OrdersDataProcessThread : public MessageThread
{
public:
    static constexpr std::uintptr_t kRefreshTimerId = 2001;
    static constexpr std::chrono::milliseconds kRefreshPeriod{100};

    // guard: told after each refresh (not owned).
    explicit OrdersDataProcessThread(IOrdersSheetRefreshGuard* guard);
    // Stops the thread, then takes the receiver from its provider.
    ~OrdersDataProcessThread() override;

    // Before the thread runs: the data sets it refreshes (not owned) and the instrument; a
    // receiver is made when the instrument has a provider. A missing data set raises
    // InvalidArgException.
    void Attach(TableDataSetOrdersSheet* dataSet0, TableDataSetOrdersSheet* dataSet1, const Asset& asset);
    // Null until attached to an instrument with a provider; any thread once it runs.
    std::shared_ptr<OSReceiver> GetReceiver() const;

    // Any thread: the next tick regenerates even when the book did not change.
    void RequestRefresh() { m_refreshRequested.store(true); }
    // The check of one tick, with the refresh when it is due; the timer runs it on the thread.
    void RunUpdateDataIfNeccesary();

protected:
    bool InitInstance() override;
    void OnTimer(std::uintptr_t id) override;

private:
    bool m_refreshedOnce = false;
    // Written by the main thread, read and cleared here.
    std::atomic<bool> m_refreshRequested = false;
    std::uintptr_t m_timerId = 0;
    std::shared_ptr<OSReceiver> m_receiver;
    // Each side's book for the refresh under way, exchanged with the data set's; kept, so that
    // the records' texts keep their memory from refresh to refresh.
    std::array<std::vector<ItemBasicData>, 2> m_sideRecords;
    TableDataSetOrdersSheet* m_dataSet0 = nullptr;
    TableDataSetOrdersSheet* m_dataSet1 = nullptr;
    IOrdersSheetRefreshGuard* const m_refreshGuard;
    mutable SafeCriticalSection m_lock{QStringLiteral("OrdersDataProcessThread::LockProcessData")};
};
