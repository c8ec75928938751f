#include "modulelibs/windows/FeedLink.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/ProviderBase.h"

namespace
{
const char* const kFile = __FILE__;
}

FeedLink::~FeedLink()
{
    Unsubscribe();
}

bool FeedLink::Subscribe(const Asset& asset)
{
    Unsubscribe();
    m_asset = asset;
    ProviderBase* provider = asset.GetProvider();
    m_subscribed = provider && provider->AddQuotesReceiver(this, asset);
    return m_subscribed;
}

void FeedLink::Unsubscribe()
{
    // Once the removal returns the provider no longer calls this receiver.
    if (m_subscribed && m_asset.GetProvider())
        m_asset.GetProvider()->RemoveQuotesReceiver(this, m_asset);
    m_subscribed = false;
    const SafeAutoLock lock(m_lock, "FeedLink::Unsubscribe", kFile);
    m_state.reset();
    m_book.reset();
    m_transactions.clear();
    m_dropped = 0;
}

FeedLink::Batch FeedLink::Take()
{
    Batch batch;
    const SafeAutoLock lock(m_lock, "FeedLink::Take", kFile);
    batch.state = std::move(m_state);
    batch.book = std::move(m_book);
    batch.transactions.assign(m_transactions.begin(), m_transactions.end());
    batch.dropped = m_dropped;
    m_state.reset();
    m_book.reset();
    m_transactions.clear();
    m_dropped = 0;
    return batch;
}

void FeedLink::OnQuote(const Asset&, const CurrentState& state)
{
    const SafeAutoLock lock(m_lock, "FeedLink::OnQuote", kFile);
    m_state = state;
}

void FeedLink::OnTransaction(const Asset&, const Transaction& transaction)
{
    const SafeAutoLock lock(m_lock, "FeedLink::OnTransaction", kFile);
    if (m_transactions.size() >= kMaxPending)
    {
        m_transactions.pop_front();
        ++m_dropped;
    }
    m_transactions.push_back(transaction);
}

void FeedLink::OnOrderBook(const Asset&, const OrderBook& book)
{
    const SafeAutoLock lock(m_lock, "FeedLink::OnOrderBook", kFile);
    m_book = book;
}
