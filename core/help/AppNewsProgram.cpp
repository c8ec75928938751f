#include "core/help/AppNewsProgram.h"

#include "core/help/IHelpHost.h"
#include "platform/base/AppPaths.h"
#include "platform/modules/ProviderBase.h"
#include "platform/ui/IShellService.h"

#include <QDir>

#include <utility>

AppNewsProgram::AppNewsProgram(IHelpHost& host, std::shared_ptr<IShellService> shell)
    : m_host(host)
    , m_shell(std::move(shell))
{
}

bool AppNewsProgram::RunAppNewsProgram()
{
    ProviderBase* provider = m_host.GetRunningProvider(QString::fromLatin1(kNewsProviderName));
    if (provider == nullptr)
        return false;
    const int number = provider->GetAppNewsNumber();
    const bool read = ReadAppNewsInfo(InfoPath(), m_info);
    if (number <= 0 || !read || m_info.AppNewsFileName.isEmpty() || m_info.AppNewsVersionId.isEmpty())
        return false;

    const QString program = QDir(AppPaths::ExecutableFolder()).filePath(m_info.AppNewsFileName);
    const QStringList arguments{m_info.AppNewsVersionId, QString::number(number), QString::fromLatin1(kNewsMode)};
    if (m_shell && m_shell->OpenProcess(program, arguments, QString()))
        return true;
    m_host.WriteWarning(m_host.GetProductName(), QStringLiteral("AppNewsProgram::RunAppNewsProgram"), __LINE__,
                        QStringLiteral("Nie udało się uruchomić programu nowości \"%1\".").arg(program));
    return false;
}

const QString& AppNewsProgram::InfoPath()
{
    if (m_infoPath.isEmpty())
        m_infoPath = AppNewsInfoPath(m_host.GetInstallSettingsName(), m_host.GetProductName());
    return m_infoPath;
}
