#pragma once
// What the style edit mode needs of the main frame and the application: the ribbon, the active
// module window, the frame's style-edit state (its flag, the locked screen tabs, the titles and
// the reduced system menu), the ribbon context without module, and the saving of the styles.
// The edition gives it; every operation copes with a frame that is not (or no longer) there.
// Main thread only.

class ModuleWndBase;
class QWidget;
class RibbonsFactory;

class IStyleEditHost
{
public:
    virtual ~IStyleEditHost() = default;

    // Null when the frame or its ribbon is missing.
    virtual RibbonsFactory* GetRibbonsFactory() = 0;
    virtual ModuleWndBase* GetActiveModuleWnd() = 0;
    // The main frame's window; null when none.
    virtual QWidget* GetMainWindow() = 0;
    // Sets or clears the frame's style-edit flag, which also locks the screen tabs.
    virtual void SetStyleEditFlag(bool on) = 0;
    // The active panel's frame, then the main frame, take their titles anew.
    virtual void UpdateFrameTitles() = 0;
    virtual void SetStyleEditSystemMenu() = 0;
    virtual void SetMainSystemMenu() = 0;
    // The ribbon shows no module: the main tabs come back.
    virtual void UpdateRibbonContextWithoutModule() = 0;
    virtual void RedrawModuleWindows() = 0;
    // Writes every style into the user's styles folder, removing the files of styles no longer
    // held when clean; false (logged) when it could not.
    virtual bool SaveApplicationStyles(bool clean) = 0;
};
