#include "modulelibs/transmonitor/MonitorFeed.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/ProviderBase.h"

namespace
{
constexpr const char* kFile = "MonitorFeed.cpp";
}

MonitorFeed::~MonitorFeed()
{
    Unfollow();
}

std::size_t MonitorFeed::Follow(const std::vector<Asset>& assets)
{
    Unfollow();
    for (const Asset& asset : assets)
        if (asset.GetProvider() && asset.GetProvider()->AddQuotesReceiver(this, asset))
            m_followed.push_back(asset);
    return m_followed.size();
}

void MonitorFeed::Unfollow()
{
    // Once a removal returns the provider no longer calls this receiver for that instrument.
    for (const Asset& asset : m_followed)
        asset.GetProvider()->RemoveQuotesReceiver(this, asset);
    m_followed.clear();
    const SafeAutoLock lock(m_lock, "MonitorFeed::Unfollow", kFile);
    m_pending.clear();
}

std::vector<MonitorFeed::Trade> MonitorFeed::Take()
{
    const SafeAutoLock lock(m_lock, "MonitorFeed::Take", kFile);
    std::vector<Trade> trades(std::make_move_iterator(m_pending.begin()), std::make_move_iterator(m_pending.end()));
    m_pending.clear();
    return trades;
}

void MonitorFeed::OnTransaction(const Asset& asset, const Transaction& transaction)
{
    const SafeAutoLock lock(m_lock, "MonitorFeed::OnTransaction", kFile);
    if (m_pending.size() >= kMaxPending)
        m_pending.pop_front();
    m_pending.push_back({asset.GetShortName(), transaction});
}
