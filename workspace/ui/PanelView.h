#pragma once
// The view of a panel: the parent of the panel's module windows, which float in it as child
// windows. Activating the panel makes the view the application's active and current panel
// view and activates its top module window (or resets the ribbon when it has none); a click on
// a module window activates it. Windows marked maximised fill the view. Every module window gets
// a frame (ModuleWindowFrame) to move, resize and close it by; a new one is placed at a free
// spot when it is first shown. When the active window closes or hides, the next window in the
// stacking order becomes active, or the ribbon shows no module. While a style is edited the
// view paints a gradient and frames the edited window. Main thread only.

#include "platform/ui/Document.h"
#include "platform/ui/View.h"

#include <QPointer>
#include <QRect>

#include <vector>

class ModuleWindowFrame;
class ModuleWndBase;
class PanelFrame;
class PulpitFrame;

class PanelView : public View
{
    Q_OBJECT

public:
    explicit PanelView(QWidget* parent = nullptr);
    ~PanelView() override;

    PanelFrame* GetPanelFrame() const;
    PulpitFrame* GetMainFrame() const;

    // The module windows among the view's children, topmost first.
    std::vector<ModuleWndBase*> GetModuleWindows() const;

    // The panel's screen was selected (activate) or left.
    void OnActivateView(bool activate);
    void FitMaximizedChildren();
    // The view becomes the current one: the windows that follow the current view move into it,
    // then every module window hears it.
    void NotifyModuleWndsCurrent();
    void NotifyModuleWndsBackground();
    // The alert and cloud alert definition dialogs, the table's field configuration and the
    // chart's inspector move into this view, each unless it is here already.
    void AdoptSharedWindows();

    // The frame drawn around the window; null for a window the view does not frame (yet).
    ModuleWindowFrame* FrameOf(const ModuleWndBase* window) const;
    // The frames follow their windows anew (the active window changed, or the style edit mode
    // began or ended).
    void UpdateFrames();
    // Windows a desktop reopened, in its order (topmost first), each with its saved rectangle
    // (none in older files): they take their rectangles and the saved stacking order.
    struct RestoredWindow
    {
        QPointer<ModuleWndBase> window;
        QRect rect;
    };
    void ArrangeRestored(const std::vector<RestoredWindow>& windows);
    // The active window goes to the bottom and the next one becomes active (forwards), or the
    // bottom one comes up and becomes active (backwards); false with fewer than two windows.
    bool CycleWindows(bool backwards);
    // Closes the window as its module decides; when it was the active one, the next window in
    // the stacking order is activated first, so the focus does not wander to another. False
    // when the window stays open.
    bool CloseWindow(ModuleWndBase& window);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void MakeCurrent();
    void UpdateEditedWindowLayout();
    void Adopt(QWidget* window);
    // Frames a window the first time it shows; a new window is placed at a free spot.
    ModuleWindowFrame* Frame(ModuleWndBase& window, bool place);
    void PlaceNew(ModuleWndBase& window);
    // Frames whose window closed or moved to another view go.
    void SweepFrames();
    // Asked once the events of a closing or hiding window are through.
    void ActivateTopWhenActiveGone();
    std::vector<ModuleWndBase*> ShownWindows() const;

    std::vector<QPointer<ModuleWindowFrame>> m_frames;
};
