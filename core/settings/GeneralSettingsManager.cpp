#include "core/settings/GeneralSettingsManager.h"

#include "core/settings/GeneralSettingsGroupManagerBase.h"

#include <utility>

GeneralSettingsManager::GeneralSettingsManager() = default;

GeneralSettingsManager::~GeneralSettingsManager() = default;

bool GeneralSettingsManager::AddGroup(std::shared_ptr<GeneralSettingsGroupManagerBase> group)
{
    if (!group)
        return false;
    const unsigned id = group->GetGroupId();
    return m_groups.emplace(id, std::move(group)).second;
}
