#pragma once
// A crash library for tests: reports the version it was given, succeeds or fails as the test
// says, and records every call as text ("Install", "ConfigureReports(<folder>,20)", ...).

#include "core/crash/ICrashLibrary.h"

#include <QStringList>

class FakeCrashLibrary : public ICrashLibrary
{
public:
    std::optional<AppVersionNumber> GetVersion() const override { return version; }
    bool Install(const CrashInstallInfo& info) override
    {
        calls.append(QStringLiteral("Install"));
        installed = info;
        return installSucceeds;
    }
    bool Uninstall() override
    {
        calls.append(QStringLiteral("Uninstall"));
        return true;
    }
    bool InstallToThread(unsigned flags) override
    {
        calls.append(QStringLiteral("InstallToThread(%1)").arg(flags));
        return true;
    }
    bool UninstallFromThread() override
    {
        calls.append(QStringLiteral("UninstallFromThread"));
        return true;
    }
    bool ConfigureReports(const QString& folder, int keptReports) override
    {
        calls.append(QStringLiteral("ConfigureReports(%1,%2)").arg(folder).arg(keptReports));
        return configureSucceeds;
    }
    QString GetLastErrorMessage() const override { return lastError; }

    std::optional<AppVersionNumber> version = AppVersionNumber(1, 3, 0, 1);
    bool installSucceeds = true;
    bool configureSucceeds = true;
    QString lastError;
    QStringList calls;
    CrashInstallInfo installed;
};
