#pragma once
// The alerts worker thread "AlertsModuleWorkerThread". Argument sources deliver values,
// value lists, destroyed arguments and request-id changes on their own threads; each
// delivery is queued under the lock "AlertsModuleWorkerThread::dataQueue" and the thread is
// woken with 0x401 (data queued) or 0x402 (request id changed). On the thread the values are
// stored in the argument registry and the linked alerts are tested, so no source waits for
// alert tests and the main thread never runs them.
//
// The queue lock is a leaf: it is held only to change the queue, never while an element is
// processed. Every request-id change is kept until the thread has handled it, in order.
// 0x401 is posted only when the thread is idle: it takes elements until it finds the queue
// empty and only then counts as idle again, so while it works the sources neither post nor
// wake it.
//
// Shedding. When the sources deliver faster than the thread tests, the waiting deliveries are
// thinned so that memory stays bounded: when the thread takes more than kSheddingThreshold
// elements at once, or a delivery finds kQueueLimit elements waiting (the thread is held up),
// a value is dropped when a newer value of the same argument waits behind it, alone or in a
// list, and a list is dropped when every value in it has a newer one waiting. The newest
// waiting value of every argument always stays, a destroyed argument is never dropped and
// what stays keeps its order; at most one element per argument is left besides lists and
// destroyed arguments. Alerts are then tested on the newest values only, so a crossing that
// goes there and back within the dropped values does not fire. While values are dropped, a
// warning with their number goes to the log at most once a minute.

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

    // Every queued element, oldest first, taken out at once.
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

protected:
    bool ProcessMessage(const ThreadMessage& message) override;
    // Posts fail from here on: the next delivery finds that out and drops what waits.
    void ExitInstance() override;

private:
    // How many values are stored and tested in one hold of the list's lock: the main thread
    // waits for no more than these.
    static constexpr int kValuesPerLockHold = 64;

    bool Queue(DataElement element, const char* function);
    // The thread takes the queued elements into m_taken and leaves the queue the buffer it
    // has handled.
    void TakeQueued();
    void Process(const DataElement& element);
    void ProcessBatch(DataElement* first, DataElement* last);
    // Counts what shedding dropped and logs it, once a minute at most.
    void NoteShed(std::size_t dropped);

    AlertModule& m_module;
    std::deque<UpdateRequestId> m_pendingRequestIds;
    // The sources and the thread pass two buffers to and fro. A buffer keeps the elements
    // handled last beyond its count, and a delivery overwrites one of them: so the sources,
    // not the thread, give back the descriptors' shared texts, whose counts the sources
    // raise, and the thread never writes to memory that a source writes to for every value.
    std::vector<DataElement> m_dataQueue;
    std::size_t m_queued = 0;
    // The thread found the queue empty and waits for a message: the next delivery posts one.
    bool m_threadIdle = true;
    // The worker thread's batch: the first m_takenCount elements.
    std::vector<DataElement> m_taken;
    std::size_t m_takenCount = 0;
    SafeCriticalSection m_dataQueueLock{QStringLiteral("AlertsModuleWorkerThread::dataQueue")};
    std::atomic<std::uint64_t> m_shedCount = 0;
    // Under the lock of its own: the sources shed too when the thread is held up.
    std::mutex m_shedLogMutex;
    std::uint64_t m_shedNotLogged = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lastShedLog;
};
