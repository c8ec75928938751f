#pragma once
// Makes document/frame/view triples of one kind and keeps them linked: the frame owns the
// document and holds the view; the template lists the triples still open. The resource
// string of the template's id names the kind ("\nDocName\nNewName\n..." in the string table).

#include "platform/ui/ChildFrame.h"
#include "platform/ui/Document.h"
#include "platform/ui/View.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class DocTemplateBase
{
public:
    explicit DocTemplateBase(std::uint32_t resourceId);
    virtual ~DocTemplateBase() = default;

    DocTemplateBase(const DocTemplateBase&) = delete;
    DocTemplateBase& operator=(const DocTemplateBase&) = delete;

    // Receives every new frame before its first update, e.g. to add it to a tab client.
    void SetFrameHost(std::function<void(ChildFrame& frame)> host) { m_frameHost = std::move(host); }

    // A new empty document with its frame and view; null, and nothing left over, when the
    // frame makes no view or the document refuses.
    Document* NewDocument(bool makeVisible = true);
    std::vector<Document*> GetDocuments() const;

    std::uint32_t ResourceId() const { return m_resourceId; }
    // The index-th part of the template's resource string (1 is the document name).
    QString GetDocString(int index) const;

protected:
    virtual std::unique_ptr<Document> CreateDocument() const = 0;
    virtual ChildFrame* CreateFrame() const = 0;
    virtual View* CreateView(ChildFrame& frame) const = 0;

private:
    std::uint32_t m_resourceId;
    std::function<void(ChildFrame&)> m_frameHost;
    std::vector<QPointer<ChildFrame>> m_frames;
    int m_untitledCount = 0;
};

template <class DocT, class FrameT, class ViewT>
class DocTemplate : public DocTemplateBase
{
public:
    using DocTemplateBase::DocTemplateBase;

protected:
    std::unique_ptr<Document> CreateDocument() const override { return std::make_unique<DocT>(); }
    ChildFrame* CreateFrame() const override { return new FrameT(); }
    View* CreateView(ChildFrame& frame) const override { return new ViewT(&frame); }
};
