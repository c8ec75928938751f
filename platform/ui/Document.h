#pragma once
// The document of a document/frame/view triple made by a DocTemplate. Its frame owns it; its
// views reach it through GetDocument. The title is what the frame's tab shows.

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class DocTemplateBase;
class View;

class Document : public QObject
{
    Q_OBJECT

public:
    Document();
    ~Document() override;

    const QString& GetTitle() const { return m_title; }
    virtual void SetTitle(const QString& title);

    // Called once after the frame and its view exist; false ends the creation of the triple.
    virtual bool OnNewDocument();

    View* GetFirstView() const;
    std::vector<View*> GetViews() const;
    DocTemplateBase* GetDocTemplate() const { return m_template; }

signals:
    void titleChanged(const QString& title);

private:
    friend class ChildFrame;
    friend class DocTemplateBase;
    friend class View;

    void AddView(View* view);
    void RemoveView(View* view);

    QString m_title;
    std::vector<QPointer<View>> m_views;
    DocTemplateBase* m_template = nullptr;
};
