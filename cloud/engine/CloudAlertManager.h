#pragma once
// The cloud alerts module: the user's cloud alerts as the server last reported them, the events
// on their way to the alerts history and the events the online quotation provider pushed and
// that wait for their alert. It puts the cloud rows into the alert module's defined-alerts list
// and history, announces pushed events through the alert module, renames, sets options of and
// deletes the alert selected in the defined-alerts list, and shows the definition dialog through
// its holder. The application makes one and gives it to the cloud manager.
//
// Threads: AddNewCloudAlertEvent comes on the provider's thread; everything else on the main
// thread. "CloudAlert_Lock" (re-entrant) guards the alerts, the events and the pending events;
// it is taken before the grids' locks and never inside them.

#include "cloud/engine/ICloudAlertManager.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertEventGenerate.h"
#include "platform/modules/IGenericModule.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class AlertModule;
class CloudAlertData;
class CloudAlertEventData;
class CloudMessageManager;
class ICloudAlertDefinitionDlgHost;
class ProviderBase;

class CloudAlertManager : public IGenericModule, public ICloudAlertManager
{
public:
    // Pushed events of alerts that never come back (deleted on the server) would wait for
    // ever; beyond this many the oldest go.
    static constexpr std::size_t kMaxPendingEvents = 1000;
    static const QString kRemoveAllQuestion;
    static const QString kNameTakenText;

    // What the manager asks of the program; tests give their own.
    struct Links
    {
        std::function<ProviderBase*()> defaultProvider;
        std::function<AlertModule*()> alertModule;
        std::function<CloudMessageManager*()> requests;
        // A yes/no question; true for yes.
        std::function<bool(const QString& text)> askYesNo;
        std::function<void(const QString& text)> showError;
    };

    explicit CloudAlertManager(Links links);
    ~CloudAlertManager() override;

    // Main thread, once, before the dialog is first asked for.
    void SetDefinitionDlgHost(std::shared_ptr<ICloudAlertDefinitionDlgHost> host);

    // IGenericModule: a module without windows or files.
    QString GetFileExtension() const override { return QStringLiteral(".q4CAM"); }
    QString GetFileFilter() const override { return QString(); }
    QString GetModuleName() const override { return QStringLiteral("CloudAlertModule"); }
    QString GetDefaultFileName() const override { return QString(); }
    bool CanSaveWindowToFile() const override { return false; }
    bool SaveWindowToFile(QWidget*, const QString&, int, bool) override { return true; }
    bool SaveWindowToQ5Format(QWidget*, const QString&, int, int) override { return false; }
    bool OpenWindowFromFile(QWidget*, const QString&, bool) override { return true; }
    void SerialisePanelStateToQ5Format(Q5Settings&) override {}
    void SerialisePanelState(Settings&) override {}
    void UnserialisePanelState(const Settings&) override {}
    void PostUnserialisePanelState(const Settings&, QWidget*) override {}
    bool SerialiseInLastSession(QWidget*) const override { return false; }
    void OnSessionLoaded(QWidget*) override {}
    int GetFirstNamedWindowStyleId() const override { return 0; }
    void FindWindowStyle(int) override {}

    // ICloudAlertManager
    void OnReceivedCloudAlerts(std::vector<std::shared_ptr<CloudAlertData>> alerts) override;
    void OnReceivedCloudAlertEvents(const std::vector<std::shared_ptr<XMLElement>>& events) override;
    void AddNewCloudAlertEvent(const AlertEventGenerate& event) override;
    void ReorderNewCloudAlertsEvents() override;
    void ClearAll() override;
    bool CheckIfAlertExist(const QString& name) const override;

    // The alert with that server id; null when none. The record is shared: a later list
    // replaces the manager's records without changing the ones handed out.
    std::shared_ptr<CloudAlertData> CheckIfAlertExist(std::int32_t alertId) const;
    int GetCloudAlertsCount() const;
    // Copies of the alerts as they stand; any thread.
    std::vector<CloudAlertData> GetCloudAlerts() const;
    std::size_t GetPendingEventsCount() const;

    // The cloud alert of the row selected in the defined-alerts list; null for a local alert or
    // no selection.
    std::shared_ptr<CloudAlertData> GetSelectedAlert() const;
    bool GetSelectedAlertName(QString& name) const;
    // False, with the message when asked, when another cloud alert has the name; false without
    // a message when no cloud alert is selected. Else the edit and a reload are queued.
    bool RenameSelectedAlert(const QString& name, bool showMessage = true);
    // Options 0 to 4 are the notification channels, 5 the once flag; the edit is queued.
    bool SetSelectedAlertOption(int option, bool on);
    // Marks the selected cloud alert for deletion and queues its deletion; false when none.
    bool DeleteSelectedAlert();
    // Asks first; false on no. Else every alert is marked for deletion and one deletion of all
    // their ids is queued.
    bool RemoveAllAlerts();
    // The definition dialog on a copy of the alert (none for a new alert), shown or hidden.
    void ShowDefinitionDlg(bool show, const std::shared_ptr<const CloudAlertData>& alert);
    // The dialog while it exists; null without one.
    QWidget* GetDefinitionDlg() const;
    // Puts the cloud rows back into the defined-alerts list after the alert module emptied it.
    void RefreshCloudRows();

private:
    // The caller holds the lock.
    void RefreshCloudAlertRows();
    void RefreshHistory();
    // False when the event's alert is unknown; else it is announced as the alert asks.
    bool NotifyCloudAlertEvent(AlertModule& module, const CloudAlertEventData& event);
    // Queues the alert's edit; false without the request side.
    bool QueueEdit(const CloudAlertData& alert);

    const Links m_links;
    std::shared_ptr<ICloudAlertDefinitionDlgHost> m_dialogHost;
    mutable SafeCriticalSection m_lock{QStringLiteral("CloudAlert_Lock")};
    std::vector<std::shared_ptr<CloudAlertData>> m_alerts;
    // Newest first; empty whenever no operation runs.
    std::vector<std::shared_ptr<CloudAlertEventData>> m_events;
    std::vector<AlertEventGenerate> m_pendingEvents;
};
