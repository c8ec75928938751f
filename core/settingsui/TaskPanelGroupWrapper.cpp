#include "core/settingsui/TaskPanelGroupWrapper.h"

#include "core/settings/GeneralSettingsSubgroup.h"
#include "platform/toolkit/TaskPanelGroup.h"

#include <utility>

TaskPanelGroupWrapper::TaskPanelGroupWrapper(TaskPanelGroup& group) : m_group(group)
{
    m_group.SetItemData(static_cast<GeneralSettingsParametersContainer*>(this));
    m_group.SetExpandable(false);
    m_group.SetExpanded(false);
}

TaskPanelGroupWrapper::~TaskPanelGroupWrapper() = default;

void TaskPanelGroupWrapper::AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup,
                                        std::shared_ptr<Settings> node, GeneralSettingsGroupManagerBase* group)
{
    if (!subgroup || !node || !group)
        return;
    AddLinkItem(subgroup);
    GeneralSettingsGroupBase::AddSubgroup(std::move(subgroup), std::move(node), group);
}

void TaskPanelGroupWrapper::AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup)
{
    if (!subgroup)
        return;
    AddLinkItem(subgroup);
    GeneralSettingsGroupBase::AddSubgroup(std::move(subgroup));
}

void TaskPanelGroupWrapper::Name(const QString& name)
{
    GeneralSettingsGroupBase::Name(name);
    m_group.SetCaption(Caption());
}

void TaskPanelGroupWrapper::AddLinkItem(const std::shared_ptr<GeneralSettingsSubgroup>& subgroup)
{
    if (!m_group.IsExpandable())
    {
        m_group.SetExpandable(true);
        m_group.SetExpanded(true);
    }
    TaskPanelItem* link = m_group.AddLinkItem(m_group.GetItemCount(), -1);
    link->SetItemData(static_cast<GeneralSettingsParametersContainer*>(subgroup.get()));
    link->SetCaption(subgroup->Caption());
}
