#include "modulelibs/chart/ChartFeed.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/ProviderBase.h"

#include <QMetaObject>

#include <utility>

namespace
{
const char* const kFile = "ChartFeed.cpp";
}

ChartFeed::ChartFeed(QObject* target, std::function<void(std::vector<Transaction>)> drain)
    : m_target(target)
    , m_drain(std::move(drain))
{
}

ChartFeed::~ChartFeed()
{
    Stop();
}

bool ChartFeed::Start(const Asset& asset)
{
    Stop();
    ProviderBase* provider = asset.GetProvider();
    if (!provider || !provider->AddQuotesReceiver(this, asset))
        return false;
    m_asset = asset;
    m_running = true;
    return true;
}

void ChartFeed::Stop()
{
    if (m_running && m_asset.GetProvider())
        m_asset.GetProvider()->RemoveQuotesReceiver(this, m_asset);
    m_running = false;
    const SafeAutoLock lock(m_lock, "ChartFeed::Stop", kFile);
    m_pending.clear();
}

void ChartFeed::OnTransaction(const Asset&, const Transaction& transaction)
{
    const SafeAutoLock lock(m_lock, "ChartFeed::OnTransaction", kFile);
    m_pending.push_back(transaction);
    if (m_drainPosted || !m_target)
        return;
    m_drainPosted = true;
    // The target lives until this receiver is removed, and a removal waits for this call.
    QMetaObject::invokeMethod(m_target, [this] { Drain(); }, Qt::QueuedConnection);
}

void ChartFeed::Drain()
{
    std::vector<Transaction> taken;
    {
        const SafeAutoLock lock(m_lock, "ChartFeed::Drain", kFile);
        taken.swap(m_pending);
        m_drainPosted = false;
    }
    if (!taken.empty() && m_drain)
        m_drain(std::move(taken));
}
