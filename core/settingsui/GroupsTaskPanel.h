#pragma once
// The left half of the general settings dialog: one task-panel group for each registered
// general-settings group shown on its own, and one shared "Narzędzia" group for those that
// go there; groups placed anywhere else are not shown. It remembers which group or subgroup
// the dialog shows, so that restoring the factory settings can show it again.

#include "platform/toolkit/TaskPanel.h"

#include <QStringList>

#include <memory>
#include <vector>

class GeneralSettingsGroupManagerBase;
class GeneralSettingsManager;
class TaskPanelGroup;
class TaskPanelGroupWrapper;

class GroupsTaskPanel : public TaskPanel
{
    Q_OBJECT

public:
    GroupsTaskPanel();
    ~GroupsTaskPanel() override;

    // Fills the panel from the manager's groups in ascending id order, each from its current
    // settings.
    bool CreateAndInit(const GeneralSettingsManager& manager);

    // Every group's factory settings, built again and saved at once. Returns the captions of
    // the task-panel groups whose settings could not be saved.
    QStringList RestoreDefaults();
    // Shows the remembered group or subgroup again: selects it and tells the owner (code 1).
    void RestoreSelection();

    // The wrapper of the task-panel group at the index; null out of range.
    TaskPanelGroupWrapper* GetWrapper(int index) const;
    int GetWrapperCount() const { return static_cast<int>(m_wrappers.size()); }

    // The link id shown (-1 when the group itself is shown) and its task-panel group.
    int GetRememberedItemId() const { return m_rememberedId; }
    TaskPanelGroup* GetRememberedGroup() const { return m_rememberedGroup; }
    void Remember(int itemId, TaskPanelGroup* group);

private:
    std::vector<std::shared_ptr<TaskPanelGroupWrapper>> m_wrappers;
    // Kept while shown, so that a wrapper never saves through a group that is gone.
    std::vector<std::shared_ptr<GeneralSettingsGroupManagerBase>> m_groups;
    int m_rememberedId = -1;
    TaskPanelGroup* m_rememberedGroup = nullptr;
};
