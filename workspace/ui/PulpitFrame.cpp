#include "workspace/ui/PulpitFrame.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/ICloudModule.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/NDateTime.h"
#include "platform/modules/ProviderBase.h"
#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/StatusBarPane.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonToolTipsManagement.h"
#include "ribbon/statusbar/QuorvantaStatusBar.h"
#include "ribbon/themes/RibbonThemes.h"
#include "ribbon/themes/ThemeManager.h"

#include <QCloseEvent>

namespace
{
QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}
}

PulpitFrame::PulpitFrame(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators)
    : Wnd(this)
    , m_tabsCreators(std::move(tabsCreators))
{
    setWindowTitle(ProductName());
    m_commandBars.SetCommandTarget(&m_themeCommands);
    SetRibbonThemeFrame(this);
}

// The ribbon view is a child widget and dies after the members; it then shows nothing.
PulpitFrame::~PulpitFrame()
{
    SetRibbonThemeFrame(nullptr);
    if (AppMediator* mediator = AppMediator::Instance(); mediator && mediator->GetMainFrame() == this)
        mediator->SetMainFrame(nullptr);
}

bool PulpitFrame::LoadFrame()
{
    setCentralWidget(new QWidget(this));
    if (!CreateRibbon())
        return false;
    CreateStatusBar();
    SetTimer(kProgressTimerId, kProgressTimerMs);
    return true;
}

bool PulpitFrame::CreateRibbon()
{
    m_ribbonsFactory = std::make_shared<RibbonsFactory>(*this, m_tabsCreators);
    m_toolTips = std::make_shared<RibbonToolTipsManagement>();
    // The control builders reach the frame's ribbon and tooltips through these while the tabs are made.
    SetGlobalRibbonsFactory(m_ribbonsFactory);
    SetGlobalRibbonToolTipsManagement(m_toolTips);
    if (!m_ribbonsFactory->CreateRibbon())
    {
        Log::WriteError(QStringLiteral("Nie udało się utworzyć wstążki."), ProductName(),
                        QStringLiteral("PulpitFrame::CreateRibbon"), __LINE__);
        return false;
    }
    setMenuWidget(new RibbonBarView(*m_ribbonsFactory->GetRibbonBar(), this));
    ApplyRibbonTheme(GetCurrentRibbonThemeIndex());
    return true;
}

void PulpitFrame::CreateStatusBar()
{
    m_statusBar = new QuorvantaStatusBar(this);
    m_statusBar->AddIndicator(StatusBarBase::kSeparatorId);
    m_statusBar->AddInfoPane();
    m_statusBar->AddProgressPane();
    setStatusBar(m_statusBar);
    ResetProgress();
}

void PulpitFrame::ShowFrame()
{
    resize(1280, 800);
    show();
}

void PulpitFrame::StartSession()
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetConsumerManager()->NotifyFrameStarted(this);
    Log::WriteInfo(QStringLiteral("Okno główne nie ma jeszcze paneli: ostatnia sesja nie jest wczytywana."),
                   ProductName(), QStringLiteral("PulpitFrame::StartSession"), __LINE__);
}

void PulpitFrame::ActivateFrame()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

int PulpitFrame::LoadSession(const QString& path)
{
    Log::WriteWarning(QStringLiteral("Nie wczytano pulpitu \"%1\": okno główne nie ma jeszcze paneli.").arg(path),
                      ProductName(), QStringLiteral("PulpitFrame::LoadSession"), __LINE__);
    return 0;
}

QRect PulpitFrame::GetMdiClientScreenRect()
{
    const QWidget* client = centralWidget() ? centralWidget() : this;
    return QRect(client->mapToGlobal(QPoint(0, 0)), client->size());
}

void PulpitFrame::ShowProgress(bool show)
{
    if (StatusBarPane* pane = m_statusBar ? m_statusBar->FindPane(QuorvantaStatusBar::ID_INDICATOR_PROGRESS) : nullptr)
        pane->setVisible(show);
}

void PulpitFrame::SetProgressPosition(int percent)
{
    if (m_statusBar)
        m_statusBar->SetProgressPos(percent);
}

void PulpitFrame::ResetProgress()
{
    SetProgressPosition(0);
    ShowProgress(false);
}

void PulpitFrame::ShowLastQuoteTime(ProviderBase* provider)
{
    NDateTime time;
    if (m_statusBar && provider)
        m_statusBar->SetInfoText(provider->GetLastTime(time) ? time.FormatTime() : QString());
}

bool PulpitFrame::IsExtendedMode() const
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator && mediator->IsExtendedMode();
}

bool PulpitFrame::LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName)
{
    return ThemeManager::Instance().LoadTheme(themeName, iniName, normalIniName);
}

LResult PulpitFrame::WindowProc(const WindowMessage& message)
{
    AppMediator* mediator = AppMediator::Instance();
    switch (message.message)
    {
    case WM_APP_SHOW_QUEUED_MESSAGES:
        if (mediator && !m_closed)
            mediator->ShowQueuedMessages();
        return 0;
    case WM_APP_PROGRESS:
        if (message.lParam != 0)
        {
            ShowProgress(true);
            SetProgressPosition(static_cast<int>(message.wParam));
        }
        else
            ResetProgress();
        return 0;
    case WM_APP_LAST_QUOTE_TIME:
        if (!m_closed)
            ShowLastQuoteTime(reinterpret_cast<ProviderBase*>(message.wParam));
        return 0;
    default:
        return Wnd::WindowProc(message);
    }
}

void PulpitFrame::OnTimer(std::uint32_t id)
{
    if (id != kProgressTimerId)
        return;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ManageProgress();
}

void PulpitFrame::closeEvent(QCloseEvent* event)
{
    AppMediator* mediator = AppMediator::Instance();
    if (!m_closed && mediator)
    {
        m_closed = true;
        KillTimer(kProgressTimerId);
        // Providers first, so that no quote reaches a module library that has stopped.
        mediator->StopPlugins();
        mediator->ShutDownPlugins();
        if (ICloudModule* cloud = mediator->GetCloudModule())
            cloud->ReleaseHttpThread();
        mediator->ReleaseModules();
        mediator->ReleaseMessagePopupManager();
    }
    event->accept();
}
