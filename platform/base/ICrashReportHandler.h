#pragma once
// A crash reporter as the program's threads see it: a thread that starts while one is
// registered (ThreadCrashReporting) sets up the reporter's part that belongs to each thread,
// and removes it again when it ends.

class ICrashReportHandler
{
public:
    // Both run on the thread itself.
    virtual void InstallToThread() = 0;
    virtual void UninstallFromThread() = 0;
    virtual ~ICrashReportHandler() = default;
};
