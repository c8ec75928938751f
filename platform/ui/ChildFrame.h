#pragma once
// The frame of a document/frame/view triple: one window (a tab of the main window's tab
// client) that owns its document and holds its view as its client. Closing it ends the triple.

#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class Document;
class View;

class ChildFrame : public QWidget, public Wnd
{
    Q_OBJECT

public:
    // What a frame needs to make its client: the triple's document and the template's view.
    struct CreateContext
    {
        Document* document;
        std::function<View*(ChildFrame& frame)> newView;
    };

    explicit ChildFrame(QWidget* parent = nullptr);
    ~ChildFrame() override;

    View* GetActiveView() const { return m_view.data(); }
    Document* GetActiveDocument() const { return m_document.get(); }

    // Makes the frame's view; the default makes the template's. False ends the creation.
    virtual bool OnCreateClient(CreateContext& context);
    // Shows the frame; a frame in a tab client activates its tab instead.
    virtual void ActivateFrame();

protected:
    // Puts a view made by the frame itself in place, linked to the document.
    void AttachView(View* view, Document* document);

private:
    friend class DocTemplateBase;

    void InitialUpdateFrame(bool makeVisible);

    std::unique_ptr<Document> m_document;
    QPointer<View> m_view;
};
