#pragma once
// The main window's status bar: a progress pane for long operations (id 1), an info pane that
// shows only while it has text (id 2), and one notify pane per notification source, ids 4 and
// up, whose image follows the source's state and whose tooltip is the source's. The main frame
// makes it, adds the panes and finds notify panes by their ids. Main thread only.

#include "platform/toolkit/StatusBarBase.h"

#include <QPointer>
#include <QProgressBar>

#include <cstdint>
#include <vector>

class INotifySource;
class NotifyStatusBarPane;

class QuorvantaStatusBar : public StatusBarBase
{
    Q_OBJECT

public:
    static constexpr std::uint32_t ID_INDICATOR_PROGRESS = 1;
    static constexpr std::uint32_t ID_INDICATOR_INFO = 2;
    static constexpr int kProgressPaneWidth = 150;
    static constexpr int kNotifyPaneWidth = 20;
    static constexpr int kProgressMinimum = 0;
    static constexpr int kProgressMaximum = 100;

    explicit QuorvantaStatusBar(QWidget* parent = nullptr);

    // The progress pane at the end: width 150, no borders, a smooth bar at 0 of 0..100, not in
    // the customisation list. False when the bar has it already.
    bool AddProgressPane();
    // Clamped to 0..100; nothing without the progress pane.
    void SetProgressPos(int position);
    // Null without the progress pane.
    QProgressBar* GetProgressCtrl() const { return m_progress; }

    // The info pane at the end, empty and hidden, not in the customisation list. False when
    // the bar has it already.
    bool AddInfoPane();
    // A text shows the pane with it; an empty text clears and hides it. Nothing without the pane.
    void SetInfoText(const QString& text);

    // A notify pane for the source with the next id (4 first) at the end: width 20, no
    // borders, not in the customisation list. Null, with the id used up, when its images
    // cannot be had.
    NotifyStatusBarPane* AddNotifyPane(INotifySource* source);
    std::vector<NotifyStatusBarPane*> GetNotifyPanes() const;

    // A notify pane's tooltip comes from its source, any other pane's from the pane.
    int OnToolHitTest(const QPoint& point, QString& text) const override;

private:
    QPointer<QProgressBar> m_progress;
    std::uint32_t m_lastNotifyPaneId = 3;
    std::vector<QPointer<NotifyStatusBarPane>> m_notifyPanes;
};
