#include "core/app/AppFileDialogs.h"

#include "platform/base/AppPaths.h"
#include "platform/ui/DialogServices.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace
{
QString WithoutDot(const QString& extension)
{
    return extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
}

QString ProfileKey(const QString& key)
{
    return AppFileDialogs::kProfileSection + QLatin1Char('/') + key;
}
}

AppFileDialogs::AppFileDialogs(QString productName)
    : m_productName(std::move(productName))
{
}

QString AppFileDialogs::StartFolder(const QString& profileKey, const QString& defaultSubFolder) const
{
    const QString kept = QSettings(QStringLiteral("Kelvora"), m_productName).value(ProfileKey(profileKey)).toString();
    // A kept folder that is gone falls back to the default one.
    if (!kept.isEmpty() && QFileInfo(kept).isDir())
        return kept;
    const QString folder = QDir(AppPaths::DocumentsFolder()).filePath(m_productName + QLatin1Char('/') + defaultSubFolder);
    AppPaths::EnsureFolder(folder);
    return folder;
}

void AppFileDialogs::KeepFolder(const QString& profileKey, const QString& path) const
{
    QSettings(QStringLiteral("Kelvora"), m_productName).setValue(ProfileKey(profileKey), QFileInfo(path).absolutePath());
}

bool AppFileDialogs::ShowSave(const QString& profileKey, const QString& defaultSubFolder, const QString& filter,
                              const QString& defaultExtension, const QString& fileName, QString& path, bool& secondFilter)
{
    const QString folder = StartFolder(profileKey, defaultSubFolder);
    const FileDialogRequest request{QString(), fileName.isEmpty() ? folder : QDir(folder).filePath(fileName), filter,
                                    WithoutDot(defaultExtension)};
    const std::optional<FileDialogChoice> choice = DialogServices::FileDialog()->GetSaveFileNameAndFilter(request);
    if (!choice)
        return false;
    path = choice->path;
    secondFilter = choice->filterIndex == 2;
    KeepFolder(profileKey, path);
    return true;
}

bool AppFileDialogs::ShowOpen(const QString& profileKey, const QString& defaultSubFolder, const QString& filter,
                              const QString& defaultExtension, QString& path)
{
    const FileDialogRequest request{QString(), StartFolder(profileKey, defaultSubFolder), filter, WithoutDot(defaultExtension)};
    const std::optional<QString> chosen = DialogServices::FileDialog()->GetOpenFileName(request);
    if (!chosen)
        return false;
    path = *chosen;
    KeepFolder(profileKey, path);
    return true;
}

bool AppFileDialogs::ShowSaveWindowFileDialog(const QString& filter, const QString& defaultExtension, const QString& fileName,
                                              QString& path, bool& secondFilter)
{
    return ShowSave(kLastObjectPath, kWindowsFolder, filter, defaultExtension, fileName, path, secondFilter);
}

bool AppFileDialogs::ShowOpenWindowFileDialog(const QString& filter, const QString& defaultExtension, QString& path)
{
    return ShowOpen(kLastObjectPath, kWindowsFolder, filter, defaultExtension, path);
}

bool AppFileDialogs::ShowSaveDesktopFileDialog(const QString& filter, const QString& defaultExtension, QString& path,
                                               bool& secondFilter)
{
    return ShowSave(kLastDesktopPath, kDesktopsFolder, filter, defaultExtension, QString(), path, secondFilter);
}

bool AppFileDialogs::ShowOpenDesktopFileDialog(QString& path)
{
    return ShowOpen(kLastDesktopPath, kDesktopsFolder, kOpenDesktopFilter, kDesktopExtension, path);
}
