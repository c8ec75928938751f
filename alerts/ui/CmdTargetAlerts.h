#pragma once
// The commands of the ribbon's alerts tab ("Alerty"): the properties of the alert selected in
// the defined-alerts grid (active, once, synchronous, the notification channels, its name), new,
// edit and delete, delete all, and clearing the history. A selected cloud alert goes to the cloud
// alert manager, anything else to the alert module. The main frame makes it with its other
// command targets and offers it every command; it holds no alert state beyond the name it last
// wrote into the name edit. Main thread only.

#include "alerts/ui/ICloudAlertsCommands.h"
#include "platform/ui/CmdTarget.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class AlertModule;
class CmdUI;
class RibbonControl;

class CmdTargetAlerts : public CmdTarget
{
public:
    static constexpr std::uint32_t ID_ALERT_ACTIVE = 32961;
    static constexpr std::uint32_t ID_ALERT_ONLY_ONCE = 32980;
    static constexpr std::uint32_t ID_ALERT_SYNCHRONOUS = 32964;
    static constexpr std::uint32_t ID_ALERT_NAME = 32985;
    static constexpr std::uint32_t ID_ALERT_NOTIFY_WINDOW = 32986;
    static constexpr std::uint32_t ID_ALERT_NOTIFY_SOUND = 32987;
    static constexpr std::uint32_t ID_ALERT_NOTIFY_MAIL = 32988;
    static constexpr std::uint32_t ID_ALERT_NOTIFY_SMS = 409;
    static constexpr std::uint32_t ID_ALERT_NOTIFY_PUSH = 1473;
    static constexpr std::uint32_t ID_ALERT_NEW = 32967;
    static constexpr std::uint32_t ID_ALERT_DELETE = 32965;
    static constexpr std::uint32_t ID_ALERT_EDIT = 32977;
    static constexpr std::uint32_t ID_ALERT_DELETE_ALL = 32978;
    static constexpr std::uint32_t ID_ALERT_CLEAR_HISTORY = 32979;
    static constexpr std::uint32_t ID_ALERT_NOTIFY_LABEL = 33372;
    static constexpr std::uint32_t ID_GROUP_PARAMETERS = 104;

    // The question asked before every alert is removed (by the cloud alert manager when there is one).
    static const QString kRemoveAllQuestion;

    struct Services
    {
        // The alert module; null when there is none.
        std::function<AlertModule*()> module;
        // Whether the alert definition dialog is shown.
        std::function<bool()> isDefinitionDlgShown;
        // The cloud alert manager; null when there is none.
        std::function<ICloudAlertsCommands*()> cloud;
        // The control of the main frame's ribbon in that group; null when absent.
        std::function<RibbonControl*(std::uint32_t groupId, std::uint32_t id)> findControl;
    };

    explicit CmdTargetAlerts(Services services);

    // kind 0 to 5, see the command table.
    bool IsConditionMet(int kind) const;

private:
    AlertModule* Module() const { return m_services.module ? m_services.module() : nullptr; }
    ICloudAlertsCommands* Cloud() const { return m_services.cloud ? m_services.cloud() : nullptr; }
    RibbonControl* FindControl(std::uint32_t id) const;
    bool IsDefinedPageOffered() const;
    int SelectedRow() const;
    // The cloud alert of the selected row; none for a local alert or no selection.
    std::optional<ICloudAlertsCommands::CloudAlertState> SelectedCloudAlert() const;

    // A property of both kinds: a cloud option by its bit, else a local property.
    void AddSharedToggle(std::uint32_t id, int cloudOption, std::uint8_t cloudBit, int localProperty);
    void AddCloudOnlyToggle(std::uint32_t id, int cloudOption, std::uint8_t cloudBit);
    void AddLocalOnlyToggle(std::uint32_t id, int localProperty, bool checkedForCloud);
    void OnDeleteAll();
    void OnNameEdit(QObject* control);
    void UpdateNameEdit(CmdUI& cmdUI);
    void WriteNameEdit(const QString& name) const;

    Services m_services;
    QString m_shownName;
};
