#pragma once
// The session-statistics window as its module drives it. The window itself (its grids, its
// overall bar, its layout) lives with the other windows; the module makes it through the factory
// it is given, keeps it while its widget lives, and calls it only on the main thread.
//
// The window's show and hide steps call the module's OnWindowShown and OnWindowHidden, which
// start and stop the feed of statistics. The window calls the module's OnWindowDestroyed when its
// widget is gone; the module then drops the window, so a window that calls it from one of its
// own operations keeps itself alive until that operation returns.

class QWidget;
class Q5Settings;
class Settings;

class ISessionStatisticsWindow
{
public:
    virtual ~ISessionStatisticsWindow() = default;

    // Makes the widget under the parent (none when null); false when it could not be made.
    virtual bool Create(QWidget* parent) = 0;
    // The widget, also the handle that window files are saved for; null while there is none.
    virtual QWidget* Widget() const = 0;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsActive() const = 0;

    // The grids above and the overall bar below.
    virtual void ShowTopPane(bool show) = 0;
    virtual void ShowBottomPane(bool show) = 0;
    // Resizes the window to its content; a width of -1 keeps the current width.
    virtual void FitToContent(int width) = 0;

    // The window's state in window files and its next-generation export.
    virtual void SerializeState(Settings& node) const = 0;
    // False when the node holds no usable state; the window then keeps its state.
    virtual bool UnSerializeState(const Settings& node, bool fromFile) = 0;
    virtual void SaveToQ5Format(Q5Settings& node) const = 0;

    // New statistics or a new session were processed: the window takes the module's display
    // data and repaints. Main thread; several batches processed meanwhile make one call.
    virtual void RefreshViews() = 0;
    // The module's style changed: the window re-lays itself out with it.
    virtual void OnStyleChanged() {}
};
