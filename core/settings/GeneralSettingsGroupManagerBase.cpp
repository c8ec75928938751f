#include "core/settings/GeneralSettingsGroupManagerBase.h"

#include "core/settings/CompositeStateNodeValidator.h"
#include "core/settings/SettingsFolders.h"
#include "platform/base/AppPaths.h"
#include "platform/base/FileBackup.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"

#include <QFileInfo>

#include <utility>

namespace
{
QString ModuleName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}
}

GeneralSettingsGroupManagerBase::GeneralSettingsGroupManagerBase() = default;

GeneralSettingsGroupManagerBase::~GeneralSettingsGroupManagerBase() = default;

bool GeneralSettingsGroupManagerBase::SaveGroup(std::shared_ptr<Settings> node)
{
    return node && SaveCurrentSettingsNode(*node);
}

std::shared_ptr<Settings> GeneralSettingsGroupManagerBase::LoadCurrentSettingsNode() const
{
    const QString path = GetSettingsFilePath(true);
    std::shared_ptr<Settings> node = ReadNode(path);
    if (!node && QFileInfo::exists(path))
        Log::WriteWarning(QStringLiteral("Nie można odczytać pliku ustawień %1 grupy \"%2\"; użyto ustawień domyślnych.")
                              .arg(path, GetGroupName()),
                          ModuleName(), QStringLiteral("GeneralSettingsGroupManagerBase::LoadCurrentSettingsNode"),
                          __LINE__);
    if (!node)
        node = LoadFabricSettingsNode();
    if (!node)
        node = std::make_shared<Settings>();
    Validate(*node);
    return node;
}

bool GeneralSettingsGroupManagerBase::SaveCurrentSettingsNode(const Settings& node) const
{
    const QString path = GetSettingsFilePath(true);
    // Loading the group reported what is wrong with a damaged file; this check only decides
    // whether a copy is kept, so it adds no report of its own.
    QString reportedOnLoad;
    if (QFileInfo::exists(path) && !Settings().LoadFromFile(path, GetGroupName(), &reportedOnLoad))
    {
        QString backupPath;
        if (!FileBackup::KeepCopy(path, backupPath))
        {
            Log::WriteError(QStringLiteral("Nie zapisano ustawień grupy \"%1\": nieczytelny plik %2 zostałby utracony.")
                                .arg(GetGroupName(), path),
                            ModuleName(), QStringLiteral("GeneralSettingsGroupManagerBase::SaveCurrentSettingsNode"),
                            __LINE__);
            return false;
        }
        Log::WriteWarning(QStringLiteral("Nieczytelny plik ustawień %1 zachowano jako %2.").arg(path, backupPath),
                          ModuleName(), QStringLiteral("GeneralSettingsGroupManagerBase::SaveCurrentSettingsNode"),
                          __LINE__);
    }
    return node.SaveToFile(path, GetGroupName());
}

std::shared_ptr<Settings> GeneralSettingsGroupManagerBase::LoadFabricSettingsNode() const
{
    return ReadNode(GetSettingsFilePath(false));
}

std::shared_ptr<Settings> GeneralSettingsGroupManagerBase::LoadParametersNode(bool fromCurrent) const
{
    if (fromCurrent)
        return LoadCurrentSettingsNode();
    std::shared_ptr<Settings> node = LoadFabricSettingsNode();
    if (!node)
    {
        Log::WriteWarning(
            QStringLiteral("Brak ustawień fabrycznych grupy \"%1\" (%2).").arg(GetGroupName(), GetSettingsFilePath(false)),
            ModuleName(), QStringLiteral("GeneralSettingsGroupManagerBase::LoadParametersNode"), __LINE__);
        node = std::make_shared<Settings>();
    }
    Validate(*node);
    return node;
}

QString GeneralSettingsGroupManagerBase::GenerateSettingsFilePath(bool current, const QString& folder,
                                                                  const QString& currentFileName,
                                                                  const QString& baseFileName) const
{
    return current ? SettingsFolders::AppDataFile(folder, currentFileName)
                   : SettingsFolders::InstallSettingsFile(folder, baseFileName);
}

void GeneralSettingsGroupManagerBase::SetValidator(std::shared_ptr<CompositeStateNodeValidator> validator)
{
    m_validator = std::move(validator);
}

std::shared_ptr<Settings> GeneralSettingsGroupManagerBase::ReadNode(const QString& path) const
{
    auto node = std::make_shared<Settings>();
    if (!node->LoadFromFile(path, GetGroupName()))
        return nullptr;
    return node;
}

void GeneralSettingsGroupManagerBase::Validate(Settings& node) const
{
    if (m_validator)
        m_validator->Validate(node);
}
