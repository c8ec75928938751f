#include "core/settingsui/GroupsTaskPanel.h"

#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "core/settings/GeneralSettingsManager.h"
#include "core/settingsui/GeneralSettingsDlgStrings.h"
#include "core/settingsui/TaskPanelGroupWrapper.h"
#include "platform/toolkit/TaskPanelGroup.h"
#include "platform/ui/StringTable.h"

GroupsTaskPanel::GroupsTaskPanel() = default;

GroupsTaskPanel::~GroupsTaskPanel() = default;

bool GroupsTaskPanel::CreateAndInit(const GeneralSettingsManager& manager)
{
    Remember(-1, nullptr);
    RemoveAllGroups();
    m_wrappers.clear();
    m_groups.clear();

    std::shared_ptr<TaskPanelGroupWrapper> tools;
    for (GeneralSettingsManager::CConstIterator it(manager); it.IsNotEnd(); it.Next())
    {
        const std::shared_ptr<GeneralSettingsGroupManagerBase>& group = it.Value();
        switch (group->GetPanelPlacement())
        {
        case GeneralSettingsGroupManagerBase::kOwnPanelGroup:
        {
            auto wrapper = std::make_shared<TaskPanelGroupWrapper>(*AddGroupEx(GetGroupCount()));
            m_wrappers.push_back(wrapper);
            group->BuildParameters(*wrapper, true);
            wrapper->SetGroupManager(group.get());
            break;
        }
        case GeneralSettingsGroupManagerBase::kSharedToolsPanelGroup:
            if (!tools)
            {
                tools = std::make_shared<TaskPanelGroupWrapper>(*AddGroupEx(GetGroupCount()));
                tools->Name(StringTable::Instance().Get(GeneralSettingsDlgStrings::kTools));
                m_wrappers.push_back(tools);
            }
            group->BuildParameters(*tools, true);
            break;
        default:
            continue;
        }
        m_groups.push_back(group);
    }
    return true;
}

QStringList GroupsTaskPanel::RestoreDefaults()
{
    QStringList failed;
    for (const std::shared_ptr<TaskPanelGroupWrapper>& wrapper : m_wrappers)
    {
        wrapper->GetTaskPanelGroup().RemoveAllItems();
        bool saved = true;
        if (GeneralSettingsGroupManagerBase* group = wrapper->GetGroupManager())
        {
            wrapper->ResetContent();
            group->BuildParameters(*wrapper, false);
            saved = group->SaveGroup(wrapper->GetSettingsSourceNode());
        }
        else
        {
            const std::vector<GeneralSettingsGroupBase::SubgroupState> states = wrapper->SubgroupStates();
            wrapper->ResetContent();
            wrapper->LoadSubgroupsFabricSettings(states);
            saved = wrapper->SaveSubgrupsNodes();
        }
        if (!saved)
            failed.append(wrapper->Caption());
    }
    return failed;
}

void GroupsTaskPanel::RestoreSelection()
{
    TaskPanelGroup* group = m_rememberedGroup;
    if (!group || IndexOf(group) < 0)
        return;
    group->SetExpanded(true);
    // A subgroup that the factory settings no longer have leaves its group shown.
    TaskPanelItem* shown = m_rememberedId >= 0 ? group->FindItem(m_rememberedId) : nullptr;
    if (!shown)
        shown = group;
    SetFocusedItem(shown);
    NotifyOwner(kNotifyClick, shown);
}

TaskPanelGroupWrapper* GroupsTaskPanel::GetWrapper(int index) const
{
    if (index < 0 || index >= GetWrapperCount())
        return nullptr;
    return m_wrappers[static_cast<std::size_t>(index)].get();
}

void GroupsTaskPanel::Remember(int itemId, TaskPanelGroup* group)
{
    m_rememberedId = itemId;
    m_rememberedGroup = group;
}
