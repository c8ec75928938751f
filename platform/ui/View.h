#pragma once
// The view of a document/frame/view triple: the frame's client window, linked to its document.

#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QWidget>

class ChildFrame;
class Document;

class View : public QWidget, public Wnd
{
    Q_OBJECT

public:
    explicit View(QWidget* parent = nullptr);
    ~View() override;

    Document* GetDocument() const { return m_document.data(); }
    // The frame the view sits in; null outside a frame.
    ChildFrame* GetParentFrame() const;

    // Called once when the triple is complete, before the frame is shown.
    virtual void OnInitialUpdate();

private:
    friend class Document;

    QPointer<Document> m_document;
};
