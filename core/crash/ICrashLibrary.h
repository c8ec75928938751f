#pragma once
// The crash-reporting library behind the crash handler: its version, the installation for the
// process and for single threads, the folder its reports go to, and the text of its last failure.

#include "core/crash/CrashInstallInfo.h"
#include "platform/base/AppVersionNumber.h"

#include <QString>

#include <optional>

class ICrashLibrary
{
public:
    virtual ~ICrashLibrary() = default;

    // Nothing when the library cannot tell (it is missing).
    virtual std::optional<AppVersionNumber> GetVersion() const = 0;
    // For the whole process and the calling thread; false, with GetLastErrorMessage, on failure.
    virtual bool Install(const CrashInstallInfo& info) = 0;
    virtual bool Uninstall() = 0;
    // The part that belongs to the calling thread; only while installed.
    virtual bool InstallToThread(unsigned flags) = 0;
    virtual bool UninstallFromThread() = 0;
    // After Install: the folder that receives the reports and how many reports are kept in it.
    virtual bool ConfigureReports(const QString& folder, int keptReports) = 0;
    virtual QString GetLastErrorMessage() const = 0;
};
