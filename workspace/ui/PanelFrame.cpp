#include "workspace/ui/PanelFrame.h"

#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/Document.h"
#include "workspace/engine/ModuleWindowFit.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"

#include <QCloseEvent>

PanelFrame::PanelFrame(PulpitFrame* mainFrame)
    : m_mainFrame(mainFrame)
{
}

PanelFrame::~PanelFrame()
{
    Leave();
}

PulpitFrame* PanelFrame::GetMainFrame() const
{
    return m_mainFrame.data();
}

void PanelFrame::DetachMainFrame()
{
    m_mainFrame = nullptr;
}

PanelView* PanelFrame::GetPanelView() const
{
    return qobject_cast<PanelView*>(GetActiveView());
}

void PanelFrame::AttachTabClient(TabClientWnd* tabClient)
{
    m_tabClient = tabClient;
    if (Document* document = GetActiveDocument())
        connect(document, &Document::titleChanged, this, &PanelFrame::UpdateFrameTitle, Qt::UniqueConnection);
    UpdateFrameTitle();
    if (m_mainFrame)
        m_mainFrame->SetPanelCloseButtons();
}

void PanelFrame::DetachTabClient()
{
    m_tabClient = nullptr;
}

TabClientWnd* PanelFrame::GetTabClient() const
{
    return m_tabClient.data();
}

void PanelFrame::ActivateFrame()
{
    show();
    if (m_tabClient)
        m_tabClient->ActivateItem(this);
}

void PanelFrame::OnMdiActivate(bool activate)
{
    if (PanelView* view = GetPanelView())
        view->OnActivateView(activate);
}

void PanelFrame::UpdateFrameTitle()
{
    const IStyleEditModeHandler* handler = m_mainFrame ? m_mainFrame->GetStyleEditModeHandler() : nullptr;
    const QString title = GetActiveDocument() ? GetActiveDocument()->GetTitle() : QString();
    setWindowTitle(handler && handler->IsInEditMode() ? handler->GetEditModeTitle() : title);
    // The view carries the panel's name, by which the module libraries find the panel.
    if (PanelView* view = GetPanelView())
        view->setWindowTitle(title);
}

void PanelFrame::FitModuleWindows(PanelView& view)
{
    if (!m_maxTrackSize.isValid() || m_maxTrackSize.isEmpty() || !m_mainFrame)
        return;
    const QRect frame = m_mainFrame->frameGeometry();
    for (ModuleWndBase* window : view.GetModuleWindows())
    {
        const QRect global(window->mapToGlobal(QPoint(0, 0)), window->size());
        const QPoint offset = ModuleWindowFit::Offset(global, frame, m_maxTrackSize);
        if (offset.isNull())
            continue;
        window->move(window->pos() - offset);
        window->update();
    }
}

void PanelFrame::closeEvent(QCloseEvent* event)
{
    // With one screen allowed the screen stays, whoever asks it to close.
    if (m_mainFrame && m_mainFrame->GetScreensLimit() < 2)
    {
        event->ignore();
        return;
    }
    event->accept();
    Leave();
}

void PanelFrame::Leave()
{
    if (m_left)
        return;
    m_left = true;
    if (m_tabClient)
        m_tabClient->RemoveItem(this);
    m_tabClient = nullptr;
    if (m_mainFrame)
        m_mainFrame->SetPanelCloseButtons();
}
