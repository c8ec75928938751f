#pragma once
// What the desktop and session files need of the modules: finding a module by the name a
// panel file gives, the modules' part of a session, the steps around loading a desktop and
// the chart library's panel settings in the export. The application mediator answers it;
// tests give a fake. Main thread only.

#include <QString>

class IGenericModule;
class Q5Settings;
class QWidget;
class Settings;

class IDesktopModules
{
public:
    virtual ~IDesktopModules() = default;

    // Null when no module bears the name.
    virtual IGenericModule* GetModuleByName(const QString& name) const = 0;

    // Write the modules' states into the node "ModulesStates" of the session.
    virtual void SerialiseModulesStates(Settings& session) = 0;
    virtual void SerialiseModulesStatesToQ5Format(Q5Settings& session) = 0;
    // consumers: the consumers' part of the loaded file; modulesStates: its "ModulesStates"
    // node, invalid in an old file. Before the screens open, and after with the active view.
    virtual void UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates) = 0;
    virtual void PostUnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates,
                                              QWidget* activeView) = 0;

    // Before a loaded desktop replaces the screens, with the file's "ModulesStates" node (invalid
    // in an old file): the alerts are emptied only when the file holds alerts to replace them,
    // and the chart library's pending request is reset.
    virtual void BeginDesktopLoad(const Settings& modulesStates) = 0;
    // After the screens opened: the quote tables learn the connected windows.
    virtual void EndDesktopLoad() = 0;
    // The desktop is the session now: the quote tables refresh and alerts that lost an
    // argument source go.
    virtual void AfterDesktopLoaded() = 0;
    // No session could be restored; activeView is the one empty screen made instead.
    virtual void NotifySessionLoaded(QWidget* activeView) = 0;

    // The chart library's settings of a panel in the export ("PanelSettings").
    virtual bool CanSavePanelSettingsToQ5Format() const = 0;
    virtual bool SavePanelSettingsToQ5Format(Q5Settings& node) = 0;
};
