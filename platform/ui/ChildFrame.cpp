#include "platform/ui/ChildFrame.h"

#include "platform/ui/Document.h"
#include "platform/ui/View.h"

#include <QVBoxLayout>

ChildFrame::ChildFrame(QWidget* parent)
    : QWidget(parent)
    , Wnd(this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

ChildFrame::~ChildFrame()
{
    // The view goes before the document it shows.
    delete m_view.data();
    m_document.reset();
}

bool ChildFrame::OnCreateClient(CreateContext& context)
{
    View* view = context.newView ? context.newView(*this) : nullptr;
    if (view == nullptr)
        return false;
    AttachView(view, context.document);
    return true;
}

void ChildFrame::ActivateFrame()
{
    show();
}

void ChildFrame::AttachView(View* view, Document* document)
{
    view->setParent(this);
    layout()->addWidget(view);
    m_view = view;
    if (document)
        document->AddView(view);
}

void ChildFrame::InitialUpdateFrame(bool makeVisible)
{
    if (m_view)
        m_view->OnInitialUpdate();
    if (makeVisible)
        ActivateFrame();
}
