#pragma once
// The crash-reporting library of this platform: fatal signals of any thread leave a readable
// text report in the program's application-data folder (CrashSignalHandler), named
// "CrashReport-<UTC date>-<UTC time>-<process>.txt". A report holds the program's name and
// version, the report's subject with the user and code the program set, the time, the signal,
// the backtrace and the last lines of "Log.txt". Sending reports anywhere is not its business.
//
// Signal handlers belong to the whole process, so every instance drives the same installation:
// a second Install without Uninstall fails, as the library allows one reporter per process.

#include "core/crash/ICrashLibrary.h"

#include <mutex>

class SignalCrashLibrary : public ICrashLibrary
{
public:
    // The version of the reporting contract this library keeps.
    static AppVersionNumber Version() { return AppVersionNumber(1, 3, 0, 1); }

    std::optional<AppVersionNumber> GetVersion() const override;
    bool Install(const CrashInstallInfo& info) override;
    bool Uninstall() override;
    bool InstallToThread(unsigned flags) override;
    bool UninstallFromThread() override;
    // Also removes the oldest reports beyond keptReports and leftovers of unfinished ones.
    bool ConfigureReports(const QString& folder, int keptReports) override;
    QString GetLastErrorMessage() const override;

    // The report's first lines, UTF-8; line breaks and other control characters in the values
    // become spaces, so every value stays on its line.
    static QByteArray BuildReportHeader(const CrashInstallInfo& info);
    // The folder's reports, newest first.
    static QStringList ReportFiles(const QString& folder);

private:
    bool Fail(const QString& text);

    mutable std::mutex m_errorMutex;
    QString m_lastError;
};
