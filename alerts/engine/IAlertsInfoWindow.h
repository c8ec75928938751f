#pragma once
// The alerts window as the alert module drives it: its identity in window files, its
// visibility, the tab the user works in, its state in window files and its redraw. The module
// holds the one window of the run; the program gives the module a factory that makes it.
// Main thread only.

#include <functional>
#include <memory>

class AlertModule;
class Q5Settings;
class QWidget;
class Settings;

class IAlertsInfoWindow
{
public:
    static constexpr int kDefinedAlertsTab = 0;
    static constexpr int kGeneratedAlertsTab = 1;

    virtual ~IAlertsInfoWindow() = default;

    // The window that window files and panels know it by.
    virtual QWidget* GetWindow() const = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int GetActiveTab() const = 0;
    virtual void RedrawDefinedAlerts() = 0;
    virtual void SerialiseState(Settings& node) const = 0;
    virtual void SerialiseStateToQ5Format(Q5Settings& node) const = 0;
    virtual void UnserialiseState(const Settings& node, bool fromPanel) = 0;
    // Destroys the window; the models' views are detached first.
    virtual void Destroy() = 0;
};

// Makes the alerts window on the parent; null when it cannot be made.
using AlertsInfoWindowFactory = std::function<std::shared_ptr<IAlertsInfoWindow>(AlertModule& module, QWidget* parent)>;
