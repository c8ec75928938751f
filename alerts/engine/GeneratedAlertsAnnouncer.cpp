#include "alerts/engine/GeneratedAlertsAnnouncer.h"

#include "alerts/engine/BLAlert.h"
#include "platform/base/SafeAutoLock.h"

#include <chrono>
#include <utility>

namespace
{
constexpr const char* kFile = "GeneratedAlertsAnnouncer";
}

GeneratedAlertsAnnouncer::GeneratedAlertsAnnouncer(Handler announce, std::size_t limit)
    : PlainThread(QStringLiteral("GeneratedAlertsAnnouncer"))
    , m_announce(std::move(announce))
    , m_limit(limit)
{
    {
        const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::GeneratedAlertsAnnouncer", kFile);
        m_accepting = true;
    }
    if (Start())
        return;
    const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::GeneratedAlertsAnnouncer", kFile);
    m_accepting = false;
}

GeneratedAlertsAnnouncer::~GeneratedAlertsAnnouncer()
{
    Stop();
}

void GeneratedAlertsAnnouncer::Add(Record record, const BLAlert& alert)
{
    bool taken = false;
    bool wake = false;
    bool full = false;
    std::uint64_t takes = 0;
    {
        const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Add", kFile);
        if (m_accepting)
        {
            alert.TakeArgumentSnapshots(m_waiting.snapshots);
            record.snapshotsEnd = m_waiting.snapshots.size();
            m_waiting.records.push_back(std::move(record));
            ++m_added;
            taken = true;
            full = m_waiting.records.size() >= m_limit;
            wake = (full || m_waiting.records.size() >= kWakeAt) && TakeWake();
            m_adderWaits = m_adderWaits || full;
            takes = m_takes;
        }
    }
    if (!taken)
    {
        Batch alone;
        alert.TakeArgumentSnapshots(alone.snapshots);
        record.snapshotsEnd = alone.snapshots.size();
        alone.records.push_back(std::move(record));
        m_announce(alone);
        return;
    }
    if (wake)
        m_queued.Set();
    while (full)
    {
        m_taken.Wait();
        const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Add", kFile);
        full = m_takes == takes;
        m_adderWaits = m_adderWaits || full;
    }
}

void GeneratedAlertsAnnouncer::Post()
{
    bool wake = false;
    {
        const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Post", kFile);
        // The idle thread touches nothing until it is woken, and nothing is added meanwhile:
        // a few records are announced here, in their turn, without a wake-up.
        if (m_threadIdle && m_waiting.records.size() <= kAnnouncedInPlace)
            std::swap(m_waiting, m_inPlace);
        else
            wake = TakeWake();
    }
    if (!m_inPlace.records.empty())
        Announce(m_inPlace);
    if (wake)
        m_queued.Set();
}

void GeneratedAlertsAnnouncer::Announce(Batch& batch)
{
    m_announce(batch);
    const std::size_t count = batch.records.size();
    batch.records.clear();
    batch.snapshots.clear();
    bool wakeFlush = false;
    {
        const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Announce", kFile);
        m_announced += count;
        wakeFlush = std::exchange(m_flushWaits, false);
    }
    if (wakeFlush)
        m_flushed.Set();
}

bool GeneratedAlertsAnnouncer::TakeWake()
{
    return !m_waiting.records.empty() && std::exchange(m_threadIdle, false);
}

void GeneratedAlertsAnnouncer::Flush()
{
    std::uint64_t target = 0;
    bool wake = false;
    {
        const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Flush", kFile);
        target = m_added;
        wake = TakeWake();
    }
    if (wake)
        m_queued.Set();
    for (;;)
    {
        {
            const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Flush", kFile);
            m_flushWaits = m_announced < target;
            if (!m_flushWaits)
                return;
        }
        // Another waiter may have taken the signal meant for both: the count is looked at again.
        m_flushed.WaitFor(std::chrono::milliseconds(10));
    }
}

void GeneratedAlertsAnnouncer::Stop()
{
    RequestStop();
    m_queued.Set();
    Join();
}

void GeneratedAlertsAnnouncer::Run()
{
    for (;;)
    {
        bool wakeAdder = false;
        {
            const SafeAutoLock lock(m_lock, "GeneratedAlertsAnnouncer::Run", kFile);
            if (m_waiting.records.empty())
            {
                // Whatever is added from here on is announced by the thread that adds it.
                if (IsStopRequested())
                {
                    m_accepting = false;
                    return;
                }
                m_threadIdle = true;
            }
            else
            {
                std::swap(m_waiting, m_taking);
                m_threadIdle = false;
                ++m_takes;
                wakeAdder = std::exchange(m_adderWaits, false);
            }
        }
        if (m_taking.records.empty())
        {
            m_queued.Wait();
            continue;
        }
        if (wakeAdder)
            m_taken.Set();
        Announce(m_taking);
    }
}
