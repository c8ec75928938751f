#include "alerts/engine/AlertsModuleWorkerThread.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertsListManager.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/SafeAutoLock.h"

#include <unordered_set>
#include <utility>
#include <vector>

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
    bool wake = false;
    std::size_t shed = 0;
    {
        const SafeAutoLock lock(m_dataQueueLock, function, kFile);
        wake = std::exchange(m_threadIdle, false);
        // The slot's previous element leaves in element and is given back after the lock.
        if (m_queued < m_dataQueue.size())
            std::swap(m_dataQueue[m_queued], element);
        else
            m_dataQueue.push_back(std::move(element));
        ++m_queued;
        if (m_queued >= kQueueLimit)
        {
            shed = ShedOlderValues(m_dataQueue, m_queued);
            m_queued -= shed;
        }
    }
    if (shed > 0)
        NoteShed(shed);
    if (!wake || PostThreadMessage(kDataQueuedMessage))
        return true;
    // The thread does not run: nobody would ever take what waits.
    std::vector<DataElement> dropped;
    const SafeAutoLock lock(m_dataQueueLock, function, kFile);
    dropped.swap(m_dataQueue);
    m_queued = 0;
    m_threadIdle = true;
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

std::vector<AlertsModuleWorkerThread::DataElement> AlertsModuleWorkerThread::GetAllData()
{
    std::vector<DataElement> elements;
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::GetAllData", kFile);
    const auto queued = m_dataQueue.begin() + static_cast<std::ptrdiff_t>(m_queued);
    elements.assign(std::make_move_iterator(m_dataQueue.begin()), std::make_move_iterator(queued));
    m_queued = 0;
    return elements;
}

void AlertsModuleWorkerThread::TakeQueued()
{
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::TakeQueued", kFile);
    m_taken.swap(m_dataQueue);
    m_takenCount = std::exchange(m_queued, 0);
    m_threadIdle = m_takenCount == 0;
}

void AlertsModuleWorkerThread::ClearData()
{
    std::vector<DataElement> dropped;
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::ClearData", kFile);
    dropped.swap(m_dataQueue);
    m_queued = 0;
    m_pendingRequestIds.clear();
}

std::size_t AlertsModuleWorkerThread::ShedOlderValues(std::vector<DataElement>& elements)
{
    const std::size_t dropped = ShedOlderValues(elements, elements.size());
    elements.resize(elements.size() - dropped);
    return dropped;
}

std::size_t AlertsModuleWorkerThread::ShedOlderValues(std::vector<DataElement>& elements, std::size_t count)
{
    struct Hash
    {
        std::size_t operator()(const AlertExprArgDesc* descriptor) const { return descriptor->Hash(); }
    };
    struct Equal
    {
        bool operator()(const AlertExprArgDesc* a, const AlertExprArgDesc* b) const { return *a == *b; }
    };
    // Newest first: an element stays when it holds a value of an argument not seen yet.
    std::unordered_set<const AlertExprArgDesc*, Hash, Equal> newer;
    std::vector<bool> keep(count, true);
    for (std::size_t i = count; i-- > 0;)
    {
        const DataElement& element = elements[i];
        if (element.kind == DataElement::eValue)
        {
            keep[i] = newer.insert(&element.descriptor).second;
        }
        else if (element.kind == DataElement::eValueList)
        {
            bool needed = false;
            for (std::size_t value = 0; value < element.values->ArgumentsCount(); ++value)
                needed = newer.insert(&element.values->ArgDescription(value)).second || needed;
            keep[i] = needed;
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (keep[i] && kept != i)
            elements[kept] = std::move(elements[i]);
        kept += keep[i] ? 1 : 0;
    }
    return count - kept;
}

void AlertsModuleWorkerThread::NoteShed(std::size_t dropped)
{
    m_shedCount.fetch_add(dropped, std::memory_order_relaxed);
    const auto now = std::chrono::steady_clock::now();
    std::uint64_t count = 0;
    {
        const std::lock_guard lock(m_shedLogMutex);
        m_shedNotLogged += dropped;
        if (m_lastShedLog && now - *m_lastShedLog < std::chrono::minutes(1))
            return;
        m_lastShedLog = now;
        count = std::exchange(m_shedNotLogged, 0);
    }
    Log::WriteWarning(QStringLiteral("Moduł alertów: wartości argumentów przychodzą szybciej, niż alerty są "
                                     "sprawdzane; pominięto %1 starszych wartości")
                          .arg(count),
                      QString::fromLatin1(AppPaths::kProductName), QStringLiteral("AlertsModuleWorkerThread::NoteShed"),
                      __LINE__);
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

void AlertsModuleWorkerThread::ProcessBatch(DataElement* first, DataElement* last)
{
    AlertsListManager& alerts = m_module.Alerts();
    DataElement* element = first;
    // Stopping is asked once per hold: its lock is the one the sources post under.
    while (element != last && !IsStopping())
    {
        if (element->kind == DataElement::eArgumentDestroyed)
        {
            // Tells the windows, which take their own locks before the list's.
            Process(*element++);
            continue;
        }
        // A run of values under one hold of the list's lock, which every test takes anyway.
        // While a value is tested, the memory of the next value's alerts is asked for, and the
        // list of the alerts of the value after it, through which that memory is found.
        const SafeAutoLock lock(alerts.LinksLock(), "AlertsModuleWorkerThread::ProcessMessage", kFile);
        for (int held = 0;
             held < kValuesPerLockHold && element != last && element->kind != DataElement::eArgumentDestroyed;
             ++held)
        {
            const DataElement* next = element + 1;
            if (next != last && next->kind == DataElement::eValue)
                alerts.PrefetchLinkedAlerts(next->descriptor);
            if (next != last && next + 1 != last && next[1].kind == DataElement::eValue)
                alerts.PrefetchLinks(next[1].descriptor);
            Process(*element);
            // A list is the source's own and may be large: it is not kept until overwritten.
            element->values.reset();
            ++element;
        }
    }
}

void AlertsModuleWorkerThread::ExitInstance()
{
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::ExitInstance", kFile);
    m_threadIdle = true;
}

bool AlertsModuleWorkerThread::ProcessMessage(const ThreadMessage& message)
{
    if (message.message == kDataQueuedMessage)
    {
        // Taken a batch at a time, so that the sources seldom wait for the lock.
        for (TakeQueued(); m_takenCount > 0 && !IsStopping(); TakeQueued())
        {
            if (m_takenCount > kSheddingThreshold)
            {
                const std::size_t dropped = ShedOlderValues(m_taken, m_takenCount);
                m_takenCount -= dropped;
                if (dropped > 0)
                    NoteShed(dropped);
            }
            ProcessBatch(m_taken.data(), m_taken.data() + m_takenCount);
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
