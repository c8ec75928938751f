#include "core/help/VersionInfoManager.h"

#include "core/help/IHelpHost.h"
#include "core/settings/DataVersionUpdater.h"
#include "platform/base/AppPaths.h"
#include "platform/base/IniFile.h"
#include "platform/base/Log.h"
#include "platform/ui/IShellService.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <exception>

VersionInfoManager& VersionInfoManager::Instance()
{
    static VersionInfoManager manager;
    return manager;
}

QString VersionInfoManager::ReadServerAddress() const
{
    const QString path = QDir(AppPaths::ExecutableFolder()).filePath(QString::fromLatin1(kServerFileName));
    if (!QFileInfo(path).isFile())
        return QString();
    const QString prefix = QString::fromLatin1(kServerLinePrefix);
    const QStringList lines = IniFile(path).ReadLines();
    for (const QString& line : lines)
    {
        // Only the leading prefix goes: the address itself may hold the same letters.
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed();
    }
    return QString();
}

QString VersionInfoManager::BuildPageAddress(bool inPanel) const
{
    return BuildPageAddress(inPanel, QDateTime::currentSecsSinceEpoch());
}

QString VersionInfoManager::BuildPageAddress(bool inPanel, qint64 secondsSinceEpoch) const
{
    const QString server = ReadServerAddress();
    if (server.isEmpty())
        return QString();
    QString address = server + QString::fromLatin1(kPagePath) + QString::fromLatin1(kProgramVersion)
        + QStringLiteral("&t=") + QString::number(secondsSinceEpoch);
    if (inPanel)
        address += QString::fromLatin1(kInPanelQuery);
    return address;
}

QString VersionInfoManager::GetCaption()
{
    return QStringLiteral("Nowości");
}

bool VersionInfoManager::OpenPageInBrowser(IShellService& shell) const
{
    const QString where = QStringLiteral("VersionInfoManager::OpenPageInBrowser");
    const QString product = QString::fromLatin1(AppPaths::kProductName);
    const QString address = BuildPageAddress(false);
    if (address.isEmpty())
    {
        Log::WriteWarning(QStringLiteral("Brak adresu strony nowości: plik \"%1\" nie podaje serwera.")
                              .arg(QString::fromLatin1(kServerFileName)),
                          product, where, __LINE__);
        return false;
    }
    if (shell.OpenUrl(QUrl(address)))
        return true;
    Log::WriteWarning(QStringLiteral("Nie udało się otworzyć strony nowości %1.").arg(address), product, where, __LINE__);
    return false;
}

bool IsProgramVersionChanged(IHelpHost& host)
{
    try
    {
        const std::shared_ptr<DataVersionUpdater> updater = host.GetDataVersionUpdater();
        return updater && updater->IsVersionChanged();
    }
    catch (...)
    {
        return false;
    }
}
