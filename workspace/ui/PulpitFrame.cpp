#include "workspace/ui/PulpitFrame.h"

#include "core/engine/ConsumerManager.h"
#include "core/help/VersionInfoManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/ICloudModule.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/modules/KFLFasade.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/PaintManager.h"
#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "platform/ui/RegisteredMessages.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonToolTipsManagement.h"
#include "ribbon/themes/RibbonThemes.h"
#include "ribbon/themes/ThemeManager.h"
#include "workspace/engine/DesktopSession.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "workspace/engine/ScreenshotFileName.h"
#include "workspace/ui/FrameDesktopHost.h"
#include "workspace/ui/FrameEscapeFilter.h"
#include "workspace/ui/FrameAccelerators.h"
#include "workspace/ui/GuardedCall.h"
#include "workspace/ui/MainWindowPlacement.h"
#include "workspace/ui/MediatorDesktopModules.h"
#include "workspace/ui/PanelDocTemplate.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/ScreenshotWriter.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScreen>
#include <QShortcut>

using namespace WorkspaceIds;

namespace
{
const QString kOnCreate = QStringLiteral("PulpitFrame::OnCreate");
const QString kCleanResources = QStringLiteral("PulpitFrame::CleanResources");

QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}

void WriteFrameWarning(const QString& text, const char* where, int line)
{
    Log::WriteWarning(text, ProductName(), QString::fromLatin1(where), line);
}

// The frame's creation stops at a step that cannot be done; the log tells which.
bool CreationFailed(const QString& step)
{
    Log::WriteError(QStringLiteral("Nie utworzono okna głównego: %1").arg(step), ProductName(), kOnCreate, __LINE__);
    return false;
}

std::uint32_t UpdateRibbonMessage()
{
    return RegisteredMessages::Register(kUpdateRibbonMessageName);
}

std::uint32_t RefreshNotifyButtonsMessage()
{
    return RegisteredMessages::Register(kRefreshNotifyButtonsMessageName);
}
}

PulpitFrame::PulpitFrame(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators, CmdTargetMakers makers)
    : Wnd(this)
    , m_tabsCreators(std::move(tabsCreators))
    , m_cmdTargetMakers(std::move(makers))
    , m_applicationActive(QGuiApplication::applicationState() == Qt::ApplicationActive)
    , m_systemMenus(m_commandBars)
    , m_panelTemplate(std::make_unique<PanelDocTemplate>(this))
{
    setWindowTitle(ProductName());
    m_commandBars.SetCommandTarget(this);
    SetRibbonThemeFrame(this);

    OnCommand(ID_NEW_SCREEN, [this] { OnNewScreen(); });
    OnCommand(ID_NEW_SCREEN_MENU, [this] { OnNewScreen(); });
    for (const std::uint32_t id : {ID_NEW_SCREEN, ID_NEW_SCREEN_MENU})
        OnUpdate(id, [this](CmdUI& ui) { ui.Enable(CanAddScreen()); });
    OnCommand(ID_SCREENSHOT, [this] { OnScreenshot(); });
    m_panelTemplate->SetFrameHost([this](ChildFrame& frame) {
        auto* panel = static_cast<PanelFrame*>(&frame);
        // A panel knows how far it reaches from its making on, so windows restored into it
        // before it is first shown can be pulled within that reach.
        panel->OnGetMinMaxInfo(MaxTrackSize());
        if (m_tabClient)
            m_tabClient->AddItem(panel);
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { OnCommitDataRequest(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

PulpitFrame::~PulpitFrame()
{
    // The frame's widgets go after its own part: the application's signals must not reach it.
    disconnect(qApp, nullptr, this, nullptr);
    if (m_escapeFilter)
        qApp->removeEventFilter(m_escapeFilter.get());
    // The panels go with the frame's widgets, after this frame's own part is gone.
    for (PanelFrame* panel : findChildren<PanelFrame*>())
        panel->DetachMainFrame();
    m_commandBars.SetCommandTarget(nullptr);
    SetRibbonThemeFrame(nullptr);
    if (AppMediator* mediator = AppMediator::Instance(); mediator && mediator->GetMainFrame() == this)
        mediator->SetMainFrame(nullptr);
}

// Creation

bool PulpitFrame::LoadFrame()
{
    bool created = false;
    if (!GuardedCall::Run(kOnCreate, [this, &created] { created = OnCreate(); }))
        return false;
    return created;
}

bool PulpitFrame::OnCreate()
{
    m_tabClient = new TabClientWnd(this);
    setCentralWidget(m_tabClient);
    MakeCmdTargets();
    if (!CanCreate())
        return CreationFailed(QStringLiteral("wydanie programu nie pozwala go utworzyć."));
    m_statusBar.Create(*this);
    InstallRibbonThemeEx();
    if (!CreateRibbon())
        return CreationFailed(QStringLiteral("nie utworzono wstążki."));
    OnRibbonCreated(*m_ribbonsFactory);
    SetMainSystemMenu();
    AttachTabClient();
    m_tabClient->ShowNewWindowTab(true, ID_NEW_SCREEN);
    std::vector<ProviderBase*> providers;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetProviders(providers);
    m_statusBar.AddPanes(providers);
    if (AppMediator* mediator = AppMediator::Instance())
        setWindowTitle(mediator->GetProductName());
    ShowWorkspaceTabs();
    InstallShortcuts();
    QuickAddInstrumentDlg::GetInstance().ForwardWheelFrom(this);
    SetTimer(kProgressTimerId, kProgressTimerMs);
    SetTimer(kStatusBarTimerId, kStatusBarTimerMs);
    SetTimer(kAppNewsTimerId, kAppNewsTimerMs);
    return true;
}

void PulpitFrame::MakeCmdTargets()
{
    const std::pair<const CmdTargetMaker*, const char*> makers[] = {
        {&m_cmdTargetMakers.general, "ogólnych"},
        {&m_cmdTargetMakers.alerts, "alertów"},
        {&m_cmdTargetMakers.ordersSheet, "arkusza zleceń"},
        {&m_cmdTargetMakers.sessionStatistics, "statystyki sesji"},
        {&m_cmdTargetMakers.formations, "narzędzi rysunkowych"},
        {&m_cmdTargetMakers.formulaLanguage, "języka formuł"},
    };
    QStringList missing;
    for (const auto& [maker, name] : makers)
    {
        std::shared_ptr<CmdTarget> target = *maker ? (*maker)(*this) : nullptr;
        if (target)
            m_cmdTargets.push_back(std::move(target));
        else
            missing.append(QString::fromUtf8(name));
    }
    if (!missing.isEmpty())
        Log::WriteInfo(QStringLiteral("Okno główne nie ma poleceń: %1.").arg(missing.join(QStringLiteral(", "))),
                       ProductName(), kOnCreate, __LINE__);
}

bool PulpitFrame::CreateRibbon()
{
    m_ribbonsFactory = std::make_shared<RibbonsFactory>(*this, m_tabsCreators);
    m_toolTips = std::make_shared<RibbonToolTipsManagement>();
    // The control builders reach the frame's ribbon and tooltips through these while the tabs are made.
    SetGlobalRibbonsFactory(m_ribbonsFactory);
    SetGlobalRibbonToolTipsManagement(m_toolTips);
    if (!m_ribbonsFactory->CreateRibbon())
        return false;
    setMenuWidget(new RibbonBarView(*m_ribbonsFactory->GetRibbonBar(), this));
    ApplyRibbonTheme(GetCurrentRibbonThemeIndex());
    return true;
}

void PulpitFrame::AttachTabClient()
{
    m_tabClient->Attach(this);
    m_tabClient->SetFlags(kTabClientFlags);
    connect(m_tabClient, &TabClientWnd::itemActivated, this, &PulpitFrame::OnItemActivated);
    // Without global settings the tabs stand at the top, as the installed settings have them.
    AppMediator* mediator = AppMediator::Instance();
    const auto* globals = mediator ? dynamic_cast<const GlobalSettingsQ4Classic*>(mediator->GetGlobalSettingsObject()) : nullptr;
    m_tabClient->SetTabPosition(globals ? static_cast<int>(globals->GetPulpitTabPosition()) : 0);
}

void PulpitFrame::InstallShortcuts()
{
    auto* alt1 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_1), this);
    alt1->setContext(Qt::ApplicationShortcut);
    connect(alt1, &QShortcut::activated, this, [this] { PostFrameCommand(ID_ALT_1); });
    FrameAccelerators::Install(*this, *this, [this](std::uint32_t id) { PostFrameCommand(id); });
    InstallWindowShortcuts();
    m_escapeFilter = std::make_unique<FrameEscapeFilter>(GetSafeHwnd(), ID_ESCAPE);
    qApp->installEventFilter(m_escapeFilter.get());
}

void PulpitFrame::ShowFrame()
{
    RestoreWindowPosition();
}

void PulpitFrame::ActivateFrame()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool PulpitFrame::IsExtendedMode() const
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator && mediator->IsExtendedMode();
}

IStyleEditModeHandler* PulpitFrame::GetStyleEditModeHandler() const
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetStyleEditModeHandler() : nullptr;
}

IApplicationObject* PulpitFrame::GetApplication() const
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetApplicationObject() : nullptr;
}

QString PulpitFrame::GetStyleFolder() const
{
    return AppPaths::StyleFolder();
}

// The session

void PulpitFrame::StartSession()
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetConsumerManager()->NotifyFrameStarted(this);
    LoadLastSession();
}

void PulpitFrame::LoadLastSession()
{
    if (m_sessionLoaded)
        return;
    if (DesktopSession* desktop = GetDesktopSession())
        desktop->LoadLastSession();
    else
    {
        OnNewScreen();
        SetSessionLoaded(true);
    }
    RedrawModuleWindows();
    if (QuorvantaRibbonBar* ribbon = GetRibbonBar())
        ribbon->SetCurrentTab(ribbon->GetSelectedTab());
    AppMediator* mediator = AppMediator::Instance();
    if (!mediator || !mediator->IsProgramVersionChanged())
        return;
    if (VersionInfoManager::Instance().IsShownInPanel())
        ActivateVersionInfoPanel();
    else
        mediator->ShowVersionInfoPage();
}

void PulpitFrame::ActivateVersionInfoPanel()
{
    for (PanelFrame* panel : GetPanels())
        if (panel->IsVersionInfoPanel())
        {
            panel->ActivateFrame();
            return;
        }
}

bool PulpitFrame::IsVersionInfoPanelActive() const
{
    const PanelFrame* panel = m_tabClient ? m_tabClient->GetActivePanel() : nullptr;
    return panel && panel->IsVersionInfoPanel();
}

int PulpitFrame::LoadSession(const QString& path)
{
    DesktopSession* desktop = GetDesktopSession();
    return desktop && desktop->LoadSession(path) ? 1 : 0;
}

bool PulpitFrame::SaveLastSession()
{
    DesktopSession* desktop = GetDesktopSession();
    return desktop && desktop->SaveLastSession();
}

bool PulpitFrame::SaveCurrentSession(const QString& path, bool)
{
    DesktopSession* desktop = GetDesktopSession();
    return desktop && desktop->SaveCurrentSession(path);
}

bool PulpitFrame::SaveDesktopToQ5Format(const QString& path)
{
    DesktopSession* desktop = GetDesktopSession();
    return desktop && desktop->SaveDesktopToQ5Format(path);
}

DesktopSession* PulpitFrame::GetDesktopSession()
{
    if (m_desktopSession)
        return m_desktopSession.get();
    AppMediator* mediator = AppMediator::Instance();
    if (!mediator)
    {
        WriteFrameWarning(QStringLiteral("Pulpit nie jest dostępny: program działa bez pośrednika modułów."),
                          "PulpitFrame::GetDesktopSession", __LINE__);
        return nullptr;
    }
    m_desktopHost = std::make_unique<FrameDesktopHost>(*this);
    m_desktopModules = std::make_unique<MediatorDesktopModules>(*mediator);
    m_desktopSession = std::make_unique<DesktopSession>(*m_desktopHost, *m_desktopModules, AppPaths::AppDataFolder());
    return m_desktopSession.get();
}

void PulpitFrame::SaveWindowPosition()
{
    MainWindowPlacement::Save(*this);
}

void PulpitFrame::RestoreWindowPosition()
{
    MainWindowPlacement::Restore(*this, QSize(kDefaultWidth, kDefaultHeight));
}

void PulpitFrame::SetSessionLoaded(bool loaded)
{
    m_sessionLoaded = loaded;
    if (AppMediator* mediator = AppMediator::Instance(); mediator && mediator->GetMainFrame() == this)
        mediator->SetMainFrameReady(loaded);
}

// Command routing

bool PulpitFrame::OnCmdMsg(std::uint32_t id, int code, void* extra)
{
    if (code == kCommandCode && !m_closing
        && (extra ? m_systemMenus.GetProviderEntries().Contains(id) : OnProviderEntry(id)))
        return true;
    if (m_closing)
        return FrameworkCmdMsg(id, code, extra);
    // While a style is edited, its target alone stands for the windows.
    const IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    if (CmdTarget* edited = handler ? handler->GetEditedCmdTarget() : nullptr)
    {
        if (edited->OnCmdMsg(id, code, extra))
            return true;
    }
    else if (CmdTarget* windowTarget = m_activeModuleWnd ? m_activeModuleWnd->GetCmdTarger() : nullptr)
    {
        if (windowTarget->OnCmdMsg(id, code, extra))
            return true;
    }
    for (const std::shared_ptr<CmdTarget>& target : m_cmdTargets)
    {
        if (target->OnCmdMsg(id, code, extra))
            return true;
    }
    if (code == kUpdateCode && extra && m_systemMenus.GetProviderEntries().Contains(id))
    {
        static_cast<CmdUI*>(extra)->Enable(true);
        return true;
    }
    return FrameworkCmdMsg(id, code, extra);
}

bool PulpitFrame::FrameworkCmdMsg(std::uint32_t id, int code, void* extra)
{
    if (PanelFrame* panel = m_tabClient ? m_tabClient->GetActivePanel() : nullptr)
    {
        if (panel->OnCmdMsg(id, code, extra))
            return true;
        if (PanelView* view = panel->GetPanelView(); view && view->OnCmdMsg(id, code, extra))
            return true;
    }
    if (CmdTarget::OnCmdMsg(id, code, extra) || m_themeCommands.OnCmdMsg(id, code, extra))
        return true;
    IApplicationObject* application = GetApplication();
    return application && application->GetAppCmdTarget().OnCmdMsg(id, code, extra);
}

bool PulpitFrame::OnProviderEntry(std::uint32_t id)
{
    const ProviderMenuEntries::ConfigureResult result = m_systemMenus.GetProviderEntries().Configure(id, this);
    if (result == ProviderMenuEntries::ConfigureResult::Reload)
    {
        SaveLastSession();
        SetSessionLoaded(false);
        LoadLastSession();
    }
    return result != ProviderMenuEntries::ConfigureResult::NoEntry;
}

void PulpitFrame::UpdateRibbonContext(const ::UpdateRibbonContext& context)
{
    const IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    if (m_closing || !m_ribbonsFactory || (handler && handler->IsInEditMode()))
        return;
    if (AppMediator* mediator = AppMediator::Instance(); mediator && !mediator->GetApplicationState().RibbonUpdateAlgorithmAllowed)
        return;
    ::UpdateRibbonContext applied = context;
    if (!applied.IsJustChangeTabSelectionRequest() && m_activeModuleWnd && m_activeModuleWnd->IsContextRibbonAvailable())
    {
        if (applied.Module() == nullptr)
            applied.SetModule(m_activeModuleWnd->GetModule());
        applied.SetContextText(m_activeModuleWnd->GetRibbonCaptionString());
    }
    m_ribbonsFactory->UpdateRibbonContext(applied);
}

void PulpitFrame::UpdateContextCaption()
{
    const IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    if (m_closing || !m_ribbonsFactory || (handler && handler->IsInEditMode()) || !m_activeModuleWnd)
        return;
    m_ribbonsFactory->UpdateContextCaption(m_activeModuleWnd->GetModule(), m_activeModuleWnd->GetRibbonCaptionString());
}

ModuleWndBase* PulpitFrame::GetActiveModuleWnd()
{
    return m_activeModuleWnd.data();
}

void PulpitFrame::OnModuleWndActivate(bool activate, ModuleWndBase* window, bool preserveTabContext)
{
    AppMediator* mediator = AppMediator::Instance();
    if (activate && m_sessionLoaded && mediator)
    {
        TableConsumer* tables = mediator->GetConsumerManager()->GetTableConsumer();
        if (tables && !tables->IsPtrTableWindow(window))
            tables->ShowConfigTypeFieldsWnd(false);
    }
    if (m_closing || window == nullptr)
        return;
    if (activate)
    {
        const IApplicationObject* application = GetApplication();
        if (!m_sessionLoaded || !m_applicationActive || !application || !application->GetActivePanelView())
            return;
        m_activeModuleWnd = window;
        ::UpdateRibbonContext context(window->IsContextRibbonAvailable() ? window->GetModule() : nullptr);
        context.SetPreseveRibbonTabContext(preserveTabContext);
        UpdateRibbonContext(context);
        UpdateModuleWindowFrames();
        return;
    }
    if (window != m_activeModuleWnd)
        return;
    m_activeModuleWnd = nullptr;
    ::UpdateRibbonContext context(nullptr);
    context.SetPreseveRibbonTabContext(preserveTabContext);
    UpdateRibbonContext(context);
    UpdateModuleWindowFrames();
}

void PulpitFrame::ResetRibbonContext()
{
    m_activeModuleWnd = nullptr;
    UpdateRibbonContext(::UpdateRibbonContext(nullptr));
    UpdateModuleWindowFrames();
}

void PulpitFrame::OnActivateApp(bool active)
{
    if (m_closing)
        return;
    const bool wasActive = m_applicationActive;
    m_applicationActive = active;
    if (!active || wasActive)
        return;
    if (m_activeModuleWnd)
        m_activeModuleWnd->ForceActivate();
    else
        UpdateRibbonContext(::UpdateRibbonContext(nullptr));
}

void PulpitFrame::OnFocusChanged(QWidget* now)
{
    // The focus entering a module window of a panel (a click on one of its controls) makes it
    // the active one, as a click on the window itself does.
    ModuleWndBase* window = ModuleWndBase::Of(now);
    if (m_closing || window == nullptr || window == m_activeModuleWnd || !qobject_cast<PanelView*>(window->parentWidget()))
        return;
    window->ForceActivate();
}

// Messages

LResult PulpitFrame::WindowProc(const WindowMessage& message)
{
    if (m_closing)
        return Wnd::WindowProc(message);
    AppMediator* mediator = AppMediator::Instance();
    // The alert module's re-bound alerts and the cloud link's messages come back here, on the
    // main thread, before the frame's own.
    if (IInProcessAlertModule* alerts = mediator ? mediator->GetAlertModule() : nullptr;
        alerts && alerts->ProcessChangeRequests(message.message))
        return 0;
    if (ICloudModule* cloud = mediator ? mediator->GetCloudModule() : nullptr;
        cloud && cloud->PreTranslateMessage(message.message, message.wParam, message.lParam))
        return 0;
    switch (message.message)
    {
    case WM_APP_PROGRESS:
        if (message.lParam == 1)
        {
            ShowProgress(true);
            SetProgressPosition(static_cast<int>(message.wParam));
        }
        else
            ResetProgress();
        return 0;
    case WM_APP_LAST_QUOTE_TIME:
        if (message.wParam != 0)
            ShowLastQuoteTime(reinterpret_cast<ProviderBase*>(message.wParam));
        return 0;
    case WM_APP_STATUS_BAR_PANE:
        if (message.wParam != 0)
            ShowStatusBarPane(static_cast<std::uint32_t>(message.wParam), message.lParam != 0);
        return 0;
    case WM_APP_QUICK_ADD_LIST_CHANGED:
        if (TableConsumer* tables = mediator ? mediator->GetConsumerManager()->GetTableConsumer() : nullptr;
            tables && m_sessionLoaded)
            tables->Refresh();
        return 0;
    case WM_APP_SHOW_QUEUED_MESSAGES:
        if (mediator)
            mediator->ShowQueuedMessages();
        return 0;
    case RibbonIds::CreateControlMessage:
        return message.lParam != 0 && OnCreateControl(*reinterpret_cast<RibbonCreateControlRequest*>(message.lParam)) ? 1 : 0;
    default:
        break;
    }
    if (message.message == UpdateRibbonMessage())
    {
        UpdateRibbonContext(::UpdateRibbonContext(nullptr));
        return 0;
    }
    if (message.message == RefreshNotifyButtonsMessage())
    {
        RepaintStatusBar();
        return 0;
    }
    return Wnd::WindowProc(message);
}

void PulpitFrame::OnTimer(std::uint32_t id)
{
    switch (id)
    {
    case kProgressTimerId:
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->ManageProgress();
        break;
    case kStatusBarTimerId:
        RepaintStatusBar();
        break;
    case kAppNewsTimerId:
        KillTimer(kAppNewsTimerId);
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->RunAppNewsProgram();
        break;
    default:
        break;
    }
}

void PulpitFrame::PostFrameCommand(std::uint32_t commandId)
{
    PostMessage(WM_COMMAND, MakeCommandWParam(commandId), 0);
}

bool PulpitFrame::OnCreateControl(RibbonCreateControlRequest& request)
{
    std::vector<ProviderBase*> providers;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetProviders(providers);
    if (m_systemMenus.CreateControl(request.id, providers, request.control))
        return true;
    return m_ribbonsFactory && m_ribbonsFactory->DispatchToTabCreators(&request);
}

// Menus

void PulpitFrame::DetachMainMenu()
{
    m_systemMenus.LoadMainMenu();
}

void PulpitFrame::SetMainSystemMenu()
{
    DetachMainMenu();
    std::vector<ProviderBase*> providers;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetProviders(providers);
    if (QuorvantaRibbonBar* ribbon = GetRibbonBar())
        ribbon->SetSystemMenu(m_systemMenus.BuildMainSystemMenu(providers));
}

void PulpitFrame::SetStyleEditSystemMenu()
{
    if (QuorvantaRibbonBar* ribbon = GetRibbonBar())
        ribbon->SetSystemMenu(m_systemMenus.GetStyleEditSystemMenu());
}

void PulpitFrame::CloseRibbonPopups()
{
    if (QuorvantaRibbonBar* ribbon = GetRibbonBar())
        ribbon->ClosePopups();
}

// Theme

bool PulpitFrame::LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName)
{
    if (!ThemeManager::Instance().LoadTheme(themeName, iniName, normalIniName))
        return false;
    UpdateEditedWindowLayout();
    if (AppMediator* mediator = AppMediator::Instance())
    {
        mediator->GetConsumerManager()->NotifyThemeChanged();
        if (ISessionStatisticsModule* statistics = mediator->GetSessionStatisticsInterface())
            statistics->RestoreDefaults();
    }
    RedrawModuleWindows();
    return true;
}

ColorRef PulpitFrame::GetXtremeColor(int index)
{
    return ColorRef::FromQColor(PaintManager::Instance().GetXtremeColor(index)).value_or(ColorRef());
}

// Status bar

void PulpitFrame::ShowProgress(bool show)
{
    m_statusBar.ShowProgress(show);
}

void PulpitFrame::SetProgressPosition(int percent)
{
    m_statusBar.SetProgressPosition(percent);
}

void PulpitFrame::ResetProgress()
{
    m_statusBar.ResetProgress();
}

void PulpitFrame::ShowLastQuoteTime(ProviderBase* provider)
{
    m_statusBar.ShowLastQuoteTime(provider);
}

void PulpitFrame::ShowStatusBarPane(std::uint32_t key, bool show)
{
    m_statusBar.ShowPane(key, show);
}

void PulpitFrame::RepaintStatusBar()
{
    m_statusBar.Repaint();
}

// Closing

void PulpitFrame::closeEvent(QCloseEvent* event)
{
    if (!m_resourcesCleaned)
    {
        KillTimer(kProgressTimerId);
        KillTimer(kStatusBarTimerId);
        KillTimer(kAppNewsTimerId);
        if (AppMediator* mediator = AppMediator::Instance(); mediator && mediator->GetMainFrame() == this)
            mediator->SetMainFrame(nullptr);
        CleanResources(true);
    }
    event->accept();
}

void PulpitFrame::CleanResources(bool save)
{
    if (m_resourcesCleaned)
        return;
    m_closing = true;
    AppMediator* mediator = AppMediator::Instance();
    const auto step = [](const std::function<void()>& action) { GuardedCall::Run(kCleanResources, action); };
    if (mediator)
    {
        step([mediator] {
            if (TableConsumer* tables = mediator->GetConsumerManager()->GetTableConsumer())
                tables->RefreshCurrTableAfterFieldsEdition();
        });
        step([mediator] { mediator->ReleaseMessagePopupManager(); });
    }
    step([this] { BeforeCleanResources(); });
    step([this] {
        if (IStyleEditModeHandler* handler = GetStyleEditModeHandler())
            handler->LeaveEditStyleMode();
    });
    if (mediator)
        step([mediator] { mediator->StopPlugins(); });
    if (save)
    {
        step([this] { SaveLastSession(); });
        step([this] { SaveWindowPosition(); });
    }
    if (mediator)
    {
        step([mediator] { mediator->ShutDownPlugins(); });
        step([mediator] {
            if (ICloudModule* cloud = mediator->GetCloudModule())
                cloud->ReleaseHttpThread();
        });
        step([mediator] { mediator->ReleaseModules(); });
        step([mediator] {
            if (KFLFasade* formula = mediator->GetFormulaLanguage())
                formula->CleanupKFLLibrary();
        });
    }
    m_systemMenus.GetProviderEntries().Clear();
    m_resourcesCleaned = true;
}

void PulpitFrame::OnCommitDataRequest()
{
    // The desktop session is about to end, but the user may still cancel its end: the program
    // keeps working and only its session is saved now.
    if (m_closing)
        return;
    SaveLastSession();
    SaveWindowPosition();
}

void PulpitFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    UpdateEditedWindowLayout();
}

void PulpitFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    UpdateEditedWindowLayout();
}

void PulpitFrame::UpdateEditedWindowLayout()
{
    IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    if (handler && handler->IsInEditMode())
        handler->UpdateEditedWindowLayout();
}

QuorvantaRibbonBar* PulpitFrame::GetRibbonBar() const
{
    return m_ribbonsFactory ? m_ribbonsFactory->GetRibbonBar() : nullptr;
}

// Screens

std::vector<PanelFrame*> PulpitFrame::GetPanels() const
{
    return m_tabClient ? m_tabClient->GetPanels() : std::vector<PanelFrame*>();
}

PanelFrame* PulpitFrame::OnNewScreen()
{
    // A closing program opens no screens.
    if (m_closing)
        return nullptr;
    // A screen beyond the edition's limit could be neither closed nor kept in a desktop.
    if (!CanAddScreen())
    {
        Log::WriteInfo(
            QStringLiteral("Nie otwarto nowego ekranu: program nie otwiera więcej ekranów niż %1.").arg(GetScreensLimit()),
            ProductName(), QStringLiteral("PulpitFrame::OnNewScreen"), __LINE__);
        return nullptr;
    }
    PanelFrame* panel = m_panelTemplate->OpenNew(true);
    if (panel)
        SetPanelTitle(*panel);
    return panel;
}

bool PulpitFrame::CanAddScreen() const
{
    return !m_tabClient || m_tabClient->CanAddScreen();
}

void PulpitFrame::OnItemActivated(PanelFrame* activated, PanelFrame* deactivated)
{
    if (deactivated)
        deactivated->OnMdiActivate(false);
    if (activated)
    {
        activated->OnGetMinMaxInfo(MaxTrackSize());
        activated->OnMdiActivate(true);
    }
}

QSize PulpitFrame::MaxTrackSize() const
{
    const QScreen* screen = this->screen();
    return screen ? screen->availableSize() : size();
}

void PulpitFrame::OnBeforePanelDestroyed()
{
    if (IStyleEditModeHandler* handler = GetStyleEditModeHandler())
        handler->LeaveEditStyleMode();
}

void PulpitFrame::CloseAllPanels()
{
    if (IApplicationObject* application = GetApplication())
    {
        application->SetActivePanelView(nullptr);
        application->SetCurrentPanelView(nullptr);
    }
    m_activeModuleWnd = nullptr;
    for (PanelFrame* panel : GetPanels())
        delete panel;
}

void PulpitFrame::SetPanelCloseButtons()
{
    if (!m_tabClient || m_closing)
        return;
    const std::uint32_t flags = m_tabClient->GetFlags();
    m_tabClient->SetFlags(GetScreensLimit() < 2 ? kNoCloseButtonFlag : flags & ~kNoCloseButtonFlag);
}

void PulpitFrame::UpdateFrameTitles()
{
    if (m_tabClient)
        m_tabClient->UpdateFrameTitles();
    // The windows' frames hide while a style is edited and come back after.
    UpdateModuleWindowFrames();
}

void PulpitFrame::SetPulpitTabPosition(int position)
{
    if (m_tabClient && m_tabClient->GetTabPosition() != position)
        m_tabClient->SetTabPosition(position);
}

QWidget* PulpitFrame::FindPanelViewByName(const QString& name)
{
    return m_tabClient ? m_tabClient->FindPanelViewByName(name) : nullptr;
}

QRect PulpitFrame::GetMdiClientScreenRect()
{
    return m_tabClient ? m_tabClient->GetClientScreenRect() : QRect(mapToGlobal(QPoint(0, 0)), size());
}

void PulpitFrame::RedrawModuleWindows()
{
    if (!m_tabClient)
        return;
    for (ModuleWndBase* window : m_tabClient->GetModuleWindows(true))
        window->RedrawAfterLayoutMayChanged();
}

// Print mode

void PulpitFrame::EnterPrintMode(const QSize& dialogMinimalSize)
{
    m_printMode = true;
    if (QuorvantaRibbonBar* ribbon = GetRibbonBar())
        ribbon->SetLocked(true);
    IApplicationObject* application = GetApplication();
    QWidget* view = application ? application->GetCurrentPanelView() : nullptr;
    if (view)
    {
        for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->setEnabled(false);
    }
    if (m_tabClient)
        m_tabClient->EnableWorkspaces(false);
    const QSize around = view ? size() - view->size() : QSize();
    m_printMinimumSize = dialogMinimalSize + around;
    setMinimumSize(m_printMinimumSize);
    if (width() < m_printMinimumSize.width() || height() < m_printMinimumSize.height())
        resize(size().expandedTo(m_printMinimumSize));
}

void PulpitFrame::LeavePrintMode()
{
    m_printMode = false;
    if (QuorvantaRibbonBar* ribbon = GetRibbonBar())
        ribbon->SetLocked(false);
    IApplicationObject* application = GetApplication();
    if (QWidget* view = application ? application->GetCurrentPanelView() : nullptr)
    {
        for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->setEnabled(true);
    }
    if (m_tabClient)
        m_tabClient->EnableWorkspaces(true);
    setMinimumSize(0, 0);
}

// Screenshot

QString PulpitFrame::OnScreenshot()
{
    AppMediator* mediator = AppMediator::Instance();
    const QString documents = mediator ? mediator->GetUserDocumentsFolder() : AppPaths::DocumentsFolder();
    QString reason;
    const QString path = ScreenshotWriter::Write(*this, QDir(documents).filePath(ScreenshotFileName::kFolderName),
                                                 NDateTime::Now(), &reason);
    if (path.isEmpty())
        WriteFrameWarning(QStringLiteral("Nie zapisano zrzutu ekranu: %1.").arg(reason), "PulpitFrame::OnScreenshot", __LINE__);
    return path;
}
