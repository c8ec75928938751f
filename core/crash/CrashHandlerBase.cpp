#include "core/crash/CrashHandlerBase.h"

#include "core/crash/ICrashLibrary.h"
#include "core/crash/ICrashReportingHost.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/ThreadCrashReporting.h"

#include <utility>

namespace
{
// The library's error text is read into a buffer of this many characters, its end included.
constexpr qsizetype kErrorTextCapacity = 512;
}

CrashHandlerBase::CrashHandlerBase(ICrashReportingHost& host, std::shared_ptr<ICrashLibrary> library)
    : m_host(host)
    , m_library(std::move(library))
{
}

CrashHandlerBase::~CrashHandlerBase() = default;

void CrashHandlerBase::InstallToThread()
{
    // Threads may start after the mediator is gone, so this goes to the log itself.
    if (m_library && !m_library->InstallToThread(0))
        Log::WriteError(QStringLiteral("Nie przygotowano raportowania awarii wątku: %1").arg(m_library->GetLastErrorMessage()),
                        QString::fromLatin1(AppPaths::kProductName), QStringLiteral("CrashHandlerBase::InstallToThread"),
                        __LINE__);
}

void CrashHandlerBase::UninstallFromThread()
{
    if (m_library)
        m_library->UninstallFromThread();
}

void CrashHandlerBase::SetUserData(const QString& user, const QString& code)
{
    m_user = user;
    m_code = code;
}

bool CrashHandlerBase::CheckCrashLibraryVersion() const
{
    if (!m_library)
        return false;
    const std::optional<AppVersionNumber> version = m_library->GetVersion();
    return version && IsSupportedLibraryVersion(*version);
}

bool CrashHandlerBase::InstallHandler(const QString& version)
{
    if (!CheckCrashLibraryVersion())
    {
        LogError(__LINE__, QStringLiteral("Nie zainstalowano CrashReport-era z powodu złej wersji dll-ki"));
        return false;
    }
    const QString productName = m_host.GetProductName();
    if (!m_library->Install(BuildInstallInfo(productName, version)))
    {
        LogError(__LINE__, QStringLiteral("Nie udało się zainstalować CrashReport-era z powodu: %1")
                               .arg(m_library->GetLastErrorMessage().left(kErrorTextCapacity - 1)));
        return false;
    }
    // Without a folder no report could be kept, so that counts as a failed installation.
    if (!m_library->ConfigureReports(m_host.GetAppDataFolder(QString()), kKeptReports))
    {
        LogError(__LINE__, QStringLiteral("Nie udało się zainstalować CrashReport-era z powodu: %1")
                               .arg(m_library->GetLastErrorMessage().left(kErrorTextCapacity - 1)));
        m_library->Uninstall();
        return false;
    }
    m_installed = true;
    if (std::shared_ptr<CrashHandlerBase> self = weak_from_this().lock())
        ThreadCrashReporting::SetCrashReportHandler(std::move(self));
    return true;
}

void CrashHandlerBase::UninstallHandler()
{
    if (!m_installed)
        return;
    m_installed = false;
    m_library->Uninstall();
    if (ThreadCrashReporting::GetCrashReportHandler().get() == this)
        ThreadCrashReporting::SetCrashReportHandler(nullptr);
}

bool CrashHandlerBase::IsSupportedLibraryVersion(const AppVersionNumber& version)
{
    const std::uint64_t value =
        (std::uint64_t{version.Part(0)} * 10 + version.Part(1)) * 100 + (version.Part(3) & 0xFFFFu);
    return value == kRequiredLibraryVersion;
}

QString CrashHandlerBase::BuildSubject(const QString& productName, const QString& user, const QString& code)
{
    if (user.isEmpty())
        return QStringLiteral("%1.h Raport błędu").arg(productName);
    return QStringLiteral("Raport %1 %2 | user:%3 | code:%4")
        .arg(productName, QString::fromLatin1(kSubjectVersion), user, code);
}

CrashInstallInfo CrashHandlerBase::BuildInstallInfo(const QString& productName, const QString& version) const
{
    CrashInstallInfo info;
    info.applicationName = productName;
    info.applicationVersion = version;
    info.emailTo = QString::fromLatin1(kReportsMailbox);
    info.emailSubject = BuildSubject(productName, m_user, m_code);
    info.url = QString::fromLatin1(kMakerUrl);
    info.httpPriority = -1;
    info.smtpPriority = 0;
    info.mapiPriority = -1;
    info.flags = GetInstallFlags();
    info.privacyPolicyUrl = QString::fromLatin1(kPrivacyPolicyUrl);
    info.smtpLogin = info.emailTo;
    info.user = m_user;
    info.code = m_code;
    return info;
}

void CrashHandlerBase::LogError(int line, const QString& text)
{
    m_host.WriteError(m_host.GetProductName(), QStringLiteral("CrashHandlerBase::InstallHandler"), line, text);
}
