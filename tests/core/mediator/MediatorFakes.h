#pragma once
// Fakes of what the application mediator reaches: the main frame, the poster, the popups, the
// settings, the in-process modules and the cloud. Each tells what it is asked to the event list
// that the test plug-ins share (RecordPluginEvent), so a test reads one list in the order things
// happened. Header-only, for the mediator's and the application object's tests alike.

#include "core/mediator/ICloudModule.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IFramePoster.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "core/mediator/IInProcessSessionStatistics.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/IMediatorSettings.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "core/mediator/IMessagePopups.h"
#include "core/settings/GeneralSettingsManager.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/Asset.h"
#include "platform/ui/CmdTarget.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "tests/core/plugins/PluginEvents.h"
#include "tests/support/SettingsGroupToken.h"

#include <QPointer>
#include <QWidget>

#include <mutex>
#include <ostream>
#include <thread>
#include <utility>
#include <vector>

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void Tell(const QString& who, const QString& what)
{
    RecordPluginEvent(who + QLatin1Char(':') + what);
}

class FakeMainFrame : public IMainFrame
{
public:
    static constexpr WndHandle kHandle = static_cast<WndHandle>(0x7FFF0001);

    QWidget* GetWindow() override { return &window; }
    WndHandle GetFrameHandle() const override { return kHandle; }
    bool LoadFrame() override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("LoadFrame"));
        return loadFrameAnswer;
    }
    void ShowFrame() override { Tell(QStringLiteral("Frame"), QStringLiteral("ShowFrame")); }
    void StartSession() override { Tell(QStringLiteral("Frame"), QStringLiteral("StartSession")); }
    void ActivateFrame() override { Tell(QStringLiteral("Frame"), QStringLiteral("ActivateFrame")); }
    int LoadSession(const QString& path) override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("LoadSession(%1)").arg(path));
        return loadSessionAnswer;
    }
    bool IsSessionLoaded() const override { return sessionLoaded; }
    ModuleWndBase* GetActiveModuleWnd() override { return activeModuleWnd; }
    void OnModuleWndActivate(bool activate, ModuleWndBase* window, bool preserveTabContext) override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("OnModuleWndActivate(%1,%2,%3)")
                                          .arg(activate)
                                          .arg(window ? window->objectName() : QStringLiteral("null"))
                                          .arg(preserveTabContext));
    }
    void UpdateRibbonContext(const ::UpdateRibbonContext&) override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("UpdateRibbonContext"));
        ++contextsApplied;
    }
    void UpdateContextCaption() override { Tell(QStringLiteral("Frame"), QStringLiteral("UpdateContextCaption")); }
    QRect GetMdiClientScreenRect() override { return mdiClient; }
    QWidget* FindPanelViewByName(const QString& name) override { return name == panelName ? &window : nullptr; }
    int GetScreensLimit() const override { return screensLimit; }
    void CollectPanelWindowNames(std::vector<ModuleWndBase::NamedObject>& objects) override
    {
        objects.insert(objects.end(), namedObjects.begin(), namedObjects.end());
    }
    ColorRef GetXtremeColor(int index) override { return ColorRef(static_cast<quint32>(index)); }
    void EnterPrintMode(const QSize& size) override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("EnterPrintMode(%1x%2)").arg(size.width()).arg(size.height()));
    }
    void LeavePrintMode() override { Tell(QStringLiteral("Frame"), QStringLiteral("LeavePrintMode")); }
    void ShowProgress(bool show) override { Tell(QStringLiteral("Frame"), QStringLiteral("ShowProgress(%1)").arg(show)); }
    void SetProgressPosition(int percent) override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("SetProgressPosition(%1)").arg(percent));
    }
    void ResetProgress() override { Tell(QStringLiteral("Frame"), QStringLiteral("ResetProgress")); }
    void ShowLastQuoteTime(ProviderBase*) override { Tell(QStringLiteral("Frame"), QStringLiteral("ShowLastQuoteTime")); }
    void ShowStatusBarPane(std::uint32_t key, bool show) override
    {
        Tell(QStringLiteral("Frame"), QStringLiteral("ShowStatusBarPane(%1,%2)").arg(key).arg(show));
    }
    void RepaintStatusBar() override { Tell(QStringLiteral("Frame"), QStringLiteral("RepaintStatusBar")); }

    QWidget window;
    bool loadFrameAnswer = true;
    int loadSessionAnswer = 0;
    bool sessionLoaded = false;
    ModuleWndBase* activeModuleWnd = nullptr;
    QRect mdiClient{100, 50, 400, 300};
    QString panelName;
    int screensLimit = 1;
    std::vector<ModuleWndBase::NamedObject> namedObjects;
    int contextsApplied = 0;
};

// Records every post; fails the number of posts a test sets first.
class RecordingPoster : public IFramePoster
{
public:
    struct Posted
    {
        std::uint32_t message;
        WParam wParam;
        LParam lParam;
        std::thread::id thread;
    };

    bool Post(WndHandle, std::uint32_t message, WParam wParam, LParam lParam, QString& reason) override
    {
        std::lock_guard lock(m_mutex);
        if (m_failures > 0)
        {
            --m_failures;
            ++m_failed;
            reason = QStringLiteral("kolejka okna pełna");
            return false;
        }
        m_posts.push_back({message, wParam, lParam, std::this_thread::get_id()});
        return true;
    }

    void FailNext(int count)
    {
        std::lock_guard lock(m_mutex);
        m_failures = count;
    }
    std::vector<Posted> Posts() const
    {
        std::lock_guard lock(m_mutex);
        return m_posts;
    }
    int Failed() const
    {
        std::lock_guard lock(m_mutex);
        return m_failed;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Posted> m_posts;
    int m_failures = 0;
    int m_failed = 0;
};

class RecordingPopups : public IMessagePopups
{
public:
    struct Shown
    {
        QWidget* anchor;
        QPoint point;
        QString caption;
        QString text;
    };

    void ShowMessagePopup(QWidget* anchor, const QPoint& point, const QString& caption, const QString& text) override
    {
        shown.push_back({anchor, point, caption, text});
    }
    void CloseAllPopups() override { Tell(QStringLiteral("Popups"), QStringLiteral("CloseAllPopups")); }

    std::vector<Shown> shown;
};

class FakeMediatorSettings : public IMediatorSettings
{
public:
    bool CreateGlobalSettings() override
    {
        Tell(QStringLiteral("Settings"), QStringLiteral("CreateGlobalSettings"));
        m_created = createAnswer;
        return createAnswer;
    }
    void ReleaseGlobalSettings() override
    {
        Tell(QStringLiteral("Settings"), QStringLiteral("ReleaseGlobalSettings"));
        m_created = false;
    }
    IGlobalSettings* GetGlobalSettingsObject() override { return nullptr; }
    void AddGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) override
    {
        Tell(QStringLiteral("Settings"), QStringLiteral("AddGroup"));
        groups.push_back(group);
    }
    void AddLibraryGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) override
    {
        Tell(QStringLiteral("Settings"), QStringLiteral("AddLibraryGroup"));
        libraryGroups.push_back(group);
    }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGlobalSettingsGroup() override { return globalsGroup; }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetLocalAlertsGroup() override { return localAlertsGroup; }
    GeneralSettingsManager& GetGeneralSettingsManager() override { return manager; }
    QString GetDefaultProviderName() override { return defaultProviderName; }
    void SetDefaultProviderName(const QString& name) override
    {
        Tell(QStringLiteral("Settings"), QStringLiteral("SetDefaultProviderName(%1)").arg(name));
        defaultProviderName = name;
    }
    void ApplyTimeSourceProvider() override { Tell(QStringLiteral("Settings"), QStringLiteral("ApplyTimeSourceProvider")); }
    bool IsTimeSourceProvider(const ProviderBase* provider) override { return provider && provider == timeSource; }

    bool createAnswer = true;
    QString defaultProviderName;
    const ProviderBase* timeSource = nullptr;
    std::shared_ptr<GeneralSettingsGroupManagerBase> globalsGroup = MakeSettingsGroupToken();
    std::shared_ptr<GeneralSettingsGroupManagerBase> localAlertsGroup = MakeSettingsGroupToken();
    std::vector<std::shared_ptr<GeneralSettingsGroupManagerBase>> groups;
    std::vector<std::shared_ptr<GeneralSettingsGroupManagerBase>> libraryGroups;
    GeneralSettingsManager manager;

private:
    bool m_created = false;
};

// A module that keeps its state under "Value" and tells what it is asked under its name.
template <typename Base>
class FakeModule : public Base
{
public:
    explicit FakeModule(QString name, QString extension = QString(), QString filter = QString())
        : m_name(std::move(name))
        , m_extension(std::move(extension))
        , m_filter(std::move(filter))
    {
        this->SetQ5ModuleName(m_name + QStringLiteral("Q5"));
    }

    QString GetFileExtension() const override { return m_extension; }
    QString GetFileFilter() const override { return m_filter; }
    QString GetModuleName() const override { return m_name; }
    QString GetDefaultFileName() const override { return {}; }
    bool CanSaveWindowToFile() const override { return true; }
    bool SaveWindowToFile(QWidget*, const QString&, int, bool) override { return false; }
    bool SaveWindowToQ5Format(QWidget*, const QString&, int, int) override { return false; }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override
    {
        Tell(m_name, QStringLiteral("Open(%1)").arg(path));
        openedIn = parent;
        return openAnswer;
    }
    void SerialisePanelStateToQ5Format(Q5Settings& node) override { node["Value"] = value; }
    void SerialisePanelState(Settings& node) override { node[QStringLiteral("Value")] = value; }
    void UnserialisePanelState(const Settings& node) override
    {
        Tell(m_name, QStringLiteral("UnserialisePanelState"));
        value = node[QStringLiteral("Value")].ToString();
    }
    void PostUnserialisePanelState(const Settings&, QWidget*) override
    {
        Tell(m_name, QStringLiteral("PostUnserialisePanelState"));
    }
    bool SerialiseInLastSession(QWidget*) const override { return true; }
    void OnSessionLoaded(QWidget*) override {}
    int GetFirstNamedWindowStyleId() const override { return styleId; }
    void FindWindowStyle(int) override {}

    QString value;
    bool openAnswer = true;
    QPointer<QWidget> openedIn;
    int styleId = -2;

private:
    QString m_name;
    QString m_extension;
    QString m_filter;
};

// Stand-ins for the faces the mediator hands out; only compared, never used.
inline char g_alertsFace;
inline char g_statisticsSource;
inline char g_ordersSource;

class FakeAlertModule : public FakeModule<IInProcessAlertModule>
{
public:
    FakeAlertModule()
        : FakeModule(QStringLiteral("AlertModule"), QStringLiteral(".q4AM"))
    {
        Tell(QStringLiteral("AlertModule"), QStringLiteral("made"));
    }
    IAlertModule* GetAlertsInterface() override { return reinterpret_cast<IAlertModule*>(&g_alertsFace); }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() override { return group; }
    void RemoveAlert(const QString& alertId) override { Tell(QStringLiteral("AlertModule"), QStringLiteral("RemoveAlert(%1)").arg(alertId)); }
    QWidget* GetShownAlertDefinitionDlg() override { return definitionDialog; }
    bool ProcessChangeRequests(unsigned) override { return false; }
    void ClearAll() override { Tell(QStringLiteral("AlertModule"), QStringLiteral("ClearAll")); }
    bool StateHoldsAlerts(const Settings& moduleState) const override { return moduleState.IsValid(); }
    bool RemoveIncompleteAlerts() override
    {
        Tell(QStringLiteral("AlertModule"), QStringLiteral("RemoveIncompleteAlerts"));
        return false;
    }

    QWidget* definitionDialog = nullptr;

    std::shared_ptr<GeneralSettingsGroupManagerBase> group = MakeSettingsGroupToken();
};

// The statistics face the frame calls: it counts the restores a new theme asks for.
class FakeStatisticsFace : public ISessionStatisticsModule
{
public:
    void ToggleWindow() override {}
    QWidget* GetWindow() const override { return nullptr; }
    bool IsWindowVisible() const override { return false; }
    bool IsWindowActive() const override { return false; }
    void ToggleTopPane() override {}
    void ToggleBottomPane() override {}
    bool IsTopPaneVisible() const override { return true; }
    bool IsBottomPaneVisible() const override { return true; }
    std::shared_ptr<StyleBase> DefaultStyle() const override { return nullptr; }
    void RefreshStyle() override {}
    void RestoreDefaults() override { ++restores; }

    int restores = 0;
};
inline FakeStatisticsFace g_statisticsFace;

class FakeSessionStatistics : public FakeModule<IInProcessSessionStatistics>
{
public:
    FakeSessionStatistics()
        : FakeModule(QStringLiteral("SessionStatistics"), QStringLiteral(".q4sSS"))
    {
        Tell(QStringLiteral("SessionStatistics"), QStringLiteral("made"));
    }
    ISessionStatisticsModule* GetSessionStatisticsInterface() override
    {
        return &g_statisticsFace;
    }
    IAlertArgumentSource* GetAlertArgumentSource() override { return reinterpret_cast<IAlertArgumentSource*>(&g_statisticsSource); }
    void Shutdown() override { Tell(QStringLiteral("SessionStatistics"), QStringLiteral("Shutdown")); }
};

class FakeOrdersSheet : public FakeModule<IInProcessOrdersSheet>
{
public:
    FakeOrdersSheet()
        : FakeModule(QStringLiteral("OrdersSheet"), QStringLiteral(".q4sOS"),
                     QStringLiteral("Arkusze zleceń (*.q4sOS)|*.q4sOS|Arkusze zleceń ze stylami (*.q4ssOS)|*.q4ssOS||"))
    {
        Tell(QStringLiteral("OrdersSheet"), QStringLiteral("made"));
    }
    IAlertArgumentSource* GetAlertArgumentSource() override { return reinterpret_cast<IAlertArgumentSource*>(&g_ordersSource); }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() override { return group; }
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override { windows.push_back({7, nullptr}); }
    bool ShowOrdersSheetForAsset(const Asset& asset, QWidget*) override
    {
        Tell(QStringLiteral("OrdersSheet"), QStringLiteral("ShowOrdersSheetForAsset(%1)").arg(asset.GetShortName()));
        return true;
    }
    bool ShowOrdersSheetWindow(QWidget*) override { return false; }
    bool IsOrdersSheetWindowVisible() const override { return false; }

    std::shared_ptr<GeneralSettingsGroupManagerBase> group = MakeSettingsGroupToken();
};

class FakeCloudModule : public ICloudModule
{
public:
    FakeCloudModule() { Tell(QStringLiteral("Cloud"), QStringLiteral("made")); }
    IGenericModule* GetCloudAlertManager() override { return &alerts; }
    void SetServerNewIp(std::string address) override
    {
        Tell(QStringLiteral("Cloud"), QStringLiteral("SetServerNewIp(%1)").arg(QString::fromStdString(address)));
    }
    void ReleaseHttpThread() override { Tell(QStringLiteral("Cloud"), QStringLiteral("ReleaseHttpThread")); }
    QWidget* GetAlertDefinitionDlg() override { return definitionDialog; }
    bool PreTranslateMessage(unsigned, std::uintptr_t, std::intptr_t) override { return false; }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() override { return group; }

    QWidget* definitionDialog = nullptr;
    std::shared_ptr<GeneralSettingsGroupManagerBase> group = MakeSettingsGroupToken();

    FakeModule<IGenericModule> alerts{QStringLiteral("CloudAlerts")};
};

// A style edit mode the test switches on by giving it an edited target.
class FakeStyleEditModeHandler : public IStyleEditModeHandler
{
public:
    bool IsInEditMode() const override { return editedTarget != nullptr; }
    CmdTarget* GetEditedCmdTarget() const override { return editedTarget; }
    QWidget* GetEditedWindow() const override { return editedWindow; }
    QString GetEditModeTitle() const override { return QStringLiteral("Edycja stylu"); }
    void BeginEditStyle(const std::shared_ptr<StyleBase>&, const QString& title) override
    {
        Tell(QStringLiteral("StyleEdit"), QStringLiteral("Begin(%1)").arg(title));
    }
    void LeaveEditStyleMode() override
    {
        Tell(QStringLiteral("StyleEdit"), QStringLiteral("Leave"));
        editedTarget = nullptr;
    }
    void UpdateEditedWindowLayout() override { ++layoutUpdates; }

    CmdTarget* editedTarget = nullptr;
    QWidget* editedWindow = nullptr;
    int layoutUpdates = 0;
};

class FakeApplicationObject : public IApplicationObject
{
public:
    QWidget* GetActivePanelView() const override { return activeView; }
    QWidget* GetCurrentPanelView() const override { return currentView; }
    void SetActivePanelView(QWidget* view) override { activeView = view; }
    void SetCurrentPanelView(QWidget* view) override { currentView = view; }
    CmdTarget& GetAppCmdTarget() override { return commands; }
    bool IsExtendedMode() const override { return extendedMode; }
    bool SaveApplicationStyles(bool) override { return true; }
    bool IsHandOverInProgress() const override { return false; }
    void SetupCrashReporting(const QString& user, const QString& code) override
    {
        Tell(QStringLiteral("App"), QStringLiteral("SetupCrashReporting(%1,%2)").arg(user, code));
    }

    QPointer<QWidget> activeView;
    QPointer<QWidget> currentView;
    CmdTarget commands;
    bool extendedMode = false;
};
