#include "platform/settings/SettingsPaths.h"

#include "platform/base/AppPaths.h"

#include <QDir>
#include <QFileInfo>

namespace
{
const QString kFileEnding = QStringLiteral(".settings.xml");

bool IsSafeName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// The folder inside parent; with create a missing one is made.
std::optional<QString> SubFolder(const QString& parent, const QString& name, bool create)
{
    if (parent.isEmpty() || !IsSafeName(name))
        return std::nullopt;
    const QString folder = QDir(parent).filePath(name);
    if (QFileInfo(folder).isDir())
        return folder;
    if (create && QDir(parent).mkdir(name))
        return folder;
    return std::nullopt;
}

std::optional<QString> FileIn(const std::optional<QString>& folder, const QString& treeName)
{
    if (!folder || !IsSafeName(treeName))
        return std::nullopt;
    return QDir(*folder).filePath(treeName + kFileEnding);
}
}

std::optional<QString> GetUserSettingsFilePath(const QString& managerName, const QString& treeName, bool create)
{
    // Only saving makes folders: a reader asks for the path without creating the edition's folder.
    const QString appData = create ? AppPaths::AppDataFolder() : AppPaths::AppDataFolderPath();
    const std::optional<QString> path = FileIn(SubFolder(appData, managerName, create), treeName);
    if (!path || create || QFileInfo(*path).isFile())
        return path;
    return std::nullopt;
}

std::optional<QString> GetDefaultSettingsFilePath(const QString& managerName, const QString& treeName)
{
    if (!QFileInfo(AppPaths::InstallSettingsFolder()).isDir())
        return std::nullopt;
    const std::optional<QString> path = FileIn(SubFolder(AppPaths::InstallSettingsFolder(), managerName, false), treeName);
    if (path && QFileInfo(*path).isFile())
        return path;
    return std::nullopt;
}

std::optional<QString> GetUserStylesFolderPath(const QString& name)
{
    return SubFolder(AppPaths::AppDataFolder(), name, true);
}

std::optional<QString> GetDefaultStylesFolderPath(const QString& name)
{
    return SubFolder(SubFolder(AppPaths::ExecutableFolder(), AppPaths::InstallSettingsName(), true).value_or(QString()),
                     name, true);
}
