#include "core/settings/GeneralSettingsGroupBase.h"

#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "core/settings/GeneralSettingsSubgroup.h"
#include "platform/settings/Settings.h"

#include <algorithm>
#include <utility>

GeneralSettingsGroupBase::GeneralSettingsGroupBase() = default;

GeneralSettingsGroupBase::~GeneralSettingsGroupBase() = default;

void GeneralSettingsGroupBase::SetSettingsSourceNode(std::shared_ptr<Settings> node)
{
    m_sourceNode = std::move(node);
    if (m_sourceNode && !m_sourceNode->GetDisplayName().isEmpty())
        Name(m_sourceNode->GetDisplayName());
}

void GeneralSettingsGroupBase::AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup,
                                           std::shared_ptr<Settings> node, GeneralSettingsGroupManagerBase* group)
{
    if (!subgroup || !node || !group)
        return;
    m_subgroups.push_back(SubgroupState{std::move(subgroup), std::move(node), group, false});
}

void GeneralSettingsGroupBase::AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup)
{
    if (subgroup)
        m_subgroups.push_back(SubgroupState{std::move(subgroup), nullptr, nullptr, false});
}

void GeneralSettingsGroupBase::Name(const QString& name)
{
    SetCaption(name);
}

bool GeneralSettingsGroupBase::SetSubgroupChanged(int index)
{
    if (index < 0 || index >= static_cast<int>(m_subgroups.size()))
        return false;
    m_subgroups[static_cast<std::size_t>(index)].changed = true;
    return true;
}

bool GeneralSettingsGroupBase::SaveContent()
{
    if (!m_group)
        return SaveSubgrupsNodes();
    return m_sourceNode && m_group->SaveGroup(m_sourceNode);
}

bool GeneralSettingsGroupBase::SaveSubgrupsNodes()
{
    bool saved = true;
    std::vector<const Settings*> done;
    for (SubgroupState& state : m_subgroups)
    {
        if (!state.changed)
            continue;
        // Several subgroups may show parts of one node: it is written once.
        if (state.group && state.node && std::find(done.begin(), done.end(), state.node.get()) == done.end())
        {
            done.push_back(state.node.get());
            if (!state.group->SaveGroup(state.node))
            {
                // Stays marked, so a later save tries again.
                saved = false;
                continue;
            }
        }
        state.changed = false;
    }
    return saved;
}

void GeneralSettingsGroupBase::LoadSubgroupsFabricSettings(const std::vector<SubgroupState>& states)
{
    std::vector<GeneralSettingsGroupManagerBase*> groups;
    for (const SubgroupState& state : states)
        if (state.group && std::find(groups.begin(), groups.end(), state.group) == groups.end())
            groups.push_back(state.group);
    for (GeneralSettingsGroupManagerBase* group : groups)
        group->BuildParameters(*this, false);
    for (SubgroupState& state : m_subgroups)
        state.changed = true;
}

void GeneralSettingsGroupBase::ResetContent()
{
    GeneralSettingsParametersContainer::ResetContent();
    m_subgroups.clear();
    m_sourceNode.reset();
}
