#pragma once
// The frame of a panel: one screen of the main frame, shown as a tab of its tab client and
// filling the client area, holding the panel's view. While the edition allows fewer than two
// screens a panel does not close. Its tab shows the document's title, or the style edit mode's
// title while a style is edited. Main thread only.

#include "platform/ui/ChildFrame.h"
#include "platform/ui/Document.h"
#include "platform/ui/View.h"

#include <QPointer>
#include <QSize>

class PanelView;
class PulpitFrame;
class TabClientWnd;

class PanelFrame : public ChildFrame
{
    Q_OBJECT

public:
    explicit PanelFrame(PulpitFrame* mainFrame);
    ~PanelFrame() override;

    PulpitFrame* GetMainFrame() const;
    // The main frame goes first.
    void DetachMainFrame();
    PanelView* GetPanelView() const;

    // The tab client tells the panel when it takes it and when it goes first.
    void AttachTabClient(TabClientWnd* tabClient);
    void DetachTabClient();
    TabClientWnd* GetTabClient() const;

    // The largest size the frame can be dragged to, as the screen gives it.
    void OnGetMinMaxInfo(const QSize& maxTrackSize) { m_maxTrackSize = maxTrackSize; }
    QSize GetMaxTrackSize() const { return m_maxTrackSize; }

    // Selects the panel's screen.
    void ActivateFrame() override;
    // The screen became the selected one, or stopped being it.
    void OnMdiActivate(bool activate);
    // The tab's caption anew: the edit mode's title while a style is edited, else the document's.
    void UpdateFrameTitle();
    // Pulls module windows that lie beyond the main frame's reach back into it.
    void FitModuleWindows(PanelView& view);

    // A panel that shows the version-information page instead of module windows.
    void SetVersionInfoPanel(bool versionInfo) { m_versionInfo = versionInfo; }
    bool IsVersionInfoPanel() const { return m_versionInfo; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Leave();

    QPointer<PulpitFrame> m_mainFrame;
    QPointer<TabClientWnd> m_tabClient;
    QSize m_maxTrackSize;
    bool m_left = false;
    bool m_versionInfo = false;
};
