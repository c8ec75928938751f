#pragma once
// The local alerts module: the registry of alert arguments, the list of alert definitions, the
// worker thread that tests alerts, the IAlertModule face through which the argument sources
// deliver their values, the models of the defined-alerts list and of the generated-alerts
// history, and the announcement of generated alerts (popup, sound thread, mail thread). The
// application makes exactly one and keeps it for the whole run; it gives the module the
// factory of the alerts window, and the windows follow it through IAlertModuleObserver.
//
// Threads: the IAlertModule calls come from the sources' threads and only queue work; the
// worker callbacks and GenerateAlert run on the worker thread, which hands each generated alert
// over to be announced (GeneratedAlertsAnnouncer): its log line, history row, broadcast, popup,
// mail and sound come on the announcing thread, or on the worker for a few alerts while that
// thread is idle, never on both at once; everything else runs on the main thread.

#include "alerts/engine/AlertLog.h"
#include "alerts/engine/AlertsListManager.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "alerts/engine/BLAlertsHistory.h"
#include "alerts/engine/BLAlertsListGrid.h"
#include "alerts/engine/GeneratedAlertsAnnouncer.h"
#include "alerts/engine/IAlertsInfoWindow.h"
#include "alerts/engine/IAlertsMediator.h"
#include "platform/base/OleDate.h"
#include "platform/modules/IAlertModule.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class AlertsModuleWorkerThread;
class GeneratedAlertsSoundThread;
class MailSenderThread;
class Settings;
class IAlertModuleObserver;

class AlertModule : public IAlertModule
{
public:
    // Posted to the main frame when re-bound alert copies wait for the main thread.
    static constexpr unsigned kChangeRequestMessage = 1624;

    explicit AlertModule(IAlertsMediator& mediator);
    ~AlertModule() override;
    AlertModule(const AlertModule&) = delete;
    AlertModule& operator=(const AlertModule&) = delete;

    // The module of the run; null before it is made, when its worker could not start, and
    // after it is gone.
    static AlertModule* Instance();

    // IAlertModule
    void OnUpdateArgRequestId(const AlertExprArgDesc& argument, std::uint32_t requestId) override;
    void OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value) override;
    void OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values) override;
    void OnArgDestroyed(const AlertExprArgDesc& argument) override;
    void GatherAssociatedAlertsInfo(const AlertExprArgDesc& argument, std::vector<BasicAlertInfo>& alerts) override;

    IAlertsMediator& Mediator() { return m_mediator; }
    ArgumentsListManager& Arguments() { return m_arguments; }
    AlertsListManager& Alerts() { return m_alerts; }
    const AlertLog& GetAlertLog() const { return m_alertLog; }
    AlertPropsDefaults GetNewAlertDefaults() { return m_mediator.GetNewAlertDefaults(); }
    bool HasWorker() const { return m_worker != nullptr; }
    // Deliveries the worker dropped because newer values of their arguments waited.
    std::uint64_t GetShedCount() const;

    // Set on the main thread before windows exist; null detaches.
    void SetObserver(IAlertModuleObserver* observer) { m_observer.store(observer); }
    // Set on the main thread once; without it no alerts window can be shown or opened.
    void SetAlertsWindowFactory(AlertsInfoWindowFactory factory) { m_windowFactory = std::move(factory); }

    BLAlertsListGrid& GetAlertsListGrid() { return m_listGrid; }
    BLAlertsHistory& GetAlertsHistory() { return m_history; }

    // The source that offers the argument, found through the mediator; false without one.
    bool IsArgumentSourceAvailable(const AlertExprArgDesc& argument);
    bool AddArgumentUsage(const AlertExprArgDesc& argument);
    void RemoveArgumentUsage(const AlertExprArgDesc& argument);

    // Shows the alert definition dialog on the alert; false when it cannot be shown.
    using AlertDefinitionDlgOpener = std::function<bool(const std::shared_ptr<BLAlert>& alert)>;
    // Set on the main thread once; without it no alert is defined or edited in a dialog.
    void SetAlertDefinitionDlgOpener(AlertDefinitionDlgOpener opener) { m_definitionDlgOpener = std::move(opener); }
    // The definition dialog on a new alert; false without the dialog.
    bool NewAlert();
    // The definition dialog on a copy of the selected local alert, or the cloud alert's own
    // dialog for a cloud row; false when nothing editable is selected or there is no dialog.
    bool EditSelectedAlert();
    // What the module does with the selected row of the defined-alerts grid when it is a cloud
    // alert's: the cloud alerts' owner sets it once on the main thread; without it a cloud row
    // is neither edited nor deleted here.
    struct CloudRowOperations
    {
        std::function<bool(std::uint32_t alertId)> isEditable;
        // Opens the selected cloud alert's definition dialog; false when it cannot.
        std::function<bool()> editSelected;
        // Queues the selected cloud alert's deletion.
        std::function<void()> deleteSelected;
    };
    void SetCloudRowOperations(CloudRowOperations operations) { m_cloudRows = std::move(operations); }
    // Told on the worker thread of every argument whose source is gone, so that the definition
    // dialog can forget it. Any thread; an empty handler detaches.
    using ArgumentDestroyedHandler = std::function<void(const AlertExprArgDesc& argument)>;
    void SetArgumentDestroyedHandler(ArgumentDestroyedHandler handler);

    // A new alert for the definition dialog: marked new, named with the next free name.
    std::shared_ptr<BLAlert> CreateNewAlert();
    // Inserts a new or edited alert and allows it to run. An edited alert whose original has
    // left the list meanwhile comes in as new. Returns its id.
    std::uint32_t AddAlert(const std::shared_ptr<BLAlert>& alert);
    // The alert of that name, found in the list whatever the windows show, with its rows in
    // both grids; false when none.
    bool RemoveAlert(const QString& name);
    bool RemoveIncompleteAlert(std::uint32_t alertId);
    // Removes an alert whose argument sources are gone and writes it to the alert log.
    void RemoveIncompleteAlertAndLog(std::uint32_t alertId);
    void RemoveAllAlerts();
    void ClearAlertsHistory();
    // Returns once every alert generated before the call has been announced: its history row
    // is in place and the module libraries, the popup, the mail and the sound have it.
    void WaitForAnnouncements();
    // Before a desktop is loaded: no history, no alerts, no arguments, nothing queued for the worker.
    void ClearAll();

    // The selected alert: the alert of the selected row of the defined-alerts grid, none while
    // the alerts window does not exist.
    std::uint32_t GetSelectedAlertId() const;
    bool GetSelectedAlertBoolParam(int selector) const;
    void ToggleSelectedAlertBoolParam(int selector);
    QString GetSelectedAlertStringParam() const;
    // Renames the selected alert; false when the name cannot be taken.
    bool SetSelectedAlertStringParam(const QString& name);
    // A local alert whose argument sources are all there, or a cloud alert its owner lets change.
    bool IsSelectedAlertEditable() const;
    // Removes the selected local alert, or queues the cloud alert's deletion for a cloud row,
    // while the defined-alerts tab is shown.
    void DeleteSelectedAlert();

    // The alerts window: made on the parent when shown for the first time; returns whether it
    // is visible.
    bool ShowAlertsWindow(bool show, QWidget* parent);
    // The window while it exists and is visible, else null.
    std::shared_ptr<IAlertsInfoWindow> GetVisibleAlertsInfoDlg() const;
    // The window's state in a ".q4AM" file (root "InfoDialog") or a ".q5AM" file (root
    // "AlertModule"); false for another window, before the window exists, or when the file
    // cannot be written.
    bool SaveWindowToFile(QWidget* window, const QString& path) const;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path) const;
    // Restores a ".q4AM" file into the window, making it when needed; false for a null path, a
    // file that cannot be read or a window that cannot be made.
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel);

    // The mail server of the general settings goes to the mail thread; again after they are saved.
    void SetupMailSender();
    // An event of a cloud alert, announced here as its flags ask. side: 0 sell, 1 buy.
    void NotifyCloudAlertEvent(const QString& name, const QString& instrument, const QString& valueText,
                               unsigned side, bool window, bool sound);

    QString GetAlertName(std::uint32_t alertId) const;
    bool AlertNameAvailable(const QString& name) const;
    QString GetNewAlertName() const;

    // Writes "logAlertsState.txt" into the "AlertsModule" folder of the application data.
    bool LogAlertsState() override;

    // The alerts of a session: under "AllAlerts" of the session's settings.
    void SerialisePanelState(Settings& settings) const;
    // After the panels of a session were read: the alerts of the tree replace the list. A tree
    // that lists no alert (saved while there was none) changes nothing: a desktop never takes
    // the user's alerts away. An invalid tree is logged and changes nothing either.
    void PostUnserialisePanelState(const Settings& settings);
    // Whether the module's node of a session lists an alert that a load would put in place.
    static bool StateHoldsAlerts(const Settings& settings);
    bool SerialiseAlerts(Settings& node) const;
    // Removes every alert, then reads the node's; the windows learn of each alert read.
    bool UnserialiseAlerts(const Settings& node);

    // Worker thread: a side of the alert holds. The alert is handed over to be announced: it
    // goes into the alert log and the history, to the module libraries, and out as its
    // properties ask: popup, mail, sound.
    void GenerateAlert(const BLAlert& alert, unsigned side);
    // Worker thread, after a run of tests: the alerts generated in it are announced without
    // waiting for more.
    void PostGeneratedAlerts();
    // Worker thread: the time of the value processed last.
    const OleDate& GetLastUpdateTime() const { return m_lastUpdateTime; }

    // Worker thread: the values and destroyed arguments taken from the queue.
    void OnArgValueUpdated(const AlertExprArgDesc& argument, const AlertExprArgValue& value);
    void OnArgListValuesUpdated(const AlertExprArgList& values);
    void OnArgumentDestroyed(const AlertExprArgDesc& argument);
    // Worker thread: a request-id change is recorded and waits for the main thread.
    void QueueChangeRequest(std::uint32_t baseSourceId, std::uint32_t newSourceId);
    // Main thread, for every message of the main frame: true for the change-request message,
    // after copies of the alerts of each recorded request are re-bound and put in place of
    // their originals under new ids.
    bool ProcessChangeRequests(unsigned message);

    // Stops the worker, announces what it generated (without mails and sounds), stops the mail
    // thread (queued mails dropped) and the sound thread, empties the list and destroys the
    // alerts window.
    void StopThreads();

private:
    // Removes the alert and its defined-alerts row, telling the windows first; empty for an
    // unknown id.
    std::shared_ptr<BLAlert> TakeAlertOut(std::uint32_t alertId);
    // Also its history rows.
    bool RemoveAlertById(std::uint32_t alertId);
    void RedrawDefinedAlerts();
    // Where generated alerts are announced: a batch of them, in the order they were generated.
    void AnnounceGeneratedAlerts(GeneratedAlertsAnnouncer::Batch& batch);

    IAlertsMediator& m_mediator;
    AlertLog m_alertLog;
    // The registry outlives the list: alerts give their arguments back when they go.
    ArgumentsListManager m_arguments;
    AlertsListManager m_alerts;
    OleDate m_lastUpdateTime;
    BLAlertsListGrid m_listGrid{m_alerts};
    BLAlertsHistory m_history;
    std::unique_ptr<AlertsModuleWorkerThread> m_worker;
    std::unique_ptr<GeneratedAlertsSoundThread> m_soundThread;
    std::unique_ptr<MailSenderThread> m_mailThread;
    // Made before the worker starts and stopped after it: the worker hands every alert to it.
    std::unique_ptr<GeneratedAlertsAnnouncer> m_announcer;
    // While StopThreads announces what waits: no mail is queued and no sound started.
    std::atomic<bool> m_stopping = false;
    std::atomic<IAlertModuleObserver*> m_observer = nullptr;
    AlertsInfoWindowFactory m_windowFactory;
    AlertDefinitionDlgOpener m_definitionDlgOpener;
    CloudRowOperations m_cloudRows;
    std::atomic<std::shared_ptr<const ArgumentDestroyedHandler>> m_argumentDestroyedHandler;
    std::shared_ptr<IAlertsInfoWindow> m_window;
};
