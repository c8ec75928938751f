#include "platform/settings/SettingsManager.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsPaths.h"

SettingsManager::SettingsManager(const QString& name) : m_name(name)
{
}

bool SettingsManager::Load(const QString& name)
{
    Settings& tree = *Entry(name);
    std::optional<QString> path = GetUserSettingsFilePath(m_name, name, false);
    if (!path)
        path = GetDefaultSettingsFilePath(m_name, name);
    if (!path)
    {
        tree.Clear();
        return false;
    }
    // A file that cannot be read leaves the tree as it was (and is logged), so a later
    // save cannot replace good settings with an empty tree.
    return tree.LoadFromFile(*path, kRootName);
}

bool SettingsManager::Save(const std::optional<QString>& name)
{
    if (name)
        return SaveTree(*name, *GetSettings(*name, true));
    // A tree that cannot be written (and is logged) does not keep the others from disk.
    bool result = true;
    for (const auto& [treeName, tree] : m_trees)
        result = SaveTree(treeName, *tree) && result;
    return result;
}

std::shared_ptr<Settings> SettingsManager::GetSettings(const QString& name, bool load)
{
    const auto found = m_trees.find(name);
    if (found != m_trees.end())
        return found->second;
    std::shared_ptr<Settings> tree = Entry(name);
    if (load)
        Load(name);
    return tree;
}

std::shared_ptr<Settings> SettingsManager::FindSettings(const QString& name)
{
    const auto found = m_trees.find(name);
    if (found != m_trees.end())
        return found->second;
    // Shares no ownership: the invalid node lives for the whole run.
    return std::shared_ptr<Settings>(std::shared_ptr<Settings>(), &Settings::InvalidVariable());
}

std::shared_ptr<Settings> SettingsManager::CreateStylesSettings()
{
    std::shared_ptr<Settings> tree = std::make_shared<Settings>();
    m_trees[kStylesName] = tree;
    return Load(kStylesName) ? tree : nullptr;
}

std::shared_ptr<Settings>& SettingsManager::Entry(const QString& name)
{
    std::shared_ptr<Settings>& tree = m_trees[name];
    if (!tree)
        tree = std::make_shared<Settings>();
    return tree;
}

bool SettingsManager::SaveTree(const QString& name, const Settings& tree) const
{
    const std::optional<QString> path = GetUserSettingsFilePath(m_name, name, true);
    if (path)
        return tree.SaveToFile(*path, kRootName);
    Log::WriteError(QStringLiteral("Nie można utworzyć folderu ustawień \"%1\" dla \"%2\"").arg(m_name, name),
                    QString::fromUtf8(AppPaths::kProductName), QStringLiteral("SettingsManager::Save"), __LINE__);
    return false;
}
