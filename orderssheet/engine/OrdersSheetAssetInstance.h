#pragma once
// Everything the orders-sheet windows of one instrument share: the instrument, its two data
// sets (supply and demand), the processing thread with the order-book receiver, and the
// windows. The instance lives on the main thread; its processing thread only refreshes the
// data sets and asks, through NotifyRefresh, for the windows to be told on the main thread,
// so no window is touched off the main thread and a closed window is never called.
//
// The receiver is subscribed at the provider while at least one window wants data: hiding or
// closing one window of an instrument never stops the updates of another.
//
// Lock order: the processing thread's lock, then the receiver's lock or "CSOrderSheetUpdater"
// (GetLock), which guards the data sets' outputs and which the windows take on the main thread.

#include "orderssheet/engine/IOrdersSheetRefreshGuard.h"
#include "orderssheet/engine/IOrdersSheetWindow.h"
#include "orderssheet/engine/OSDlgsCollection.h"
#include "orderssheet/engine/OrdersDataProcessThread.h"
#include "orderssheet/engine/PriceLevelElement.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"
#include "platform/modules/DSProp.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <memory>
#include <set>
#include <vector>

// Only passed on: its header and DSProp.h name their precisions alike.
class AlertExprArgList;

class OrdersSheetAssetInstance : public IOrdersSheetRefreshGuard
{
public:
    // A null asset raises InvalidArgException.
    explicit OrdersSheetAssetInstance(std::shared_ptr<Asset> asset);
    // Stops the processing thread (which takes the receiver from its provider), then deletes
    // the windows and the data sets. Never while holding GetLock(): the refresh under way waits
    // for it before the thread can stop.
    ~OrdersSheetAssetInstance() override;
    OrdersSheetAssetInstance(const OrdersSheetAssetInstance&) = delete;
    OrdersSheetAssetInstance& operator=(const OrdersSheetAssetInstance&) = delete;

    // Makes and starts the processing thread with its receiver; false when the instrument has
    // no provider, when already started, or when no thread could be made.
    bool Start();
    // The data-series properties of the instrument, as its provider gave them at Start.
    const std::vector<DSProp>& GetSeriesProperties() const { return m_seriesProperties; }

    // The window wants data: the receiver is added to the provider unless it already is there.
    // False when there is no receiver or the provider refuses it.
    bool SubscribeReceiver(const IOrdersSheetWindow* window);
    // The window wants no more data: the receiver leaves its provider with the last such window.
    void UnsubscribeReceiver(const IOrdersSheetWindow* window);
    bool IsReceiverSubscribed() const;

    // A null window raises InvalidArgException; the instance owns the window from now on.
    void AddWindow(IOrdersSheetWindow* window);
    // Unsubscribes and deletes the window; true when the instance has no window left.
    bool RemoveWindow(IOrdersSheetWindow* window);
    // Unsubscribes the window and gives it up without deleting it; true when none is left.
    bool DetachWindow(IOrdersSheetWindow* window);
    const OSDlgsCollection& GetWindows() const { return *m_windows; }

    // Side 0's data set for 0, side 1's for any other side.
    TableDataSetOrdersSheet* GetDataSet(int side) const;
    // Never changed through the instance: its processing thread reads it.
    std::shared_ptr<const Asset> GetAsset() const { return m_asset; }
    SafeCriticalSection& GetLock() const { return m_lock; }
    // Null before Start.
    std::shared_ptr<OSReceiver> GetReceiver() const;

    // Any thread: the next tick regenerates both data sets although the book did not change.
    void RequestRefresh();
    // A price level of both sides, computed from the next refresh on; a null element raises
    // InvalidArgException.
    void AddPriceLevel(int id, std::shared_ptr<const PriceLevelElement> element);
    void RemovePriceLevel(int id);

    // Processing thread: the windows are told on the main thread; notifications that pile up
    // before the main thread gets to them make one.
    void NotifyRefresh() override;
    // Main thread: the values go to every window.
    void PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>& values);
    // The row keys of both data sets' current outputs, to which the windows prune their row styles.
    QSet<QString> GetRowKeys() const;
    // The style id of the first window that has a named style; IOrdersSheetWindow::kNoStyleId when none.
    int GetFirstNamedWindowStyleId() const;

private:
    // Main thread: tells every window that has a handle that new data is ready.
    void DeliverNewDataSetState();

    mutable SafeCriticalSection m_lock{QStringLiteral("CSOrderSheetUpdater")};
    const std::shared_ptr<const Asset> m_asset;
    std::vector<DSProp> m_seriesProperties;
    std::unique_ptr<OSDlgsCollection> m_windows;
    std::unique_ptr<TableDataSetOrdersSheet> m_dataSet0;
    std::unique_ptr<TableDataSetOrdersSheet> m_dataSet1;
    std::unique_ptr<OrdersDataProcessThread> m_thread;
    // The windows that want data.
    std::set<const IOrdersSheetWindow*> m_subscribers;
    // Lives on the main thread; the processing thread's notifications run in its context and
    // go with it.
    std::unique_ptr<QObject> m_mainThreadContext;
    std::atomic<bool> m_notificationPending = false;
};
