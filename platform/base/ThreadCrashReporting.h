#pragma once
// The crash reporter registered for the program's threads. Message and plain threads hold one
// ThreadCrashReporting for their whole run: it installs the registered reporter on the thread
// when the thread starts and uninstalls that same reporter when the thread ends, so a reporter
// replaced meanwhile is never asked to remove what it did not set up. Threads that are already
// running keep what they installed. Any thread may register.

#include "platform/base/ICrashReportHandler.h"

#include <memory>

class ThreadCrashReporting
{
public:
    // Null clears the registration.
    static void SetCrashReportHandler(std::shared_ptr<ICrashReportHandler> handler);
    static std::shared_ptr<ICrashReportHandler> GetCrashReportHandler();

    ThreadCrashReporting();
    ~ThreadCrashReporting();
    ThreadCrashReporting(const ThreadCrashReporting&) = delete;
    ThreadCrashReporting& operator=(const ThreadCrashReporting&) = delete;

private:
    std::shared_ptr<ICrashReportHandler> m_installed;
};
