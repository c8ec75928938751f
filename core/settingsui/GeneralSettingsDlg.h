#pragma once
// The modal "Opcje" dialog in which the user edits every general-settings group: the groups
// in a task panel on the left, the parameters of the chosen group or subgroup in a property
// grid on the right. Edits stay pending until OK, which writes them into their nodes and
// saves the groups that changed, and only those; Cancel drops them and writes nothing. The
// restore button writes every group's factory settings at once (Cancel does not undo that)
// and shows the same group or subgroup again.
//
// Opened by the general command "Opcje" and by the main frame's one-shot timer:
//     GeneralSettingsDlg dialog(mediator's GeneralSettingsManager, main window, styles);
//     dialog.DoModal();
// Tests drive it without DoModal: construct it, call the handlers, read the result.

#include "core/settingsui/GroupsTaskPanel.h"
#include "core/settingsui/ParameterPropertyGrid.h"
#include "core/settingsui/SettingsChanges.h"
#include "platform/ui/Wnd.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <set>

class GeneralSettingsGroupBase;
class GeneralSettingsManager;
class IGeneralSettingsStyles;
class PropertyGridItem;
class PropertyGridView;
class QPushButton;
class TaskPanelItem;
class TaskPanelView;

class GeneralSettingsDlg : public QDialog, public Wnd
{
    Q_OBJECT

public:
    static constexpr int IDD = 352;
    static constexpr std::uint32_t kTaskPanelId = 1004;
    static constexpr std::uint32_t kGridId = 1028;
    static constexpr std::uint32_t kRestoreDefaultsId = 1003;
    static constexpr std::uint32_t kOkId = 1;
    static constexpr std::uint32_t kCancelId = 2;

    // Builds the panel from the manager's groups and shows the first one. The styles are the
    // choices of style parameters (none without a source).
    explicit GeneralSettingsDlg(GeneralSettingsManager& manager, QWidget* parent = nullptr,
                                const IGeneralSettingsStyles* styles = nullptr);
    ~GeneralSettingsDlg() override;

    // Runs the dialog modally; QDialog::Accepted after OK.
    int DoModal();

    // Shows the parameters of a task-panel group or link in the grid and remembers it.
    void ShowItem(TaskPanelItem* item);
    // The task panel's notifications: 1 an entry was clicked, 9 the focus moved.
    int OnTaskPanelNotify(int code, TaskPanelItem* item);
    // The grid's notifications: 3 the user changed a value.
    int OnGridNotify(int code, PropertyGridItem* item);
    void OnItemValueChanged(PropertyGridItem* item);
    // Writes the pending values, saves the changed groups and closes; a group that could not
    // be saved is reported and the dialog stays open, so that OK can try it again.
    void OnOK();
    void OnRestoreDefaults();

    // Enter and the OK button both come here.
    void accept() override;

    GroupsTaskPanel& GetTaskPanel() { return m_taskPanel; }
    ParameterPropertyGrid& GetGrid() { return m_grid; }
    const SettingsChanges& GetChanges() const { return m_changes; }
    const std::set<GeneralSettingsGroupBase*>& GetChangedContainers() const { return m_changedContainers; }
    TaskPanelView* GetTaskPanelView() const { return m_taskPanelView.get(); }
    PropertyGridView* GetGridView() const { return m_gridView.get(); }
    // The button of the id (1 OK, 2 cancel, 1003 restore); null for another id.
    QPushButton* GetButton(std::uint32_t id) const;

private:
    void OnInitDialog();
    void LayOut();
    QPushButton* AddButton(std::uint32_t id, std::uint32_t textId);

    GeneralSettingsManager& m_manager;
    GroupsTaskPanel m_taskPanel;
    ParameterPropertyGrid m_grid;
    SettingsChanges m_changes;
    std::set<GeneralSettingsGroupBase*> m_changedContainers;
    // The views go before the panel and grid they show.
    std::unique_ptr<TaskPanelView> m_taskPanelView;
    std::unique_ptr<PropertyGridView> m_gridView;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_restore = nullptr;
};
