#include "core/help/QuorvantaUpateHandler.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/ui/IMessageBoxService.h"
#include "platform/ui/IShellService.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

QuorvantaUpateHandler::QuorvantaUpateHandler(std::shared_ptr<IShellService> shell,
                                             std::shared_ptr<IMessageBoxService> messageBox)
    : m_shell(std::move(shell))
    , m_messageBox(std::move(messageBox))
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
    const QString productName = QString::fromLatin1(AppPaths::kProductName);
    if (report == Report::ToUser && m_messageBox)
        m_messageBox->Show(productName, text, MB_OK | MB_ICONWARNING);
    else
        Log::WriteWarning(text, productName, QStringLiteral("QuorvantaUpateHandler::RunUpdater"), __LINE__);
}
