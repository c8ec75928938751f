#include "platform/base/ThreadCrashReporting.h"

#include <mutex>
#include <utility>

namespace
{
struct Registration
{
    std::mutex mutex;
    std::shared_ptr<ICrashReportHandler> handler;
};

Registration& TheRegistration()
{
    static auto* registration = new Registration;
    return *registration;
}
}

void ThreadCrashReporting::SetCrashReportHandler(std::shared_ptr<ICrashReportHandler> handler)
{
    Registration& registration = TheRegistration();
    std::shared_ptr<ICrashReportHandler> previous;
    {
        std::lock_guard lock(registration.mutex);
        previous = std::exchange(registration.handler, std::move(handler));
    }
    // The previous reporter may be destroyed here, outside the lock.
}

std::shared_ptr<ICrashReportHandler> ThreadCrashReporting::GetCrashReportHandler()
{
    Registration& registration = TheRegistration();
    std::lock_guard lock(registration.mutex);
    return registration.handler;
}

ThreadCrashReporting::ThreadCrashReporting()
    : m_installed(GetCrashReportHandler())
{
    if (m_installed)
        m_installed->InstallToThread();
}

ThreadCrashReporting::~ThreadCrashReporting()
{
    if (m_installed)
        m_installed->UninstallFromThread();
}
