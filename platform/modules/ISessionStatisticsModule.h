#pragma once
// The session-statistics module as the ribbon's commands and the application mediator reach it:
// its one window and the two panes of that window. Called on the main thread.

#include <memory>

class QWidget;
class StyleBase;

class ISessionStatisticsModule
{
public:
    virtual ~ISessionStatisticsModule() = default;

    // Makes the window when there is none, then shows it when hidden and hides it when shown.
    virtual void ToggleWindow() = 0;
    // Null when the window does not exist.
    virtual QWidget* GetWindow() const = 0;
    virtual bool IsWindowVisible() const = 0;
    virtual bool IsWindowActive() const = 0;
    // The top pane holds the grids, the bottom pane the overall bar.
    virtual void ToggleTopPane() = 0;
    virtual void ToggleBottomPane() = 0;
    virtual bool IsTopPaneVisible() const = 0;
    virtual bool IsBottomPaneVisible() const = 0;
    // The style the window shows when it has none of its own; empty until the module chose it.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;
    // The window follows a changed style.
    virtual void RefreshStyle() = 0;
    // Every pane shown again, as after a new theme; the window, when there is one, follows.
    virtual void RestoreDefaults() = 0;
};
