#pragma once
// The main window: the ribbon over the screens (the panels, as tabs of the tab client) and the
// status bar under them. It owns the command bars into which the ribbons factory puts the
// ribbon, routes every command in the program's fixed order (style edit target or active
// module window, its own command targets, the providers' menu entries, then the active panel,
// itself and the application), brings the ribbon's contextual tabs in line with the active
// module window, acts on the mediator's application messages, keeps the data providers' entries
// of the system menu, takes screenshots, and at its closing ends the plug-ins and releases the
// modules in the program's order, once. It is abstract: the edition fills in the screens'
// rules. Main thread only; other threads reach it by posting to its handle.
// Between runs it keeps its screens in the session "LastSession.q4s" and its place in
// "MainWndPosition.state"; the user saves and opens desktops of the same form.

#include "core/mediator/IMainFrame.h"
#include "platform/toolkit/CommandBars.h"
#include "platform/ui/Wnd.h"
#include "ribbon/IRibbonTabsCreatorsFactory.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "ribbon/themes/IRibbonThemeFrame.h"
#include "ribbon/themes/RibbonThemeCommands.h"
#include "workspace/ui/ITabClientOwner.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/FrameStatusBar.h"
#include "workspace/ui/FrameSystemMenus.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class AppMediator;
class DesktopSession;
class FrameDesktopHost;
class MediatorDesktopModules;
class IApplicationObject;
class IStyleEditModeHandler;
class PanelDocTemplate;
class PanelFrame;
class PanelView;
class QuorvantaRibbonBar;
class QuorvantaStatusBar;
struct RibbonCreateControlRequest;
class RibbonsFactory;
class RibbonToolTipsManagement;

class PulpitFrame : public QMainWindow,
                    public Wnd,
                    public IMainFrame,
                    public IRibbonsFactoryOwner,
                    public IRibbonThemeFrame,
                    public ITabClientOwner
{
    Q_OBJECT

public:
    // The frame's own command targets, asked in this order after the active window's: general,
    // alerts, orders sheet, session statistics, drawing tools, formula language. A maker left
    // empty leaves its part of the program out.
    using CmdTargetMaker = std::function<std::shared_ptr<CmdTarget>(PulpitFrame& frame)>;
    struct CmdTargetMakers
    {
        CmdTargetMaker general;
        CmdTargetMaker alerts;
        CmdTargetMaker ordersSheet;
        CmdTargetMaker sessionStatistics;
        CmdTargetMaker formations;
        CmdTargetMaker formulaLanguage;
    };

    // A visible module window for the windows gallery.
    struct ShownWindow
    {
        QPointer<ModuleWndBase> window;
        QIcon image;
        QString text;
    };

    static constexpr int kDefaultWidth = 1280;
    static constexpr int kDefaultHeight = 800;
    // Where ShowModuleWnd puts a window that lies wholly outside its panel.
    static constexpr int kShownWindowPosition = 15;

    PulpitFrame(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators, CmdTargetMakers makers);
    ~PulpitFrame() override;

    // IMainFrame
    QWidget* GetWindow() override { return this; }
    WndHandle GetFrameHandle() const override { return GetSafeHwnd(); }
    // The creation steps in the program's order; false (and logged) at the first that fails.
    bool LoadFrame() override;
    void ShowFrame() override;
    // Hands the frame to the module libraries and restores the last session.
    void StartSession() override;
    void ActivateFrame() override;
    // Loads a desktop file in place of the screens; 1 when loaded. A file that cannot be
    // loaded changes nothing (logged).
    int LoadSession(const QString& path) override;
    bool IsSessionLoaded() const override { return m_sessionLoaded; }
    ModuleWndBase* GetActiveModuleWnd() override;
    void OnModuleWndActivate(bool activate, ModuleWndBase* window, bool preserveTabContext) override;
    void UpdateRibbonContext(const ::UpdateRibbonContext& context) override;
    void UpdateContextCaption() override;
    QRect GetMdiClientScreenRect() override;
    QWidget* FindPanelViewByName(const QString& name) override;
    ColorRef GetXtremeColor(int index) override;
    void EnterPrintMode(const QSize& dialogMinimalSize) override;
    void LeavePrintMode() override;
    void ShowProgress(bool show) override;
    void SetProgressPosition(int percent) override;
    void ResetProgress() override;
    // Writes the provider's last quote time when it has a valid one.
    void ShowLastQuoteTime(ProviderBase* provider) override;
    void ShowStatusBarPane(std::uint32_t key, bool show) override;
    void RepaintStatusBar() override;

    // IRibbonsFactoryOwner
    CommandBars* GetCommandBars() override { return &m_commandBars; }
    bool IsExtendedMode() const override;
    std::shared_ptr<IDynamicGalleryHelper> CreateWindowsGalleryHelper() override;

    // IRibbonThemeFrame
    bool LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName) override;

    // ITabClientOwner
    void PostFrameCommand(std::uint32_t commandId) override;
    void OnBeforePanelDestroyed() override;

    // The edition's operations, in their order.
    int GetScreensLimit() const override = 0;
    // Enables "close all windows" when some visible module window may be closed on command.
    virtual void OnUpdateCloseAllWindows(CmdUI& cmdUI) = 0;
    // Appends the visible module windows that may be closed on command, panel by panel.
    virtual void GetShownWindows(std::vector<ShownWindow>& windows) = 0;
    void CollectPanelWindowNames(std::vector<ModuleWndBase::NamedObject>& objects) override = 0;
    // Names a new panel; gives back its view.
    virtual PanelView* SetPanelTitle(PanelFrame& panel) = 0;
    virtual void BeforeCleanResources() {}
    virtual void RedrawModuleWindows();
    virtual void ShowWorkspaceTabs() = 0;
    virtual void OnRibbonCreated(RibbonsFactory& factory) {}
    // False ends the frame's creation.
    virtual bool CanCreate() { return true; }
    // Takes the main menu (its "&File" popup is the ribbon's system menu), once.
    virtual void DetachMainMenu();

    // The session: the last one restored at start (or one empty screen), saved at the end.
    void LoadLastSession();
    // Not while the last session has not been restored in this run: an empty desktop must not
    // take its place.
    virtual bool SaveLastSession();
    // The desktop, the modules' states included, into a ".q4s" file and its panel folder.
    virtual bool SaveCurrentSession(const QString& path, bool withModuleStates);
    // The desktop in the next-generation format.
    bool SaveDesktopToQ5Format(const QString& path);
    virtual void SaveWindowPosition();
    // The saved place, brought onto a screen that is there; maximised without one.
    virtual void RestoreWindowPosition();
    // Tells the mediator too, which other threads ask.
    void SetSessionLoaded(bool loaded);

    // Command routing: the first handler in the program's order takes the command or update.
    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override;
    // The active module window is forgotten and the ribbon shows no module.
    void ResetRibbonContext();
    // The application became active or inactive.
    void OnActivateApp(bool active);
    // The desktop session may end soon (its end can still be cancelled): the session is saved
    // and the program goes on.
    void OnCommitDataRequest();

    // Screens.
    TabClientWnd* GetTabClient() const { return m_tabClient.data(); }
    PanelDocTemplate& GetPanelTemplate() const { return *m_panelTemplate; }
    std::vector<PanelFrame*> GetPanels() const;
    // The selected screen shows the version-information page.
    bool IsVersionInfoPanelActive() const;
    // Selects the first screen that shows the version-information page.
    void ActivateVersionInfoPanel();
    // A new empty screen, named and selected; null while a style is edited or when the edition
    // allows no further screen.
    PanelFrame* OnNewScreen();
    // Whether the edition allows one screen more than there are.
    bool CanAddScreen() const;
    // Every screen goes; the application forgets its panel views.
    void CloseAllPanels();
    // With fewer than two screens allowed the tabs show no close button.
    void SetPanelCloseButtons();
    // The tabs' captions anew (the style edit mode began or ended).
    void UpdateFrameTitles();
    // Shows the window in its panel, brought into the panel when it lies outside it.
    void ShowModuleWnd(ModuleWndBase& window);
    // Ctrl+F4: closes the active module window when it may be closed on command.
    bool CloseActiveModuleWnd();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next (or previous) window of the active screen in
    // stacking order becomes active.
    bool CycleModuleWnds(bool backwards);
    // The frames around the module windows show which one is active.
    void UpdateModuleWindowFrames();
    // The tabs stand at the position (0 top, 1 left, 2 bottom, 3 right).
    void SetPulpitTabPosition(int position);

    void SetMainSystemMenu();
    void SetStyleEditSystemMenu();
    void CloseRibbonPopups();

    // Writes the frame's picture to the user's "Screenshots" folder; the file, or empty when
    // it could not be written (logged).
    QString OnScreenshot();

    // The program's end, once: providers and consumers stop, the session is saved (when save),
    // everything shuts down in order. Steps that throw are logged and the next one runs.
    void CleanResources(bool save);
    bool IsClosing() const { return m_closing; }
    bool AreResourcesCleaned() const { return m_resourcesCleaned; }
    bool IsPrintMode() const { return m_printMode; }
    QSize GetPrintMinimumSize() const { return m_printMinimumSize; }

    std::shared_ptr<RibbonsFactory> GetRibbonsFactory() const { return m_ribbonsFactory; }
    // Null before the ribbon is made or without one.
    QuorvantaRibbonBar* GetRibbonBar() const;
    std::shared_ptr<RibbonToolTipsManagement> GetRibbonToolTipsManagement() const { return m_toolTips; }
    QuorvantaStatusBar* GetStatusBar() const { return m_statusBar.Get(); }
    const std::vector<std::shared_ptr<CmdTarget>>& GetCmdTargets() const { return m_cmdTargets; }
    const ProviderMenuEntries& GetProviderEntries() const { return m_systemMenus.GetProviderEntries(); }
    const MenuTable& GetMainMenu() const { return m_systemMenus.GetMainMenu(); }
    // Null while the program has no style editing.
    IStyleEditModeHandler* GetStyleEditModeHandler() const;
    IApplicationObject* GetApplication() const;
    QString GetStyleFolder() const;

protected:
    LResult WindowProc(const WindowMessage& message) override;
    void OnTimer(std::uint32_t id) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    bool OnCreate();
    void MakeCmdTargets();
    bool CreateRibbon();
    void AttachTabClient();
    void InstallShortcuts();
    void InstallWindowShortcuts();
    // The panel view the user works in; null when none.
    PanelView* GetActivePanelView() const;
    // Step 6 of the routing: the active panel, the frame's own table, then the application.
    bool FrameworkCmdMsg(std::uint32_t id, int code, void* extra);
    bool OnProviderEntry(std::uint32_t id);
    bool OnCreateControl(RibbonCreateControlRequest& request);
    void OnItemActivated(PanelFrame* activated, PanelFrame* deactivated);
    // The largest size a panel can be dragged to: the frame's screen's available area.
    QSize MaxTrackSize() const;
    void OnFocusChanged(QWidget* now);
    void UpdateEditedWindowLayout();
    // Made on first use; null without the application mediator (logged).
    DesktopSession* GetDesktopSession();

    std::shared_ptr<IRibbonTabsCreatorsFactory> m_tabsCreators;
    const CmdTargetMakers m_cmdTargetMakers;
    FrameStatusBar m_statusBar;
    QPointer<TabClientWnd> m_tabClient;
    std::vector<std::shared_ptr<CmdTarget>> m_cmdTargets;
    std::shared_ptr<RibbonToolTipsManagement> m_toolTips;
    std::shared_ptr<RibbonsFactory> m_ribbonsFactory;
    QPointer<ModuleWndBase> m_activeModuleWnd;
    bool m_applicationActive = false;
    bool m_resourcesCleaned = false;
    bool m_closing = false;
    bool m_printMode = false;
    QSize m_printMinimumSize;
    bool m_sessionLoaded = false;
    // The colour themes of the "Style" popup, in the frame's own table of commands.
    RibbonThemeCommands m_themeCommands;
    CommandBars m_commandBars;
    FrameSystemMenus m_systemMenus;
    std::unique_ptr<PanelDocTemplate> m_panelTemplate;
    std::unique_ptr<QObject> m_escapeFilter;
    std::unique_ptr<FrameDesktopHost> m_desktopHost;
    std::unique_ptr<MediatorDesktopModules> m_desktopModules;
    std::unique_ptr<DesktopSession> m_desktopSession;
};
