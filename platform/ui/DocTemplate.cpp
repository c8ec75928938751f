#include "platform/ui/DocTemplate.h"

#include "platform/ui/StringTable.h"
#include "platform/ui/UiLog.h"

#include <algorithm>

DocTemplateBase::DocTemplateBase(std::uint32_t resourceId)
    : m_resourceId(resourceId)
{
}

Document* DocTemplateBase::NewDocument(bool makeVisible)
{
    ChildFrame* frame = CreateFrame();
    frame->m_document = CreateDocument();
    Document* document = frame->m_document.get();
    document->m_template = this;

    ChildFrame::CreateContext context{document, [this](ChildFrame& owner) { return CreateView(owner); }};
    if (!frame->OnCreateClient(context))
    {
        qCWarning(lcUi) << "DocTemplate" << m_resourceId << ": the frame made no view";
        delete frame;
        return nullptr;
    }
    document->SetTitle(GetDocString(1) + QString::number(++m_untitledCount));
    if (!document->OnNewDocument())
    {
        qCWarning(lcUi) << "DocTemplate" << m_resourceId << ": the new document refused to start";
        delete frame;
        return nullptr;
    }
    std::erase_if(m_frames, [](const QPointer<ChildFrame>& held) { return held.isNull(); });
    m_frames.emplace_back(frame);
    if (m_frameHost)
        m_frameHost(*frame);
    frame->InitialUpdateFrame(makeVisible);
    return document;
}

std::vector<Document*> DocTemplateBase::GetDocuments() const
{
    std::vector<Document*> documents;
    for (const QPointer<ChildFrame>& frame : m_frames)
    {
        if (frame && frame->GetActiveDocument())
            documents.push_back(frame->GetActiveDocument());
    }
    return documents;
}

QString DocTemplateBase::GetDocString(int index) const
{
    return StringTable::Instance().Part(m_resourceId, index);
}
