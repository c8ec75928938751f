#pragma once
// The alerts worker thread "AlertsModuleWorkerThread". Argument sources deliver values,
// value lists, destroyed arguments and request-id changes on their own threads; each
// delivery is queued under the lock "AlertsModuleWorkerThread::dataQueue" and the thread is
// woken with 0x401 (data queued) or 0x402 (request id changed). On the thread the values are
// stored in the argument registry and the linked alerts are tested, so no source waits for
// alert tests and the main thread never runs them.
//
// The data queue is split in sub-queues, one per delivering thread (threads share one when
// there are more threads than sub-queues), each under a lock of its own named
// "AlertsModuleWorkerThread::dataQueue": sources on different threads never wait for each other.
// Every delivery takes the next arrival number under its sub-queue's lock, and the thread
// handles what it takes from all sub-queues in one pass, merged in arrival order, so that
// elements are still handled strictly in the order in which they arrived, whichever threads
// delivered them. A take handles only what arrived before it began: an element that arrives
// in a sub-queue while the others are being taken waits for the next pass, since an element
// of a sub-queue not yet taken may have arrived before it. The pending request-id changes are
// kept under "AlertsModuleWorkerThread::dataQueue" of their own.
//
// The queue locks are leaves: each is held only to change its sub-queue, never while an
// element is processed and never together. Every request-id change is kept until the thread
// has handled it, in order. 0x401 is posted only when the thread is idle: it takes elements
// until it finds every sub-queue empty and only then counts as idle again, so while it works
// the sources neither post nor wake it.
//
// Shedding. When the sources deliver faster than the thread tests, the waiting deliveries are
// thinned so that memory stays bounded: when the thread takes more than kSheddingThreshold
// elements at once, or a delivery finds its sub-queue's share of kQueueLimit waiting (the
// thread is held up; that sub-queue is thinned alone), a value is dropped when a newer value of
// the same argument waits behind it, alone or in a list, and a list is dropped when every value
// in it has a newer one waiting. The newest waiting value of every argument always stays, a
// destroyed argument is never dropped and what stays keeps its order; at most one element per
// argument is left (per sub-queue when one is thinned alone) besides lists and destroyed
// arguments. Alerts are then tested on the newest values only, so a crossing that goes there
// and back within the dropped values does not fire. While values are dropped, a warning with
// their number goes to the log at most once a minute.

#include "platform/base/MessageThread.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgList.h"
#include "platform/modules/AlertExprArgValue.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class AlertModule;

class AlertsModuleWorkerThread : public MessageThread
{
public:
    static constexpr unsigned kDataQueuedMessage = 0x401;
    static constexpr unsigned kRequestIdMessage = 0x402;

    struct DataElement
    {
        enum EKind
        {
            eValue = 0,
            eValueList = 1,
            eArgumentDestroyed = 2,
        };

        int kind = eValue;
        AlertExprArgDesc descriptor;
        AlertExprArgValue value;
        std::shared_ptr<const AlertExprArgList> values;
        // Given on queueing: elements are handled in the order of these numbers.
        std::uint64_t arrival = 0;
    };

    struct UpdateRequestId
    {
        std::uint32_t baseSourceId = 0;
        std::uint32_t newSourceId = 0;
    };

    explicit AlertsModuleWorkerThread(AlertModule& module);
    ~AlertsModuleWorkerThread() override;

    // From any thread; false (nothing stays queued) when the thread does not run.
    bool OnUpdateArgRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId);
    bool OnUpdateArgValue(const AlertExprArgDesc& descriptor, const AlertExprArgValue& value);
    bool OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values);
    bool OnArgDestroyed(const AlertExprArgDesc& descriptor);

    // Every queued element, oldest first, taken out.
    std::vector<DataElement> GetAllData();
    // Drops every queued element and request-id change.
    void ClearData();

    // Drops the values that a newer value of the same argument follows (see Shedding);
    // gives how many elements went.
    static std::size_t ShedOlderValues(std::vector<DataElement>& elements);
    // The same over the first count elements, which keep what stays at their front; the
    // elements from the new count on are left to be overwritten.
    static std::size_t ShedOlderValues(std::vector<DataElement>& elements, std::size_t count);
    // Elements dropped by shedding since the thread was made.
    std::uint64_t ShedCount() const { return m_shedCount.load(std::memory_order_relaxed); }

    static constexpr std::size_t kSheddingThreshold = 16384;
    static constexpr std::size_t kQueueLimit = 262144;
    static constexpr std::size_t kSubQueues = 8;

protected:
    bool ProcessMessage(const ThreadMessage& message) override;
    // Posts fail from here on: the next delivery finds that out and drops what waits.
    void ExitInstance() override;

private:
    // How many values are stored and tested in one hold of the list's lock: the main thread
    // waits for no more than these.
    static constexpr int kValuesPerLockHold = 64;
    // How far ahead of the tested element the next elements are fetched into the cache.
    static constexpr std::ptrdiff_t kElementsAhead = 4;

    // One delivering thread's part of the data queue. The sources and the thread pass two
    // buffers to and fro: the thread takes the sub-queue's buffer and leaves the one it has
    // handled. A buffer keeps the elements handled last beyond its count, and a delivery
    // overwrites one of them: so the sources, not the thread, give back the descriptors'
    // shared texts, whose counts the sources raise, and the thread never writes to memory
    // that a source writes to for every value.
    struct alignas(64) SubQueue
    {
        SafeCriticalSection lock{QStringLiteral("AlertsModuleWorkerThread::dataQueue")};
        std::vector<DataElement> elements;
        // The elements' arrival numbers, index for index: merging reads eight of them to a
        // line instead of a line of every element, which would be gone from the cache again
        // by the time the element is tested.
        std::vector<std::uint64_t> arrivals;
        std::size_t queued = 0;
    };
    // The thread's side of a sub-queue: the first count elements were taken last.
    struct Taken
    {
        std::vector<DataElement> elements;
        std::vector<std::uint64_t> arrivals;
        std::size_t count = 0;
    };

    bool Queue(DataElement element, const char* function);
    // Puts element at index of the sub-queue, under its lock; element takes what the slot held.
    static void Place(SubQueue& queue, std::size_t index, DataElement& element);
    // Drops every element waiting in the sub-queues; gives the elements to the caller, so
    // that their texts are given back after the locks.
    std::vector<DataElement> DropQueued(const char* function);
    // The thread takes what arrived before the take began from every sub-queue and lists it
    // in arrival order in m_order; gives how many.
    std::size_t TakeQueued();
    void MergeTaken();
    // The same rule over the elements listed in order; dropped lists are let go.
    static std::size_t ShedOlderValues(std::vector<DataElement*>& order);
    void Process(const DataElement& element);
    void ProcessBatch(DataElement* const* first, DataElement* const* last);
    // Counts what shedding dropped and logs it, once a minute at most.
    void NoteShed(std::size_t dropped);

    AlertModule& m_module;
    std::deque<UpdateRequestId> m_pendingRequestIds;
    SafeCriticalSection m_dataQueueLock{QStringLiteral("AlertsModuleWorkerThread::dataQueue")};
    SubQueue m_subQueues[kSubQueues];
    // Taken under a sub-queue's lock, on a line of its own: every delivery counts it.
    alignas(64) std::atomic<std::uint64_t> m_arrivals = 0;
    // The thread found every sub-queue empty and waits for a message: the next delivery posts
    // one. Read by the sources under their sub-queue's lock, which orders it with the thread's
    // last look into that sub-queue.
    alignas(64) std::atomic<bool> m_threadIdle = true;
    // The worker thread's own: what it took of each sub-queue and the order to handle it in.
    alignas(64) Taken m_taken[kSubQueues];
    std::vector<DataElement*> m_order;
    std::atomic<std::uint64_t> m_shedCount = 0;
    // Under the lock of its own: the sources shed too when the thread is held up.
    std::mutex m_shedLogMutex;
    std::uint64_t m_shedNotLogged = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lastShedLog;
};
