#include "workspace/ui/PulpitFrame.h"

#include "core/mediator/AppMediator.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/ICloudModule.h"
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
#include "platform/ui/RegisteredMessages.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonToolTipsManagement.h"
#include "ribbon/themes/RibbonThemes.h"
#include "ribbon/themes/ThemeManager.h"
#include "workspace/engine/DesktopSession.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "workspace/ui/FrameEscapeFilter.h"
#include "workspace/ui/FrameAccelerators.h"
#include "workspace/ui/FrameDesktopHost.h"
#include "workspace/ui/GuardedCall.h"
#include "workspace/ui/MediatorDesktopModules.h"
#include "workspace/ui/PanelDocTemplate.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QApplication>
#include <QCloseEvent>
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

// The frame's creation stops at a step that cannot be done; the log tells which.
bool CreationFailed(const QString& step)
{
    Log::WriteError(QStringLiteral("Nie utworzono okna głównego: %1").arg(step), ProductName(), kOnCreate, __LINE__);
    return false;
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
