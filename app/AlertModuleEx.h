#pragma once
// The local alerts module as the standard edition makes it: the alerts engine for the whole run
// with its worker started, the module face the mediator keeps under "AlertModule", and the
// application as the engine reaches it (the argument sources, the default provider's
// instruments, the cloud alerts' names, the defaults of a new alert, the main frame, the module
// libraries, the message popups, the general settings and the Qt Multimedia sound player).
// Window files go through the engine to the alerts window, which the program makes through the
// factory the engine is given.
// Main thread, except what AlertModule's header allows other threads.

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/IAlertsMediator.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/settings/IAlertsGeneralSettingsOwner.h"

#include <QObject>
#include <QPointer>

#include <memory>

class AlertDefinitionDlg;
class AlertsGeneralSettingsGroup;

class AlertModuleEx : public IInProcessAlertModule, private IAlertsMediator, private IAlertsGeneralSettingsOwner
{
public:
    AlertModuleEx();
    // Stops the worker (logged) before the engine goes.
    ~AlertModuleEx() override;

    // IGenericModule
    QString GetFileExtension() const override { return QStringLiteral(".q4AM"); }
    QString GetFileFilter() const override { return QString(); }
    QString GetModuleName() const override { return QStringLiteral("AlertModule"); }
    QString GetDefaultFileName() const override { return QString(); }
    bool CanSaveWindowToFile() const override { return false; }
    // Window files (".q4AM", ".q5AM") hold the alerts window's state; the engine writes and reads them.
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    void SerialisePanelStateToQ5Format(Q5Settings& node) override {}
    void SerialisePanelState(Settings& node) override;
    void UnserialisePanelState(const Settings& node) override {}
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override;
    bool SerialiseInLastSession(QWidget* window) const override { return true; }
    void OnSessionLoaded(QWidget* activeView) override {}
    int GetFirstNamedWindowStyleId() const override { return 0; }
    void FindWindowStyle(int styleId) override {}

    // IInProcessAlertModule
    IAlertModule* GetAlertsInterface() override { return &m_module; }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() override;
    void RemoveAlert(const QString& alertId) override;
    void ClearAll() override;
    bool StateHoldsAlerts(const Settings& moduleState) const override { return AlertModule::StateHoldsAlerts(moduleState); }
    bool RemoveIncompleteAlerts() override;
    QWidget* GetShownAlertDefinitionDlg() override;
    bool ProcessChangeRequests(unsigned message) override { return m_module.ProcessChangeRequests(message); }

    AlertModule& Module() { return m_module; }

private:
    // IAlertsMediator
    IAlertArgumentSource* GetAlertArgumentSource(const QString& moduleName) override;
    int GetProductKind() override;
    std::optional<QStringList> GetListedInstruments() override;
    bool CloudAlertExists(const QString& name) override;
    AlertPropsDefaults GetNewAlertDefaults() override;
    bool PostToMainFrame(unsigned message) override;
    void BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert) override;
    void ShowAlertNotification(const QString& name, const QString& argumentName, const QString& valueText,
                               unsigned side, bool cloudEvent) override;
    AlertsGeneralSettingsValues GetNotificationSettings() override;
    std::shared_ptr<ISoundPlayer> CreateSoundPlayer() override;

    // Emptying the list for a desktop takes the cloud rows too; the cloud alerts are the server's
    // and come back at once.
    static void RestoreCloudRows();

    // IAlertsGeneralSettingsOwner
    void SetupMailSender() override { m_module.SetupMailSender(); }

    // The definition dialog on the alert, made in the current panel on first use; while it is
    // shown on another alert it only comes to the top.
    bool OpenAlertDefinitionDlg(const std::shared_ptr<BLAlert>& alert);

    // Read by the engine from its worker while it runs: made before it.
    const std::shared_ptr<AlertsGeneralSettingsGroup> m_settingsGroup;
    AlertModule m_module;
    // Receives on the main thread what the worker says of destroyed arguments; the worker has
    // stopped before it goes.
    QObject m_mainThreadRelay;
    QPointer<AlertDefinitionDlg> m_definitionDlg;
};
