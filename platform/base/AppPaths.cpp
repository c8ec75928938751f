#include "platform/base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <mutex>

namespace AppPaths
{
namespace
{
std::mutex g_executableFolderLock;
QString g_executableFolder;

QString DataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString BesideExecutable(const char* name)
{
    return QDir(ExecutableFolder()).filePath(QString::fromLatin1(name));
}
}

QString AppDataFolder()
{
    const QString folder = AppDataFolderPath();
    EnsureFolder(folder);
    return folder;
}

QString AppDataFolderPath()
{
    return QDir(DataHome()).filePath(QString::fromUtf8(kProductName));
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() + QStringLiteral("/Documents") : documents;
}

QString ExecutableFolder()
{
    {
        std::lock_guard lock(g_executableFolderLock);
        if (!g_executableFolder.isEmpty())
            return g_executableFolder;
    }
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

void SetExecutableFolder(const QString& folder)
{
    std::lock_guard lock(g_executableFolderLock);
    g_executableFolder = folder;
}

QString InstallSettingsName()
{
    return QStringLiteral("InstallSettings");
}

QString InstallSettingsFolder()
{
    return BesideExecutable("InstallSettings");
}

QString StyleFolder()
{
    return BesideExecutable("Style");
}

QString ConsumersFolder()
{
    return BesideExecutable("Consumers");
}

QString ProvidersFolder()
{
    return BesideExecutable("Providers");
}

bool EnsureFolder(const QString& folder)
{
    return !folder.isEmpty() && QDir().mkpath(folder);
}
}
