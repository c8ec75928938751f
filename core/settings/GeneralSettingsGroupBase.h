#pragma once
// What a general-settings group fills when the dialog shows it: the group's parameters, the
// settings node they belong to (the node that is saved) and the group that saves it. A
// container shared by several groups (the common "Narzędzia" panel group) has no group of
// its own; the groups add subgroups to it instead, each with its node and its group, and it
// saves the nodes of the subgroups that changed.

#include "core/settings/GeneralSettingsParametersContainer.h"

#include <QString>

#include <memory>
#include <vector>

class GeneralSettingsGroupManagerBase;
class GeneralSettingsSubgroup;
class Settings;

class GeneralSettingsGroupBase : public GeneralSettingsParametersContainer
{
public:
    struct SubgroupState
    {
        std::shared_ptr<GeneralSettingsSubgroup> subgroup;
        std::shared_ptr<Settings> node;                    // null for a subgroup without a node of its own
        GeneralSettingsGroupManagerBase* group = nullptr;  // the group that saves the node
        bool changed = false;
    };

    GeneralSettingsGroupBase();
    ~GeneralSettingsGroupBase() override;

    // Records the node the parameters belong to and keeps it alive; its display name, when it
    // has one, becomes the container's name.
    void SetSettingsSourceNode(std::shared_ptr<Settings> node);
    std::shared_ptr<Settings> GetSettingsSourceNode() const { return m_sourceNode; }
    void SetGroupManager(GeneralSettingsGroupManagerBase* group) { m_group = group; }
    GeneralSettingsGroupManagerBase* GetGroupManager() const { return m_group; }

    // A subgroup with the node its parameters belong to and the group that saves it; ignored
    // unless all three are given.
    virtual void AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup, std::shared_ptr<Settings> node,
                             GeneralSettingsGroupManagerBase* group);
    // A subgroup whose parameters belong to the container's own source node; null is ignored.
    virtual void AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup);
    virtual void Name(const QString& name);

    const std::vector<SubgroupState>& SubgroupStates() const { return m_subgroups; }
    // False for an index outside the subgroups.
    bool SetSubgroupChanged(int index);

    // Saves what the container shows: with a group, the group saves the source node; without
    // one, the changed subgroups are saved. False when a save failed or there was nothing to
    // save with.
    bool SaveContent();
    // Each group that has a changed subgroup saves that subgroup's node, once per node; the
    // flags of the saved ones are cleared. False when any save failed.
    bool SaveSubgrupsNodes();
    // Refills the container with the factory settings of the groups of the given subgroups
    // (a copy taken before ResetContent) and marks every subgroup changed, so that
    // SaveSubgrupsNodes then writes the factory settings.
    void LoadSubgroupsFabricSettings(const std::vector<SubgroupState>& states);

    // Forgets the parameters, the subgroups and the source node; the group stays.
    void ResetContent() override;

private:
    std::shared_ptr<Settings> m_sourceNode;
    GeneralSettingsGroupManagerBase* m_group = nullptr;
    std::vector<SubgroupState> m_subgroups;
};
