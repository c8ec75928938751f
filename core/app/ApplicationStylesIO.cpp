#include "core/app/ApplicationStylesIO.h"

#include "core/app/IApplicationStyles.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsManager.h"
#include "platform/settings/SettingsPaths.h"

#include <QDir>
#include <QFile>

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

void ApplicationStylesIO::LoadApplicationStyles()
{
    // Also without the installed folder: the built-in default styles come with it.
    m_styles.LoadStyles(InstalledStylesFolder(), true);
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
    if (!AppPaths::EnsureFolder(folder) || !m_styles.SaveStyles(folder, anew))
    {
        WriteStylesError(QStringLiteral("Nie zapisano stylów w folderze \"%1\".").arg(folder),
                         "ApplicationStylesIO::SaveApplicationStyles", __LINE__);
        return false;
    }
    return true;
}
