#include "platform/base/PlainThread.h"

#include "platform/base/ThreadCrashReporting.h"
#include "platform/base/ThreadNaming.h"

#include <system_error>
#include <utility>

PlainThread::PlainThread(QString name)
    : m_name(std::move(name))
{
}

PlainThread::~PlainThread()
{
    RequestStop();
    Join();
}

bool PlainThread::Start()
{
    if (IsOwnThread())
        return false;
    const std::lock_guard guard(m_threadMutex);
    if (m_running.load())
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_stopRequested.store(false);
    m_running.store(true);
    try
    {
        m_thread = std::thread(&PlainThread::Main, this);
    }
    catch (const std::system_error&)
    {
        m_running.store(false);
        return false;
    }
    return true;
}

void PlainThread::Join()
{
    if (IsOwnThread())
        return;
    const std::lock_guard guard(m_threadMutex);
    if (m_thread.joinable())
        m_thread.join();
}

void PlainThread::Main()
{
    m_ownThreadId.store(std::this_thread::get_id());
    ThreadNaming::SetCurrent(m_name);
    const ThreadCrashReporting crashReporting;
    Run();
    m_ownThreadId.store(std::thread::id());
    m_running.store(false);
}
