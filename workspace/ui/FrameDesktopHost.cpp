#include "workspace/ui/FrameDesktopHost.h"

#include "core/mediator/AppMediator.h"
#include "core/mediator/IApplicationObject.h"
#include "platform/base/Log.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/Document.h"
#include "platform/ui/MessageBoxFlags.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "workspace/ui/PanelDocTemplate.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"

#include <QTimer>

namespace
{
QString CaptionOf(PanelFrame& panel)
{
    const Document* document = panel.GetActiveDocument();
    return document ? document->GetTitle() : panel.windowTitle();
}
}

FrameDesktopHost::FrameDesktopHost(PulpitFrame& frame)
    : m_frame(frame)
{
}

int FrameDesktopHost::GetScreensLimit() const
{
    return m_frame.GetScreensLimit();
}

std::vector<IDesktopHost::Screen> FrameDesktopHost::GetScreens() const
{
    std::vector<Screen> screens;
    for (PanelFrame* panel : m_frame.GetPanels())
        screens.push_back({panel->GetPanelView(), CaptionOf(*panel), false});
    return screens;
}

QWidget* FrameDesktopHost::GetActiveView() const
{
    const TabClientWnd* tabClient = m_frame.GetTabClient();
    const PanelFrame* panel = tabClient ? tabClient->GetActivePanel() : nullptr;
    return panel ? panel->GetPanelView() : nullptr;
}

std::vector<IDesktopHost::ModuleWindow> FrameDesktopHost::GetModuleWindows(QWidget* view) const
{
    std::vector<ModuleWindow> windows;
    if (const auto* panelView = qobject_cast<PanelView*>(view))
        for (ModuleWndBase* window : panelView->GetModuleWindows())
            windows.push_back({window, window->GetModule(), window->windowTitle(), window->geometry()});
    return windows;
}

std::optional<bool> FrameDesktopHost::IsRibbonMinimized() const
{
    if (!m_frame.GetRibbonsFactory())
        return std::nullopt;
    const QuorvantaRibbonBar* ribbon = m_frame.GetRibbonBar();
    return ribbon == nullptr || ribbon->IsRibbonMinimized();
}

void FrameDesktopHost::SetRibbonMinimized(bool minimized)
{
    if (QuorvantaRibbonBar* ribbon = m_frame.GetRibbonBar())
        ribbon->SetRibbonMinimized(minimized);
}

bool FrameDesktopHost::IsSessionLoaded() const
{
    return m_frame.IsSessionLoaded();
}

void FrameDesktopHost::SetSessionLoaded(bool loaded)
{
    m_frame.SetSessionLoaded(loaded);
}

bool FrameDesktopHost::IsHandOverInProgress() const
{
    const IApplicationObject* application = m_frame.GetApplication();
    return application && application->IsHandOverInProgress();
}

bool FrameDesktopHost::HasPanelArea() const
{
    return m_frame.GetTabClient() != nullptr;
}

void FrameDesktopHost::CloseAllPanels()
{
    m_frame.CloseAllPanels();
}

QWidget* FrameDesktopHost::OpenPanel(const QString& title)
{
    PanelFrame* panel = m_frame.GetPanelTemplate().OpenNew(false);
    if (!panel)
        return nullptr;
    if (Document* document = panel->GetActiveDocument())
        document->SetTitle(m_frame.GetTabClient()->GetWorkspace().MakeUniqueTabCaption(title, panel));
    panel->UpdateFrameTitle();
    return panel->GetPanelView();
}

QWidget* FrameDesktopHost::OpenVersionInfoPanel()
{
    // This edition shows the page in the user's browser, so the screen itself is not made.
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ShowVersionInfoPage();
    return nullptr;
}

void FrameDesktopHost::ArrangeRestoredWindows(QWidget* view, const std::vector<RestoredWindow>& windows)
{
    auto* panelView = qobject_cast<PanelView*>(view);
    if (!panelView)
        return;
    std::vector<PanelView::RestoredWindow> arranged;
    for (const RestoredWindow& restored : windows)
        if (auto* window = qobject_cast<ModuleWndBase*>(restored.window))
            arranged.push_back({window, restored.rect});
    panelView->ArrangeRestored(arranged);
}

void FrameDesktopHost::FitModuleWindows(QWidget* view)
{
    auto* panelView = qobject_cast<PanelView*>(view);
    if (PanelFrame* panel = PanelOf(view))
        panel->FitModuleWindows(*panelView);
}

void FrameDesktopHost::ShowPanels(const std::vector<QWidget*>& views, QWidget* active)
{
    for (QWidget* view : views)
        if (PanelFrame* panel = PanelOf(view))
            panel->ActivateFrame();
    if (PanelFrame* panel = PanelOf(active))
        panel->ActivateFrame();
    const auto* activeView = qobject_cast<PanelView*>(GetActiveView());
    if (!activeView || activeView->GetModuleWindows().empty())
        m_frame.ResetRibbonContext();
}

QWidget* FrameDesktopHost::CreateNewPanel()
{
    PanelFrame* panel = m_frame.OnNewScreen();
    return panel ? panel->GetPanelView() : nullptr;
}

void FrameDesktopHost::ShowMessage(const QString& text)
{
    // A message popup: the frame may be closing, and nothing here waits for the user.
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ShowError(QString(), text);
}

void FrameDesktopHost::ShowLoadProblem(const QString& text)
{
    // Once the loop runs again: the screens are on view then, and the load is not held up.
    QTimer::singleShot(0, &m_frame, [text] {
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->ShowMessageBox(QString(), text, MB_OK | MB_ICONWARNING);
    });
}

void FrameDesktopHost::ShowSaveProblem(const QString& text)
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ShowMessageBox(QString(), text, MB_OK | MB_ICONWARNING);
}

PanelFrame* FrameDesktopHost::PanelOf(QWidget* view)
{
    const auto* panelView = qobject_cast<PanelView*>(view);
    return panelView ? panelView->GetPanelFrame() : nullptr;
}
