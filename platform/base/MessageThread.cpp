#include "platform/base/MessageThread.h"

#include "platform/base/ThreadCrashReporting.h"
#include "platform/base/ThreadNaming.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace
{
using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kShortestInterval(1);
}

MessageThread::MessageThread(QString name)
    : m_name(std::move(name))
{
}

MessageThread::~MessageThread()
{
    Stop();
}

bool MessageThread::Start(StartMode mode)
{
    const std::lock_guard joinGuard(m_joinMutex);
    const std::lock_guard guard(m_mutex);
    if (m_state != State::NotStarted)
        return false;
    m_paused = mode == StartMode::Suspended;
    try
    {
        // The new thread waits for m_mutex, so it sees the state set below.
        m_thread = std::thread(&MessageThread::Main, this);
    }
    catch (const std::system_error&)
    {
        return false;
    }
    m_state = State::Running;
    return true;
}

bool MessageThread::Pause()
{
    const std::lock_guard guard(m_mutex);
    if (!IsAccepting())
        return false;
    m_paused = true;
    return true;
}

bool MessageThread::Resume()
{
    {
        const std::lock_guard guard(m_mutex);
        if (!IsAccepting())
            return false;
        m_paused = false;
    }
    m_wake.notify_one();
    return true;
}

void MessageThread::Stop()
{
    {
        const std::lock_guard guard(m_mutex);
        m_stopRequested = true;
        if (m_state == State::NotStarted)
        {
            m_state = State::Ended;
            return;
        }
        m_messages.clear();
        m_timers.clear();
        if (m_threadId == std::this_thread::get_id())
            return;
    }
    m_wake.notify_one();
    const std::lock_guard joinGuard(m_joinMutex);
    if (m_thread.joinable())
        m_thread.join();
}

bool MessageThread::PostThreadMessage(unsigned int message, std::uintptr_t wParam, std::intptr_t lParam)
{
    {
        const std::lock_guard guard(m_mutex);
        if (!IsAccepting())
            return false;
        m_messages.push_back({message, wParam, lParam});
    }
    m_wake.notify_one();
    return true;
}

std::uintptr_t MessageThread::SetTimer(std::uintptr_t id, std::chrono::milliseconds interval)
{
    if (id == 0)
        return 0;
    {
        const std::lock_guard guard(m_mutex);
        if (!IsAccepting())
            return 0;
        interval = std::max(interval, kShortestInterval);
        m_timers[id] = {interval, Clock::now() + interval};
    }
    m_wake.notify_one();
    return id;
}

bool MessageThread::KillTimer(std::uintptr_t id)
{
    const std::lock_guard guard(m_mutex);
    return m_timers.erase(id) > 0;
}

bool MessageThread::IsRunning() const
{
    const std::lock_guard guard(m_mutex);
    return IsAccepting();
}

bool MessageThread::IsStopping() const
{
    const std::lock_guard guard(m_mutex);
    return m_stopRequested;
}

bool MessageThread::InitInstance()
{
    return true;
}

void MessageThread::ExitInstance()
{
}

bool MessageThread::ProcessMessage(const ThreadMessage& message)
{
    return false;
}

void MessageThread::OnTimer(std::uintptr_t id)
{
}

void MessageThread::Main()
{
    ThreadNaming::SetCurrent(m_name);
    const ThreadCrashReporting crashReporting;
    std::unique_lock lock(m_mutex);
    m_threadId = std::this_thread::get_id();
    m_wake.wait(lock, [this] { return m_stopRequested || !m_paused; });
    if (m_stopRequested)
    {
        m_state = State::Ended;
        return;
    }
    lock.unlock();
    const bool initialised = InitInstance();
    lock.lock();
    if (initialised)
        RunLoop(lock);
    // Posts and timers fail from here on, also while ExitInstance runs.
    m_state = State::Ended;
    m_messages.clear();
    m_timers.clear();
    lock.unlock();
    ExitInstance();
}

void MessageThread::RunLoop(std::unique_lock<std::mutex>& lock)
{
    for (;;)
    {
        if (m_stopRequested)
            return;
        if (m_paused)
        {
            m_wake.wait(lock);
            continue;
        }
        // Each round fires the timers that are due, then handles at most one message, so
        // neither a flood of messages nor slow timers starve the other.
        FireDueTimers(lock);
        if (!CanDispatch())
            continue;
        if (!m_messages.empty())
        {
            const ThreadMessage message = m_messages.front();
            m_messages.pop_front();
            lock.unlock();
            ProcessMessage(message);
            lock.lock();
            continue;
        }
        if (m_timers.empty())
            m_wake.wait(lock);
        else
            m_wake.wait_until(lock, NextTimerDue());
    }
}

void MessageThread::FireDueTimers(std::unique_lock<std::mutex>& lock)
{
    if (m_timers.empty())
        return;
    const Clock::time_point roundTime = Clock::now();
    // A fired timer is due again after roundTime, so each fires at most once per round;
    // timers killed or set by a handler are seen at once.
    while (CanDispatch())
    {
        const auto timer = std::find_if(m_timers.begin(), m_timers.end(),
                                        [roundTime](const auto& entry) { return entry.second.due <= roundTime; });
        if (timer == m_timers.end())
            return;
        const std::uintptr_t id = timer->first;
        timer->second.due = Clock::now() + timer->second.interval;
        lock.unlock();
        OnTimer(id);
        lock.lock();
    }
}

Clock::time_point MessageThread::NextTimerDue() const
{
    const auto earliest = std::min_element(m_timers.begin(), m_timers.end(),
                                           [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
    return earliest->second.due;
}
