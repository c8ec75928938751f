#include "orderssheet/engine/OrdersSheetAssetInstance.h"

#include "core/engine/InvalidArgException.h"
#include "platform/base/Log.h"
#include "platform/modules/ProviderBase.h"

#include <QMetaObject>

#include <utility>

OrdersSheetAssetInstance::OrdersSheetAssetInstance(std::shared_ptr<Asset> asset)
    : m_asset(std::move(asset))
{
    if (!m_asset)
        throw InvalidArgException(QStringLiteral("OrdersSheetAssetInstance: brak instrumentu"));
    m_windows = std::make_unique<OSDlgsCollection>();
    m_dataSet0 = std::make_unique<TableDataSetOrdersSheet>(0, this);
    m_dataSet1 = std::make_unique<TableDataSetOrdersSheet>(1, this);
    m_mainThreadContext = std::make_unique<QObject>();
}

OrdersSheetAssetInstance::~OrdersSheetAssetInstance()
{
    if (m_thread)
        m_thread->Stop();
    m_thread.reset();
    // A notification still queued for the main thread goes with its context.
    m_mainThreadContext.reset();
    m_windows.reset();
    m_dataSet0.reset();
    m_dataSet1.reset();
}

bool OrdersSheetAssetInstance::Start()
{
    if (m_thread || !m_asset->IsProviderSet())
        return false;
    m_seriesProperties = m_asset->GetProvider()->GetAssetSeries(*m_asset);
    auto thread = std::make_unique<OrdersDataProcessThread>(this);
    // Attached before it runs, so the thread never sees a half-made receiver.
    thread->Attach(m_dataSet0.get(), m_dataSet1.get(), *m_asset);
    if (!thread->Start())
    {
        Log::WriteError(QStringLiteral("Nie utworzono wątku arkusza zleceń dla %1.").arg(m_asset->GetShortName()),
                        QStringLiteral("Quorvanta 4"), QStringLiteral("OrdersSheetAssetInstance::Start"), __LINE__);
        return false;
    }
    m_thread = std::move(thread);
    return true;
}

std::shared_ptr<OSReceiver> OrdersSheetAssetInstance::GetReceiver() const
{
    return m_thread ? m_thread->GetReceiver() : nullptr;
}

bool OrdersSheetAssetInstance::SubscribeReceiver(const IOrdersSheetWindow* window)
{
    const std::shared_ptr<OSReceiver> receiver = GetReceiver();
    if (!window || !receiver)
        return false;
    if (!receiver->IsSubscribed())
    {
        const Asset asset = receiver->GetAsset();
        if (!asset.GetProvider()->AddOrdersSheetReceiver(receiver.get(), asset))
            return false;
        receiver->SetSubscribed(true);
    }
    m_subscribers.insert(window);
    return true;
}

void OrdersSheetAssetInstance::UnsubscribeReceiver(const IOrdersSheetWindow* window)
{
    if (m_subscribers.erase(window) == 0 || !m_subscribers.empty())
        return;
    const std::shared_ptr<OSReceiver> receiver = GetReceiver();
    if (!receiver)
        return;
    // No lock is held here: the removal waits for a delivery under way.
    const Asset asset = receiver->GetAsset();
    if (asset.IsProviderSet())
        asset.GetProvider()->RemoveOrdersSheetReceiver(receiver.get(), asset);
    receiver->SetSubscribed(false);
}

bool OrdersSheetAssetInstance::IsReceiverSubscribed() const
{
    const std::shared_ptr<OSReceiver> receiver = GetReceiver();
    return receiver && receiver->IsSubscribed();
}

void OrdersSheetAssetInstance::AddWindow(IOrdersSheetWindow* window)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetAssetInstance::AddWindow: brak okna"));
    m_windows->Insert(window);
}

bool OrdersSheetAssetInstance::RemoveWindow(IOrdersSheetWindow* window)
{
    if (m_windows->Contains(window))
    {
        UnsubscribeReceiver(window);
        m_windows->Remove(window);
    }
    return m_windows->IsEmpty();
}

bool OrdersSheetAssetInstance::DetachWindow(IOrdersSheetWindow* window)
{
    if (m_windows->Contains(window))
    {
        UnsubscribeReceiver(window);
        m_windows->Detach(window);
    }
    return m_windows->IsEmpty();
}

TableDataSetOrdersSheet* OrdersSheetAssetInstance::GetDataSet(int side) const
{
    return side == 0 ? m_dataSet0.get() : m_dataSet1.get();
}

void OrdersSheetAssetInstance::RequestRefresh()
{
    if (m_thread)
        m_thread->RequestRefresh();
}

void OrdersSheetAssetInstance::AddPriceLevel(int id, std::shared_ptr<const PriceLevelElement> element)
{
    if (!element)
        throw InvalidArgException(QStringLiteral("OrdersSheetAssetInstance::AddPriceLevel: brak elementu"));
    m_dataSet0->AddPriceLevel(id, element);
    m_dataSet1->AddPriceLevel(id, std::move(element));
    RequestRefresh();
}

void OrdersSheetAssetInstance::RemovePriceLevel(int id)
{
    m_dataSet0->RemovePriceLevel(id);
    m_dataSet1->RemovePriceLevel(id);
}

void OrdersSheetAssetInstance::NotifyRefresh()
{
    if (m_notificationPending.exchange(true))
        return;
    QMetaObject::invokeMethod(m_mainThreadContext.get(), [this] { DeliverNewDataSetState(); }, Qt::QueuedConnection);
}

void OrdersSheetAssetInstance::DeliverNewDataSetState()
{
    m_notificationPending.store(false);
    // A window may close another while it takes the new state.
    const std::set<IOrdersSheetWindow*> windows = m_windows->Windows();
    for (IOrdersSheetWindow* window : windows)
        if (m_windows->Contains(window) && window->HasWindowHandle())
            window->OnNewDataSetState();
}

void OrdersSheetAssetInstance::PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>& values)
{
    for (IOrdersSheetWindow* window : m_windows->Windows())
        window->PublishArgumentValues(values);
}

QSet<QString> OrdersSheetAssetInstance::GetRowKeys() const
{
    QSet<QString> keys = m_dataSet0->GetRowKeys();
    keys.unite(m_dataSet1->GetRowKeys());
    return keys;
}

int OrdersSheetAssetInstance::GetFirstNamedWindowStyleId() const
{
    for (const IOrdersSheetWindow* window : m_windows->Windows())
    {
        const int styleId = window->GetStyleId();
        if (styleId != IOrdersSheetWindow::kNoStyleId && styleId != 0)
            return styleId;
    }
    return IOrdersSheetWindow::kNoStyleId;
}
