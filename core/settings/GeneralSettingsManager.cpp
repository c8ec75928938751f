#include "core/settings/GeneralSettingsManager.h"

#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <utility>

namespace
{
void LogRefusedLibraryGroup(const GeneralSettingsGroupManagerBase& refused, const GeneralSettingsGroupManagerBase& kept,
                            const char* where, int line)
{
    Log::WriteWarning(QStringLiteral("Pominięto grupę ustawień ogólnych \"%1\" biblioteki modułu: identyfikator %2 "
                                     "należy do grupy \"%3\".")
                          .arg(refused.GetGroupName())
                          .arg(refused.GetGroupId())
                          .arg(kept.GetGroupName()),
                      QString::fromUtf8(AppPaths::kProductName), QString::fromLatin1(where), line);
}
}

GeneralSettingsManager::GeneralSettingsManager() = default;

GeneralSettingsManager::~GeneralSettingsManager() = default;

bool GeneralSettingsManager::AddGroup(std::shared_ptr<GeneralSettingsGroupManagerBase> group)
{
    if (!group)
        return false;
    const unsigned id = group->GetGroupId();
    const auto found = m_groups.find(id);
    if (found == m_groups.end())
        return m_groups.emplace(id, std::move(group)).second;
    if (!m_libraryIds.erase(id))
        return false;
    LogRefusedLibraryGroup(*found->second, *group, "GeneralSettingsManager::AddGroup", __LINE__);
    found->second = std::move(group);
    return true;
}

bool GeneralSettingsManager::AddLibraryGroup(std::shared_ptr<GeneralSettingsGroupManagerBase> group)
{
    if (!group)
        return false;
    const unsigned id = group->GetGroupId();
    const auto found = m_groups.find(id);
    if (found != m_groups.end())
    {
        if (found->second != group)
            LogRefusedLibraryGroup(*group, *found->second, "GeneralSettingsManager::AddLibraryGroup", __LINE__);
        return false;
    }
    m_groups.emplace(id, std::move(group));
    m_libraryIds.insert(id);
    return true;
}
