#pragma once
// The announcement of generated local alerts, off the alerts worker: the worker hands each
// alert it generates over as a compact record (id, side, value, precision, time, the texts it
// is announced with and the values of its arguments), and the thread "GeneratedAlertsAnnouncer"
// takes what waits a batch at a time and gives it to the module's handler, which writes the
// log lines, adds the history rows, hands the alerts to the module libraries and sends the
// popups, mails and sounds, in the order the alerts were generated.
//
// The records wait under the lock "GeneratedAlertsAnnouncer::records" in one of two batches
// that the worker and the thread pass to and fro, so that neither allocates once both have
// grown. An idle thread is woken when the worker ends a run of tests (Post), when kWakeAt
// records wait and when someone waits for the announcements (Flush): a wake-up costs the worker
// as much as announcing a few alerts and delays them, so it is not paid for every one, and a run
// that generated no more than kAnnouncedInPlace alerts while the thread was idle has them
// announced by the worker itself. When the limit of records wait
// (kLimit unless given), the worker waits until the thread takes them: nothing is dropped,
// memory stays bounded, and the worker's own shedding thins the values that wait behind it
// meanwhile.
//
// Add and Post on one thread at a time, the one that generates alerts (the worker); Flush on
// any thread; Stop on the main thread. Once the thread has stopped, or when it could not start, Add
// announces on the calling thread.

#include "platform/base/OleDate.h"
#include "platform/base/PlainThread.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/base/ThreadEvent.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgSnapshot.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class BLAlert;

class GeneratedAlertsAnnouncer : public PlainThread
{
public:
    struct Record
    {
        std::uint32_t alertId = 0;
        // 0 sell, 1 buy.
        unsigned side = 0;
        // Of the associated argument; 0 with no decimals when the alert has none.
        double value = 0.0;
        int precision = 0;
        OleDate time;
        QString name;
        // Invalid when the alert has no associated argument.
        AlertExprArgDesc argument;
        bool window = false;
        bool mail = false;
        bool sound = false;
        // The alert log's line; empty while the log is silent.
        QString logText;
        // The record's argument values end here in the batch's snapshots and begin where the
        // previous record's end.
        std::size_t snapshotsEnd = 0;
    };
    struct Batch
    {
        std::vector<Record> records;
        std::vector<AlertExprArgSnapshot> snapshots;
    };
    // Announces a batch; may take the snapshots out of it.
    using Handler = std::function<void(Batch& batch)>;

    static constexpr std::size_t kLimit = 65536;
    static constexpr std::size_t kWakeAt = 1024;
    static constexpr std::size_t kAnnouncedInPlace = 4;

    explicit GeneratedAlertsAnnouncer(Handler announce, std::size_t limit = kLimit);
    ~GeneratedAlertsAnnouncer() override;

    // The alert's record with the values of its arguments, announced after every record added
    // before it. Waits while the limit of records wait.
    void Add(Record record, const BLAlert& alert);
    // The adder ended a run of tests: what waits is announced without waiting for more, here
    // when it is no more than kAnnouncedInPlace records and the thread is idle.
    void Post();
    // Returns once every record added before the call has been announced.
    void Flush();
    // Announces what waits and ends the thread; the adder has stopped.
    void Stop();

protected:
    void Run() override;

private:
    // Caller holds the lock: true when the idle thread is to be woken for what waits.
    bool TakeWake();
    // Gives the batch to the handler and empties it; the waiters learn how far it went.
    void Announce(Batch& batch);

    const Handler m_announce;
    const std::size_t m_limit;
    SafeCriticalSection m_lock{QStringLiteral("GeneratedAlertsAnnouncer::records")};
    // Under the lock: the records that wait, and the counts that tell the waiters how far the
    // thread has come.
    Batch m_waiting;
    std::uint64_t m_added = 0;
    std::uint64_t m_announced = 0;
    std::uint64_t m_takes = 0;
    bool m_accepting = false;
    bool m_threadIdle = false;
    bool m_adderWaits = false;
    bool m_flushWaits = false;
    ThreadEvent m_queued{ThreadEvent::ResetMode::Automatic};
    ThreadEvent m_taken{ThreadEvent::ResetMode::Automatic};
    ThreadEvent m_flushed{ThreadEvent::ResetMode::Automatic};
    // The thread's own: the batch it announces.
    Batch m_taking;
    // The adder's own: the few records it announces itself.
    Batch m_inPlace;
};
