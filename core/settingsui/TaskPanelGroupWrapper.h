#pragma once
// What lets a general-settings group fill one group of the dialog's task panel: the group's
// parameters land here, its name becomes the task-panel group's caption, and each subgroup
// becomes a link below it (ids 0, 1, 2 ... in the order added). The task-panel group and its
// links carry the container they show (the wrapper, a subgroup) as their item data.

#include "core/settings/GeneralSettingsGroupBase.h"

#include <memory>

class GeneralSettingsSubgroup;
class TaskPanelGroup;

class TaskPanelGroupWrapper : public GeneralSettingsGroupBase
{
public:
    // The task-panel group starts closed and not expandable, until a subgroup comes.
    explicit TaskPanelGroupWrapper(TaskPanelGroup& group);
    ~TaskPanelGroupWrapper() override;

    void AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup, std::shared_ptr<Settings> node,
                     GeneralSettingsGroupManagerBase* group) override;
    void AddSubgroup(std::shared_ptr<GeneralSettingsSubgroup> subgroup) override;
    void Name(const QString& name) override;

    // A link for the subgroup; the first link opens the group.
    void AddLinkItem(const std::shared_ptr<GeneralSettingsSubgroup>& subgroup);

    TaskPanelGroup& GetTaskPanelGroup() const { return m_group; }

private:
    TaskPanelGroup& m_group;
};
