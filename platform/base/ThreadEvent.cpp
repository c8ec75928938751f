#include "platform/base/ThreadEvent.h"

ThreadEvent::ThreadEvent(ResetMode mode, bool signalled)
    : m_mode(mode)
    , m_signalled(signalled)
{
}

void ThreadEvent::Set()
{
    {
        const std::lock_guard guard(m_mutex);
        m_signalled = true;
    }
    if (m_mode == ResetMode::Manual)
        m_changed.notify_all();
    else
        m_changed.notify_one();
}

void ThreadEvent::Reset()
{
    const std::lock_guard guard(m_mutex);
    m_signalled = false;
}

void ThreadEvent::Wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_signalled; });
    if (m_mode == ResetMode::Automatic)
        m_signalled = false;
}

bool ThreadEvent::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    if (!m_changed.wait_for(lock, timeout, [this] { return m_signalled; }))
        return false;
    if (m_mode == ResetMode::Automatic)
        m_signalled = false;
    return true;
}
