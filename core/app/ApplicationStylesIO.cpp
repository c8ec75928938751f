#include "core/app/ApplicationStylesIO.h"

#include "core/app/IApplicationStyles.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsManager.h"
#include "platform/settings/SettingsPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace
{
void WriteStylesError(const QString& text, const char* where, int line)
{
    Log::WriteError(text, QString::fromUtf8(AppPaths::kProductName), QString::fromLatin1(where), line);
}
}

ApplicationStylesIO::ApplicationStylesIO(IApplicationStyles& styles, QString productName)
    : m_styles(styles)
    , m_productName(std::move(productName))
{
}

QString ApplicationStylesIO::UserStylesFolder()
{
    return QDir(AppPaths::AppDataFolder()).filePath(kStylesName);
}

QString ApplicationStylesIO::InstalledStylesFolder() const
{
    return QDir(QDir(AppPaths::InstallSettingsFolder()).filePath(m_productName)).filePath(kStylesName);
}

void ApplicationStylesIO::RecoverInterruptedSave(const QString& folder)
{
    // Cut short between the two renames: the user's styles are still in the old folder.
    const QString previous = folder + kPreviousSuffix;
    if (!QFileInfo::exists(folder) && QFileInfo(previous).isDir())
        QDir().rename(previous, folder);
    QDir(folder + kFreshSuffix).removeRecursively();
}

void ApplicationStylesIO::LoadApplicationStyles()
{
    RecoverInterruptedSave(UserStylesFolder());
    const QString installed = InstalledStylesFolder();
    if (QFileInfo(installed).isDir())
        m_styles.LoadStyles(installed, true);
    if (!MigrateSingleFileStyles())
        m_styles.LoadStyles(UserStylesFolder(), false);
}

bool ApplicationStylesIO::MigrateSingleFileStyles()
{
    // Only the user's own file: a default copy beside the executable is not the user's to move.
    const std::optional<QString> oldFile = GetUserSettingsFilePath(m_productName, kStylesName, false);
    if (!oldFile)
        return false;
    SettingsManager store(m_productName);
    const std::shared_ptr<Settings> tree = store.CreateStylesSettings();
    if (!tree || !m_styles.Unserialize(*tree))
        return false;
    if (!SaveApplicationStyles(true))
    {
        WriteStylesError(QStringLiteral("Nie przeniesiono stylów z pliku \"%1\" do folderu \"%2\"; plik zostaje.")
                             .arg(*oldFile, UserStylesFolder()),
                         "ApplicationStylesIO::MigrateSingleFileStyles", __LINE__);
        return true;
    }
    if (!QFile::remove(*oldFile))
        WriteStylesError(QStringLiteral("Nie usunięto pliku \"%1\" po przeniesieniu stylów do folderu.").arg(*oldFile),
                         "ApplicationStylesIO::MigrateSingleFileStyles", __LINE__);
    return true;
}

bool ApplicationStylesIO::SaveApplicationStyles(bool anew)
{
    const QString folder = UserStylesFolder();
    if (anew)
        return SaveAnew(folder);
    if (!AppPaths::EnsureFolder(folder) || !m_styles.SaveStyles(folder))
    {
        WriteStylesError(QStringLiteral("Nie zapisano stylów w folderze \"%1\".").arg(folder),
                         "ApplicationStylesIO::SaveApplicationStyles", __LINE__);
        return false;
    }
    return true;
}

bool ApplicationStylesIO::SaveAnew(const QString& folder)
{
    const QString fresh = folder + kFreshSuffix;
    const QString previous = folder + kPreviousSuffix;
    RecoverInterruptedSave(folder);
    QDir(previous).removeRecursively();
    if (!AppPaths::EnsureFolder(fresh) || !m_styles.SaveStyles(fresh))
    {
        QDir(fresh).removeRecursively();
        WriteStylesError(QStringLiteral("Nie zapisano stylów w folderze \"%1\"; poprzednie style zostają.").arg(folder),
                         "ApplicationStylesIO::SaveAnew", __LINE__);
        return false;
    }
    const bool hadFolder = QFileInfo::exists(folder);
    if (hadFolder && !QDir().rename(folder, previous))
    {
        QDir(fresh).removeRecursively();
        WriteStylesError(QStringLiteral("Nie zastąpiono folderu stylów \"%1\"; poprzednie style zostają.").arg(folder),
                         "ApplicationStylesIO::SaveAnew", __LINE__);
        return false;
    }
    if (!QDir().rename(fresh, folder))
    {
        if (hadFolder)
            QDir().rename(previous, folder);
        WriteStylesError(QStringLiteral("Nie zastąpiono folderu stylów \"%1\"; poprzednie style zostają.").arg(folder),
                         "ApplicationStylesIO::SaveAnew", __LINE__);
        return false;
    }
    QDir(previous).removeRecursively();
    return true;
}
