#include "platform/ui/View.h"

#include "platform/ui/ChildFrame.h"
#include "platform/ui/Document.h"

View::View(QWidget* parent)
    : QWidget(parent)
    , Wnd(this)
{
}

View::~View()
{
    if (m_document)
        m_document->RemoveView(this);
}

ChildFrame* View::GetParentFrame() const
{
    for (QWidget* parent = parentWidget(); parent != nullptr; parent = parent->parentWidget())
    {
        if (auto* frame = qobject_cast<ChildFrame*>(parent))
            return frame;
    }
    return nullptr;
}

void View::OnInitialUpdate()
{
}
