#pragma once
// The view of a panel: the parent of the panel's module windows, which float in it as child
// windows. Activating the panel makes the view the application's active and current panel
// view and activates its top module window (or resets the ribbon when it has none); a click on
// a module window activates it. Windows marked maximised fill the view. While a style is
// edited the view paints a gradient and frames the edited window. Main thread only.

#include "platform/ui/Document.h"
#include "platform/ui/View.h"

#include <vector>

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
};
