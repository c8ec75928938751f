#include "workspace/ui/PanelDocTemplate.h"

#include "workspace/ui/PanelDoc.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

PanelDocTemplate::PanelDocTemplate(PulpitFrame* mainFrame)
    : DocTemplateBase(WorkspaceIds::IDR_PANEL_TEMPLATE)
    , m_mainFrame(mainFrame)
{
}

PanelFrame* PanelDocTemplate::OpenNew(bool visible)
{
    if (m_mainFrame && m_mainFrame->GetTabClient() && !m_mainFrame->GetTabClient()->IsTabActionAllowed())
        return nullptr;
    Document* document = NewDocument(visible);
    View* view = document ? document->GetFirstView() : nullptr;
    return view ? qobject_cast<PanelFrame*>(view->GetParentFrame()) : nullptr;
}

std::unique_ptr<Document> PanelDocTemplate::CreateDocument() const
{
    return std::make_unique<PanelDoc>();
}

ChildFrame* PanelDocTemplate::CreateFrame() const
{
    return new PanelFrame(m_mainFrame.data());
}

View* PanelDocTemplate::CreateView(ChildFrame& frame) const
{
    return new PanelView(&frame);
}
