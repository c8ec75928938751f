#include "core/settings/SettingsFolders.h"

#include "platform/base/AppPaths.h"

#include <QDir>

namespace SettingsFolders
{
QString AppDataFolder(const QString& folder)
{
    const QString path = QDir(AppPaths::AppDataFolder()).filePath(folder);
    AppPaths::EnsureFolder(path);
    return path;
}

QString AppDataFile(const QString& folder, const QString& fileName)
{
    return QDir(AppDataFolder(folder)).filePath(fileName);
}

QString InstallSettingsFile(const QString& folder, const QString& fileName)
{
    return QDir(AppPaths::InstallSettingsFolder()).filePath(folder + QLatin1Char('/') + fileName);
}
}
