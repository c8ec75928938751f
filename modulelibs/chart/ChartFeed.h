#pragma once
// The live side of a chart window: it receives the instrument's transactions on the provider's
// thread, keeps them under its lock, and has the window take them all on the main thread with
// one queued call however many arrived meanwhile. Whoever owns it removes it from the provider
// (Stop) before the window goes, so no call comes after.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/Transaction.h"

#include <QObject>

#include <functional>
#include <vector>

class ChartFeed : public IQuotesReceiver
{
public:
    // drain runs on target's thread with the transactions in arrival order.
    ChartFeed(QObject* target, std::function<void(std::vector<Transaction>)> drain);
    ~ChartFeed() override;

    // False when the provider does not deliver the instrument.
    bool Start(const Asset& asset);
    void Stop();
    bool IsRunning() const { return m_running; }

    void OnTransaction(const Asset& asset, const Transaction& transaction) override;

    // Takes what arrived so far; main thread.
    void Drain();

private:
    QObject* const m_target;
    std::function<void(std::vector<Transaction>)> m_drain;
    Asset m_asset;
    bool m_running = false;

    SafeCriticalSection m_lock{QStringLiteral("ChartFeed::Pending")};
    std::vector<Transaction> m_pending;
    bool m_drainPosted = false;
};
