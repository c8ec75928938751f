#include "alerts/engine/AlertsModuleWorkerThread.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertsListManager.h"
#include "alerts/engine/Prefetch.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/SafeAutoLock.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

namespace
{
constexpr const char* kFile = "AlertsModuleWorkerThread";

// Threads take sub-queues in turn, in the order of their first delivery.
std::size_t SubQueueOfThisThread()
{
    static std::atomic<std::size_t> threads = 0;
    thread_local const std::size_t index =
        threads.fetch_add(1, std::memory_order_relaxed) % AlertsModuleWorkerThread::kSubQueues;
    return index;
}

// Which of count elements, oldest first, shedding keeps: newest first, an element stays when
// it holds a value of an argument not seen yet.
template <typename At>
std::vector<bool> KeepNewest(std::size_t count, At at)
{
    using DataElement = AlertsModuleWorkerThread::DataElement;
    struct Hash
    {
        std::size_t operator()(const AlertExprArgDesc* descriptor) const { return descriptor->Hash(); }
    };
    struct Equal
    {
        bool operator()(const AlertExprArgDesc* a, const AlertExprArgDesc* b) const { return *a == *b; }
    };
    std::unordered_set<const AlertExprArgDesc*, Hash, Equal> newer;
    std::vector<bool> keep(count, true);
    for (std::size_t i = count; i-- > 0;)
    {
        const DataElement& element = at(i);
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
    return keep;
}
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
    SubQueue& queue = m_subQueues[SubQueueOfThisThread()];
    bool wake = false;
    std::size_t shed = 0;
    {
        const SafeAutoLock lock(queue.lock, function, kFile);
        // Sequentially consistent with the thread's "idle, then read the cut": an element numbered
        // at or after the cut the thread left behind always sees the thread idle and wakes it.
        element.arrival = m_arrivals.fetch_add(1);
        Place(queue, queue.queued++, element);
        if (queue.queued >= kQueueLimit / kSubQueues)
        {
            shed = ShedOlderValues(queue.elements, queue.queued);
            queue.queued -= shed;
            for (std::size_t i = 0; i < queue.queued; ++i)
                queue.arrivals[i] = queue.elements[i].arrival;
        }
        wake = m_threadIdle.load() && m_threadIdle.exchange(false);
    }
    if (shed > 0)
        NoteShed(shed);
    if (!wake || PostThreadMessage(kDataQueuedMessage))
        return true;
    // The thread does not run: nobody would ever take what waits.
    m_threadIdle.store(true);
    DropQueued(function);
    return false;
}

void AlertsModuleWorkerThread::Place(SubQueue& queue, std::size_t index, DataElement& element)
{
    // The slot's previous element leaves in element and is given back after the lock.
    if (index < queue.elements.size())
    {
        std::swap(queue.elements[index], element);
        queue.arrivals[index] = queue.elements[index].arrival;
    }
    else
    {
        queue.arrivals.push_back(element.arrival);
        queue.elements.push_back(std::move(element));
    }
}

std::vector<AlertsModuleWorkerThread::DataElement> AlertsModuleWorkerThread::DropQueued(const char* function)
{
    std::vector<DataElement> dropped;
    for (SubQueue& queue : m_subQueues)
    {
        const SafeAutoLock lock(queue.lock, function, kFile);
        const auto queued = queue.elements.begin() + static_cast<std::ptrdiff_t>(queue.queued);
        dropped.insert(dropped.end(), std::make_move_iterator(queue.elements.begin()), std::make_move_iterator(queued));
        queue.queued = 0;
    }
    return dropped;
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
    std::vector<DataElement> elements = DropQueued("AlertsModuleWorkerThread::GetAllData");
    std::sort(elements.begin(), elements.end(),
              [](const DataElement& a, const DataElement& b) { return a.arrival < b.arrival; });
    return elements;
}

std::size_t AlertsModuleWorkerThread::TakeQueued()
{
    // Whatever arrived before this number is in its sub-queue by the time the sub-queue is
    // taken: the number was counted under the sub-queue's lock.
    const std::uint64_t cut = m_arrivals.load();
    for (std::size_t index = 0; index < kSubQueues; ++index)
    {
        SubQueue& queue = m_subQueues[index];
        Taken& taken = m_taken[index];
        const SafeAutoLock lock(queue.lock, "AlertsModuleWorkerThread::TakeQueued", kFile);
        if (queue.queued == 0)
        {
            taken.count = 0;
            continue;
        }
        taken.elements.swap(queue.elements);
        taken.arrivals.swap(queue.arrivals);
        taken.count = std::exchange(queue.queued, 0);
        // What arrived after the cut goes back to wait for the next take.
        std::size_t later = 0;
        while (later < taken.count && taken.arrivals[taken.count - later - 1] >= cut)
            ++later;
        for (std::size_t i = 0; i < later; ++i)
            Place(queue, i, taken.elements[taken.count - later + i]);
        queue.queued = later;
        taken.count -= later;
    }
    MergeTaken();
    return m_order.size();
}

void AlertsModuleWorkerThread::MergeTaken()
{
    m_order.clear();
    // Each sub-queue's elements are in arrival order already.
    struct Run
    {
        DataElement* element;
        const std::uint64_t* arrival;
        const std::uint64_t* end;
    };
    Run runs[kSubQueues];
    std::size_t running = 0;
    std::size_t count = 0;
    std::uint64_t first = UINT64_MAX;
    std::uint64_t last = 0;
    for (Taken& taken : m_taken)
    {
        if (taken.count == 0)
            continue;
        runs[running++] = Run{taken.elements.data(), taken.arrivals.data(), taken.arrivals.data() + taken.count};
        count += taken.count;
        first = std::min(first, taken.arrivals.front());
        last = std::max(last, taken.arrivals[taken.count - 1]);
    }
    if (running > 1 && last - first + 1 == count)
    {
        // Nothing was dropped between the numbers taken: each element's number is its place,
        // and the runs need no comparing, which the interleaved deliveries of several threads
        // would make a guess of the processor's for every element.
        m_order.resize(count);
        for (std::size_t index = 0; index < running; ++index)
        {
            for (const std::uint64_t* arrival = runs[index].arrival; arrival != runs[index].end; ++arrival)
                m_order[*arrival - first] = runs[index].element++;
        }
        return;
    }
    // Otherwise the oldest head goes next, and the last run with elements left gives the rest
    // as it stands.
    while (running > 1)
    {
        std::size_t oldest = 0;
        for (std::size_t run = 1; run < running; ++run)
        {
            if (*runs[run].arrival < *runs[oldest].arrival)
                oldest = run;
        }
        Run& run = runs[oldest];
        m_order.push_back(run.element++);
        if (++run.arrival == run.end)
            run = runs[--running];
    }
    if (running == 1)
    {
        for (const std::uint64_t* arrival = runs[0].arrival; arrival != runs[0].end; ++arrival)
            m_order.push_back(runs[0].element++);
    }
}

void AlertsModuleWorkerThread::ClearData()
{
    const std::vector<DataElement> dropped = DropQueued("AlertsModuleWorkerThread::ClearData");
    const SafeAutoLock lock(m_dataQueueLock, "AlertsModuleWorkerThread::ClearData", kFile);
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
    const std::vector<bool> keep = KeepNewest(count, [&elements](std::size_t i) -> const DataElement& {
        return elements[i];
    });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (keep[i] && kept != i)
            elements[kept] = std::move(elements[i]);
        kept += keep[i] ? 1 : 0;
    }
    return count - kept;
}

std::size_t AlertsModuleWorkerThread::ShedOlderValues(std::vector<DataElement*>& order)
{
    const std::vector<bool> keep = KeepNewest(order.size(), [&order](std::size_t i) -> const DataElement& {
        return *order[i];
    });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < order.size(); ++i)
    {
        if (keep[i])
            order[kept++] = order[i];
        else
            order[i]->values.reset();
    }
    const std::size_t dropped = order.size() - kept;
    order.resize(kept);
    return dropped;
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

void AlertsModuleWorkerThread::ProcessBatch(DataElement* const* first, DataElement* const* last)
{
    AlertsListManager& alerts = m_module.Alerts();
    DataElement* const* element = first;
    // Stopping is asked once per hold: its lock is the one the sources post under.
    while (element != last && !IsStopping())
    {
        if ((*element)->kind == DataElement::eArgumentDestroyed)
        {
            // Tells the windows, which take their own locks before the list's.
            Process(**element++);
            continue;
        }
        // A run of values under one hold of the list's lock, which every test takes anyway.
        // While a value is tested, the memory of the next value's alerts is asked for, and the
        // list of the alerts of the value after it, through which that memory is found.
        const SafeAutoLock lock(alerts.LinksLock(), "AlertsModuleWorkerThread::ProcessMessage", kFile);
        for (int held = 0;
             held < kValuesPerLockHold && element != last && (*element)->kind != DataElement::eArgumentDestroyed;
             ++held)
        {
            DataElement* const* next = element + 1;
            // The elements lie in as many buffers as threads delivered them, interleaved, where
            // the processor does not foresee the next one: it is asked for a few ahead.
            if (last - element > kElementsAhead)
                PrefetchBytes(element[kElementsAhead], sizeof(DataElement));
            if (next != last && (*next)->kind == DataElement::eValue)
                alerts.PrefetchLinkedAlerts((*next)->descriptor, (*next)->value);
            if (next != last && next + 1 != last && next[1]->kind == DataElement::eValue)
                alerts.PrefetchLinks(next[1]->descriptor);
            Process(**element);
            // A list is the source's own and may be large: it is not kept until overwritten.
            // Only a list is let go: the line of any other element stays the source's.
            if ((*element)->values)
                (*element)->values.reset();
            ++element;
        }
        // The alerts of the run go to be announced, one wake-up for all of them.
        m_module.PostGeneratedAlerts();
    }
}

void AlertsModuleWorkerThread::ExitInstance()
{
    m_threadIdle.store(true);
}

bool AlertsModuleWorkerThread::ProcessMessage(const ThreadMessage& message)
{
    if (message.message == kDataQueuedMessage)
    {
        // Taken a batch at a time, so that the sources seldom wait for a lock.
        while (!IsStopping())
        {
            if (TakeQueued() == 0)
            {
                // Idle from here on, unless a look into every sub-queue after saying so finds
                // what a source queued meanwhile without waking the thread.
                m_threadIdle.store(true);
                if (TakeQueued() == 0)
                    break;
                // When a source took the wake-up already, its message finds the queue empty.
                m_threadIdle.store(false);
            }
            if (m_order.size() > kSheddingThreshold)
            {
                const std::size_t dropped = ShedOlderValues(m_order);
                if (dropped > 0)
                    NoteShed(dropped);
            }
            ProcessBatch(m_order.data(), m_order.data() + m_order.size());
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
