#pragma once
// One docking pane of a module window: a numbered place with a title that holds one content
// widget, with an optional caption bar (the title and a button that hides the pane) and the
// smallest and largest size the splitters may give it. Made and placed by DockingPaneManager.
// Main thread only.

#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;

class DockingPane : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxTrack = 100000;

    DockingPane(int id, const QString& title, QWidget* parent = nullptr);

    int GetId() const { return m_id; }
    QString GetTitle() const { return m_title; }
    void SetTitle(const QString& title);

    // The content goes into the pane (which owns it from then); a former content is deleted.
    void Attach(QWidget* content);
    QWidget* GetContent() const { return m_content; }

    void SetCaptionVisible(bool visible);
    bool IsCaptionVisible() const;

    // Track sizes bound what the splitters give the pane (including its caption bar).
    void SetMinTrackSize(const QSize& size);
    void SetMaxTrackSize(const QSize& size);
    QSize GetMinTrackSize() const { return minimumSize(); }
    QSize GetMaxTrackSize() const { return maximumSize(); }

signals:
    void TitleChanged(DockingPane* pane);
    // The caption's hide button was pressed.
    void CloseRequested(DockingPane* pane);

private:
    int m_id;
    QString m_title;
    QPointer<QWidget> m_content;
    QWidget* m_caption = nullptr;
    QLabel* m_captionText = nullptr;
    QVBoxLayout* m_layout = nullptr;
};
