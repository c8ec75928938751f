#include "orderssheet/engine/OrdersDataProcessThread.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/IOrdersSheetRefreshGuard.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/ProviderBase.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace
{
constexpr const char* kFile = "OrdersDataProcessThread.cpp";

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void ZeroUpperVectorRegisters()
{
    _mm256_zeroupper();
}
#endif

// A thread starts with the vector registers of the thread that made it, and Qt's hashing, which
// the main thread does all the time, leaves their upper halves in use. Until they are cleared,
// the plain SSE code of a refresh pays for switches of the register state on processors with
// AVX: a refresh of a large book took about half as long again.
void ClearVectorRegisterState()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        ZeroUpperVectorRegisters();
#endif
}
}

OrdersDataProcessThread::OrdersDataProcessThread(IOrdersSheetRefreshGuard* guard)
    : MessageThread(QStringLiteral("OrdersDataProcessThread"))
    , m_refreshGuard(guard)
{
}

OrdersDataProcessThread::~OrdersDataProcessThread()
{
    Stop();
    const SafeAutoLock lock(m_lock, "OrdersDataProcessThread::~OrdersDataProcessThread", kFile);
    if (!m_receiver)
        return;
    // The removal waits for a delivery under way, which takes only the receiver's own lock.
    const Asset asset = m_receiver->GetAsset();
    if (asset.IsProviderSet())
        asset.GetProvider()->RemoveOrdersSheetReceiver(m_receiver.get(), asset);
    m_receiver->SetSubscribed(false);
}

void OrdersDataProcessThread::Attach(TableDataSetOrdersSheet* dataSet0, TableDataSetOrdersSheet* dataSet1,
                                     const Asset& asset)
{
    if (!dataSet0 || !dataSet1)
        throw InvalidArgException(QStringLiteral("OrdersDataProcessThread::Attach: brak zbioru danych"));
    const SafeAutoLock lock(m_lock, "OrdersDataProcessThread::Attach", kFile);
    m_dataSet0 = dataSet0;
    m_dataSet1 = dataSet1;
    if (!asset.IsProviderSet())
        return;
    m_receiver = std::make_shared<OSReceiver>();
    m_receiver->SetAsset(asset);
}

std::shared_ptr<OSReceiver> OrdersDataProcessThread::GetReceiver() const
{
    // Made before the thread runs and kept until it ended, so no lock: the main thread asks for
    // it while it may hold "CSOrderSheetUpdater", which must never wait for a refresh.
    return m_receiver;
}

bool OrdersDataProcessThread::InitInstance()
{
    const SafeAutoLock lock(m_lock, "OrdersDataProcessThread::InitInstance", kFile);
    m_timerId = SetTimer(kRefreshTimerId, kRefreshPeriod);
    return true;
}

void OrdersDataProcessThread::OnTimer(std::uintptr_t id)
{
    if (id == kRefreshTimerId)
        RunUpdateDataIfNeccesary();
}

void OrdersDataProcessThread::RunUpdateDataIfNeccesary()
{
    const SafeAutoLock lock(m_lock, "OrdersDataProcessThread::RunUpdateDataIfNeccesary", kFile);
    if (!m_dataSet0 || !m_dataSet1 || !m_receiver || !m_refreshGuard)
        return;
    // An incomplete book is never shown.
    if (!m_receiver->IfItemsCountComplete())
        return;
    // Taken before the refresh, so a request made during it is kept for the next tick.
    const bool requested = m_refreshRequested.exchange(false);
    if (!requested && !m_receiver->WhetherDataModified() && !m_receiver->GetAdditionalDataRef().changed
        && !m_receiver->IfAllItemsAreDeleted())
        return;

    if (m_timerId != 0)
        KillTimer(m_timerId);
    m_timerId = 0;
    ClearVectorRegisterState();
    const OSAdditionalData additional = m_receiver->TakeDataForRefresh(m_sideRecords);
    for (std::size_t side = 0; side < m_sideRecords.size(); ++side)
    {
        TableDataSetOrdersSheet* dataSet = side == 0 ? m_dataSet0 : m_dataSet1;
        // The first refresh has nothing to compare with; every later one marks.
        dataSet->SetChangeMarking(m_refreshedOnce);
        dataSet->ExchangeBasicDataArray(m_sideRecords[side]);
        dataSet->ActualizeData(additional);
    }
    m_timerId = SetTimer(kRefreshTimerId, kRefreshPeriod);
    m_refreshGuard->NotifyRefresh();
    m_refreshedOnce = true;
}
