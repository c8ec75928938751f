// The main frame's screens: opening one within the edition's limit, the tabs that show them,
// the print mode that makes room for the print dialog, and the screenshot of the frame.

#include "workspace/ui/PulpitFrame.h"

#include "core/mediator/AppMediator.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "workspace/engine/ScreenshotFileName.h"
#include "workspace/ui/PanelDocTemplate.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/ScreenshotWriter.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QDir>
#include <QScreen>

using namespace WorkspaceIds;

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
            QString::fromUtf8(AppPaths::kProductName), QStringLiteral("PulpitFrame::OnNewScreen"), __LINE__);
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
        Log::WriteWarning(QStringLiteral("Nie zapisano zrzutu ekranu: %1.").arg(reason),
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("PulpitFrame::OnScreenshot"), __LINE__);
    return path;
}
