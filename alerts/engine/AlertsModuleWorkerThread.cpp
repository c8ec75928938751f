#include "alerts/engine/AlertsModuleWorkerThread.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertsListManager.h"
#include "platform/base/SafeAutoLock.h"

#include <utility>

namespace
{
constexpr const char* kFile = "AlertsModuleWorkerThread";
}

AlertsModuleWorkerThread::AlertsModuleWorkerThread(AlertModule& module)
    : MessageThread(QStringLiteral("AlertsModuleWorkerThread"))
    , m_module(module)
{
}

AlertsModuleWorkerThread::~AlertsModuleWorkerThread()
{
    Stop();
}

bool AlertsModuleWorkerThread::OnUpdateArgRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    if (!IsRunning())
        return false;
    {
        const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::OnUpdateArgRequestId", kFile);
        m_pendingRequestIds.push_back(UpdateRequestId{baseSourceId, newSourceId});
    }
    return PostThreadMessage(kRequestIdMessage);
}

bool AlertsModuleWorkerThread::Queue(DataElement element, const char* function)
{
    bool wasEmpty = false;
    {
        const SafeAutoLock lock(m_dataQueueLock, function, kFile);
        wasEmpty = m_dataQueue.empty();
        m_dataQueue.push_back(std::move(element));
    }
    if (!wasEmpty || PostThreadMessage(kDataQueuedMessage))
        return true;
    // The thread does not run: nobody would ever take what waits.
    std::deque<DataElement> dropped;
    const SafeAutoLock lock(m_dataQueueLock, function, kFile);
    dropped.swap(m_dataQueue);
    return false;
}

bool AlertsModuleWorkerThread::OnUpdateArgValue(const AlertExprArgDesc& descriptor, const AlertExprArgValue& value)
{
    return Queue(DataElement{DataElement::eValue, descriptor, value, nullptr},
                 "AlertsModuleWorkerThread::OnUpdateArgValue");
}

bool AlertsModuleWorkerThread::OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values)
{
    if (!values)
        return false;
    return Queue(DataElement{DataElement::eValueList, AlertExprArgDesc(), AlertExprArgValue(), std::move(values)},
                 "AlertsModuleWorkerThread::OnUpdateArgListValues");
}

bool AlertsModuleWorkerThread::OnArgDestroyed(const AlertExprArgDesc& descriptor)
{
    return Queue(DataElement{DataElement::eArgumentDestroyed, descriptor, AlertExprArgValue(), nullptr},
                 "AlertsModuleWorkerThread::OnArgDestroyed");
}

std::deque<AlertsModuleWorkerThread::DataElement> AlertsModuleWorkerThread::GetAllData()
{
    std::deque<DataElement> elements;
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::GetAllData", kFile);
    elements.swap(m_dataQueue);
    return elements;
}

void AlertsModuleWorkerThread::ClearData()
{
    std::deque<DataElement> dropped;
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::ClearData", kFile);
    dropped.swap(m_dataQueue);
    m_pendingRequestIds.clear();
}

void AlertsModuleWorkerThread::Process(const DataElement& element)
{
    switch (element.kind)
    {
    case DataElement::eValue:
        m_module.OnArgValueUpdated(element.descriptor, element.value);
        break;
    case DataElement::eValueList:
        m_module.OnArgListValuesUpdated(*element.values);
        break;
    case DataElement::eArgumentDestroyed:
        m_module.OnArgumentDestroyed(element.descriptor);
        break;
    default:
        break;
    }
}

bool AlertsModuleWorkerThread::ProcessMessage(const ThreadMessage& message)
{
    if (message.message == kDataQueuedMessage)
    {
        // Taken a batch at a time, so that the sources seldom wait for the lock.
        for (std::deque<DataElement> elements = GetAllData(); !elements.empty() && !IsStopping();
             elements = GetAllData())
        {
            for (const DataElement& element : elements)
            {
                if (IsStopping())
                    break;
                Process(element);
            }
        }
        return true;
    }
    if (message.message == kRequestIdMessage)
    {
        std::deque<UpdateRequestId> requests;
        {
            const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::ProcessMessage", kFile);
            requests.swap(m_pendingRequestIds);
        }
        for (const UpdateRequestId& request : requests)
        {
            m_module.Alerts().CollectAlertsForChangeRequest(request.baseSourceId, request.newSourceId);
            m_module.QueueChangeRequest(request.baseSourceId, request.newSourceId);
        }
        return true;
    }
    return MessageThread::ProcessMessage(message);
}
