// The main frame's handling of the module windows the user arranges: showing one, closing the
// active one, cycling through a screen's windows, their frames and the windows gallery.

#include "workspace/ui/PulpitFrame.h"

#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/ModuleWndBase.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/WindowsGalleryHelper.h"

#include <QShortcut>

void PulpitFrame::InstallWindowShortcuts()
{
    const auto add = [this](const QKeySequence& keys, const std::function<void()>& action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { CloseActiveModuleWnd(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { CycleModuleWnds(false); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { CycleModuleWnds(true); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { CycleModuleWnds(true); });
}

PanelView* PulpitFrame::GetActivePanelView() const
{
    IApplicationObject* application = GetApplication();
    if (auto* view = application ? qobject_cast<PanelView*>(application->GetActivePanelView()) : nullptr)
        return view;
    const TabClientWnd* tabClient = GetTabClient();
    const PanelFrame* panel = tabClient ? tabClient->GetActivePanel() : nullptr;
    return panel ? panel->GetPanelView() : nullptr;
}

bool PulpitFrame::CloseActiveModuleWnd()
{
    const IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    ModuleWndBase* window = GetActiveModuleWnd();
    if (m_closing || (handler && handler->IsInEditMode()) || !window || window->isHidden() ||
        !window->CanBeCloseOnCommand())
        return false;
    auto* view = qobject_cast<PanelView*>(window->parentWidget());
    return view ? view->CloseWindow(*window) : window->close();
}

bool PulpitFrame::CycleModuleWnds(bool backwards)
{
    const IStyleEditModeHandler* handler = GetStyleEditModeHandler();
    PanelView* view = GetActivePanelView();
    if (m_closing || (handler && handler->IsInEditMode()) || !view)
        return false;
    return view->CycleWindows(backwards);
}

void PulpitFrame::UpdateModuleWindowFrames()
{
    if (!m_tabClient)
        return;
    for (PanelFrame* panel : GetPanels())
        if (PanelView* view = panel->GetPanelView())
            view->UpdateFrames();
}

void PulpitFrame::ShowModuleWnd(ModuleWndBase& window)
{
    auto* view = qobject_cast<PanelView*>(window.parentWidget());
    PanelFrame* panel = view ? view->GetPanelFrame() : nullptr;
    if (panel)
        panel->ActivateFrame();
    window.show();
    if (view && !view->rect().intersects(window.geometry()))
        window.move(kShownWindowPosition, kShownWindowPosition);
    window.raise();
    window.setFocus(Qt::OtherFocusReason);
    window.update();
}

std::shared_ptr<IDynamicGalleryHelper> PulpitFrame::CreateWindowsGalleryHelper()
{
    return std::make_shared<WindowsGalleryHelper>(*this);
}
