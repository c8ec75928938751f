#include "platform/ui/QtShellService.h"

#include "platform/ui/UiLog.h"

#include <QDesktopServices>
#include <QProcess>

bool QtShellService::OpenProcess(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    if (QProcess::startDetached(program, arguments, workingFolder))
        return true;
    qCWarning(lcUi) << "QtShellService: cannot start" << program << arguments;
    return false;
}

bool QtShellService::OpenUrl(const QUrl& url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    qCWarning(lcUi) << "QtShellService: nothing opened" << url;
    return false;
}
