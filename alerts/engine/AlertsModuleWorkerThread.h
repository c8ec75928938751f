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
// 0x401 is posted when a delivery finds the queue empty: the thread takes elements until the
// queue is empty again, so a message for a queue that already waits would find nothing.

#include "platform/base/MessageThread.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgList.h"
#include "platform/modules/AlertExprArgValue.h"

#include <cstdint>
#include <deque>
#include <memory>

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
    std::deque<DataElement> GetAllData();
    // Drops every queued element and request-id change.
    void ClearData();

protected:
    bool ProcessMessage(const ThreadMessage& message) override;

private:
    bool Queue(DataElement element, const char* function);
    void Process(const DataElement& element);

    AlertModule& m_module;
    std::deque<UpdateRequestId> m_pendingRequestIds;
    std::deque<DataElement> m_dataQueue;
    SafeCriticalSection m_dataQueueLock{QStringLiteral("AlertsModuleWorkerThread::dataQueue")};
};
