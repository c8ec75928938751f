#pragma once
// Sets up crash reporting for the program: checks the crash library's version, installs it with
// the program's name and version, the report's subject (which names the user and the code the
// program set) and the install flags of the edition, tells it where reports go, and only then
// registers itself for the program's threads (ThreadCrashReporting). A wrong library version or
// a failed installation is logged and leaves the program running without crash reports.
//
// A handler is made with make_shared (the edition factory does), because registering it for
// the threads shares it. It asks the mediator (its host) only while it installs.

#include "core/crash/CrashInstallInfo.h"
#include "platform/base/AppVersionNumber.h"
#include "platform/base/ICrashReportHandler.h"

#include <QString>

#include <cstdint>
#include <memory>

class ICrashLibrary;
class ICrashReportingHost;

class CrashHandlerBase : public ICrashReportHandler, public std::enable_shared_from_this<CrashHandlerBase>
{
public:
    // The version the subject names, whatever version the handler is installed with.
    static constexpr const char* kSubjectVersion = "4.2.210.1";
    // The library version rule's value: 1.3.x.1.
    static constexpr std::uint64_t kRequiredLibraryVersion = 1301;
    static constexpr int kKeptReports = 20;
    static constexpr const char* kReportsMailbox = "raporty@kelvora.example";
    static constexpr const char* kMakerUrl = "https://www.kelvora.example/";
    static constexpr const char* kPrivacyPolicyUrl = "https://www.kelvora.example/polityka-prywatnosci";

    CrashHandlerBase(ICrashReportingHost& host, std::shared_ptr<ICrashLibrary> library);
    ~CrashHandlerBase() override;

    void InstallToThread() override;
    void UninstallFromThread() override;
    virtual std::uint32_t GetInstallFlags() const = 0;

    void SetUserData(const QString& user, const QString& code);
    const QString& GetUserString() const { return m_user; }
    const QString& GetCodeString() const { return m_code; }

    bool CheckCrashLibraryVersion() const;
    // True when crash reporting is installed and the handler registered for the threads.
    bool InstallHandler(const QString& version);
    // Uninstalls what this handler installed and ends its registration for the threads; a
    // handler that installed nothing leaves another one's installation alone.
    void UninstallHandler();

    // (major * 10 + minor) * 100 + the low 16 bits of the fourth part.
    static bool IsSupportedLibraryVersion(const AppVersionNumber& version);
    static QString BuildSubject(const QString& productName, const QString& user, const QString& code);
    CrashInstallInfo BuildInstallInfo(const QString& productName, const QString& version) const;

private:
    void LogError(int line, const QString& text);

    ICrashReportingHost& m_host;
    std::shared_ptr<ICrashLibrary> m_library;
    QString m_user;
    QString m_code;
    bool m_installed = false;
};
