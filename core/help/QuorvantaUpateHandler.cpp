#include "core/help/QuorvantaUpateHandler.h"

#include "core/help/IHelpHost.h"
#include "platform/base/AppPaths.h"
#include "platform/ui/IShellService.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

QuorvantaUpateHandler::QuorvantaUpateHandler(IHelpHost& host, std::shared_ptr<IShellService> shell)
    : m_host(host)
    , m_shell(std::move(shell))
{
}

void QuorvantaUpateHandler::AskToUpdate()
{
    RunUpdater(QString::fromLatin1(kAskToUpdateMode), Report::ToLog);
}

void QuorvantaUpateHandler::UpdateHidden()
{
    RunUpdater(QString::fromLatin1(kHiddenMode), Report::ToLog);
}

void QuorvantaUpateHandler::CheckForUpdates()
{
    RunUpdater(QString::fromLatin1(kCheckMode), Report::ToUser);
}

QString QuorvantaUpateHandler::UpdaterPath()
{
    return QDir(AppPaths::ExecutableFolder()).filePath(QString::fromLatin1(kUpdaterFileName));
}

bool QuorvantaUpateHandler::RunUpdater(const QString& mode, Report report)
{
    const QString path = UpdaterPath();
    const QFileInfo updater(path);
    if (!updater.isFile() || !updater.isExecutable())
    {
        ReportFailure(QStringLiteral("Nie znaleziono programu aktualizującego \"%1\".").arg(path), report);
        return false;
    }
    if (!m_shell || !m_shell->OpenProcess(path, {mode}, AppPaths::ExecutableFolder()))
    {
        ReportFailure(QStringLiteral("Nie udało się uruchomić programu aktualizującego \"%1\".").arg(path), report);
        return false;
    }
    return true;
}

void QuorvantaUpateHandler::ReportFailure(const QString& text, Report report)
{
    if (report == Report::ToUser)
        m_host.ShowMessageBox(QString(), text, MB_OK | MB_ICONWARNING);
    else
        m_host.WriteWarning(m_host.GetProductName(), QStringLiteral("QuorvantaUpateHandler::RunUpdater"), __LINE__, text);
}
