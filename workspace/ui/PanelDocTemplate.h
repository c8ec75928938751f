#pragma once
// The document template of the panels (resource 149): it makes a panel's document, frame and
// view together, the frame as a new screen of the main frame's tab client, and keeps them
// linked until the frame closes. Main thread only.

#include "platform/ui/DocTemplate.h"

#include <QPointer>

class PanelFrame;
class PulpitFrame;

class PanelDocTemplate : public DocTemplateBase
{
public:
    // mainFrame may be null (panels without a main frame, in tests).
    explicit PanelDocTemplate(PulpitFrame* mainFrame);

    // A new empty panel; visible shows it as the selected screen. Null while the tab client
    // refuses new screens (a style is edited) or when the panel could not be made.
    PanelFrame* OpenNew(bool visible);

protected:
    std::unique_ptr<Document> CreateDocument() const override;
    ChildFrame* CreateFrame() const override;
    View* CreateView(ChildFrame& frame) const override;

private:
    QPointer<PulpitFrame> m_mainFrame;
};
