// The main frame's side of the desktop: starting the session, loading and saving the last or a
// named desktop through its desktop session, and keeping the frame's own placement.

#include "workspace/ui/PulpitFrame.h"

#include "core/help/VersionInfoManager.h"
#include "core/mediator/AppMediator.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "workspace/engine/DesktopSession.h"
#include "workspace/ui/FrameDesktopHost.h"
#include "workspace/ui/MainWindowPlacement.h"
#include "workspace/ui/MediatorDesktopModules.h"
#include "workspace/ui/PanelFrame.h"

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
        Log::WriteWarning(QStringLiteral("Pulpit nie jest dostępny: program działa bez pośrednika modułów."),
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("PulpitFrame::GetDesktopSession"),
                          __LINE__);
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
