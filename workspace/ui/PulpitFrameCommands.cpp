// How the main frame routes commands (to the active window, its command targets and the
// providers' entries), keeps the ribbon's context with the active module window, handles its
// window messages and timers, and sets its menus.

#include "workspace/ui/PulpitFrame.h"

#include "core/mediator/AppMediator.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/ICloudModule.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "platform/ui/RegisteredMessages.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/WorkspaceCommandIds.h"

using namespace WorkspaceIds;

namespace
{
std::uint32_t UpdateRibbonMessage()
{
    return RegisteredMessages::Register(kUpdateRibbonMessageName);
}

std::uint32_t RefreshNotifyButtonsMessage()
{
    return RegisteredMessages::Register(kRefreshNotifyButtonsMessageName);
}
}

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
