#pragma once
// The process-wide cloud object: the in-process module through which the rest of the program
// reaches the user's cloud account. It owns the components of the cloud link and hands them out:
// the request side (which owns the worker thread), the base address of the REST endpoint, the
// cloud alert manager and the cloud alerts' general-settings group. It keeps nothing in
// session or window files.
//
// The application connects it once at start-up, on the main thread and before the main window
// posts 0x62E: SetMediator, SetAlertManager, SetMainWindow and SetWindowMessageHandler.

#include "core/mediator/ICloudModule.h"
#include "platform/modules/IGenericModule.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class CloudAlertsGeneralSettingsBase;
class CloudAlertsGeneralSettingsGroup;
class CloudMessageManager;
class CloudSettings;
class ICloudAlertManager;
class ICloudMainWindow;
class ICloudMediator;
class IHttpClient;

class CloudManager : public IGenericModule, public ICloudModule
{
public:
    // The one object of the process, made on the first call with the configured address and
    // the libcurl client, and kept until the last holder lets it go at exit. Any thread; the
    // first call is made on the main thread at start-up.
    static CloudManager& Instance();
    static std::shared_ptr<CloudManager> SharedInstance();

    CloudManager(std::shared_ptr<CloudSettings> settings, std::shared_ptr<IHttpClient> client);
    ~CloudManager() override;

    // IGenericModule: a module without windows or files.
    QString GetFileExtension() const override { return QString(); }
    QString GetFileFilter() const override { return QString(); }
    QString GetModuleName() const override { return QStringLiteral("CloudAlert"); }
    QString GetDefaultFileName() const override { return QString(); }
    bool CanSaveWindowToFile() const override { return true; }
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override { return true; }
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override { return false; }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override { return true; }
    void SerialisePanelStateToQ5Format(Q5Settings& node) override {}
    void SerialisePanelState(Settings& node) override {}
    void UnserialisePanelState(const Settings& node) override {}
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override {}
    bool SerialiseInLastSession(QWidget* window) const override { return false; }
    void OnSessionLoaded(QWidget* activeView) override {}
    int GetFirstNamedWindowStyleId() const override { return 0; }
    void FindWindowStyle(int styleId) override {}

    // Main thread, before the worker starts.
    void SetMediator(std::shared_ptr<ICloudMediator> mediator);
    void SetAlertManager(std::shared_ptr<ICloudAlertManager> alertManager);
    void SetMainWindow(std::shared_ptr<ICloudMainWindow> mainWindow);

    CloudMessageManager& GetMessageManager() const { return *m_messageManager; }
    CloudSettings& GetSettings() const { return *m_settings; }
    // Null until the application gives one.
    const std::shared_ptr<ICloudAlertManager>& GetAlertManager() const { return m_alertManager; }
    const std::shared_ptr<CloudAlertsGeneralSettingsGroup>& GetSettingsGroup() const { return m_settingsGroup; }
    // The options of a new cloud alert, sharing the group's ownership.
    std::shared_ptr<CloudAlertsGeneralSettingsBase> GetGeneralSettingsBase() const;

    // ICloudModule. The cloud alert manager as a module; null while there is none.
    IGenericModule* GetCloudAlertManager() override;
    // A data provider reports a new server address (8-bit text); "999" keeps the address.
    // Either way the worker asks for the user until the server knows it. Any thread.
    void SetServerNewIp(std::string address) override;
    // At the main frame's shut-down and after a failed start.
    void ReleaseHttpThread() override;
    // The cloud alert manager's definition dialog while it exists.
    QWidget* GetAlertDefinitionDlg() override;
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() override;
    bool PreTranslateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    // The windows' side of the cloud (the notification popup) takes its own messages first;
    // true when it handled one. Main thread, at start-up.
    void SetWindowMessageHandler(std::function<bool(unsigned message)> handler);

    // Whether a cloud alert bears the name; false while there is no alert manager. Any thread.
    bool CloudAlertExists(const QString& name) const;

private:
    std::shared_ptr<CloudMessageManager> m_messageManager;
    std::shared_ptr<CloudSettings> m_settings;
    std::shared_ptr<ICloudAlertManager> m_alertManager;
    std::shared_ptr<CloudAlertsGeneralSettingsGroup> m_settingsGroup;
    std::function<bool(unsigned message)> m_windowMessageHandler;
};
