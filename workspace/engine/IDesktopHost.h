#pragma once
// What the desktop and session files need of the main frame: its screens with their module
// windows when a desktop is saved, new screens when one is loaded, the ribbon's state and the
// session-loaded flag. A screen is known by its panel view, the parent of its module windows,
// which the modules receive when they open windows. The main frame implements it; tests give
// a fake. Main thread only.

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class IGenericModule;
class QWidget;

class IDesktopHost
{
public:
    struct Screen
    {
        QWidget* view = nullptr;  // null for a tab that holds no panel
        QString caption;          // the tab's caption
        bool versionInfo = false; // the panel shows the version-information page
    };

    struct ModuleWindow
    {
        QWidget* window = nullptr;
        IGenericModule* module = nullptr;  // null for a window of no module
        QString name;                      // the window's name
        QRect rect;                        // in its view; none for a window the host does not place
    };
    // A window a panel file reopened, with its saved rectangle when the file kept one.
    struct RestoredWindow
    {
        QWidget* window = nullptr;
        QRect rect;
    };

    virtual ~IDesktopHost() = default;

    // How many screens the edition allows; below 2 a desktop keeps only the screen on top.
    virtual int GetScreensLimit() const = 0;
    // The screens in tab order.
    virtual std::vector<Screen> GetScreens() const = 0;
    // The view of the screen on top (the selected tab); null when there is none.
    virtual QWidget* GetActiveView() const = 0;
    // The module windows of a screen, topmost first.
    virtual std::vector<ModuleWindow> GetModuleWindows(QWidget* view) const = 0;

    // Whether the ribbon is minimised (also true when there is no ribbon bar); empty when the
    // frame has no ribbon at all.
    virtual std::optional<bool> IsRibbonMinimized() const = 0;
    virtual void SetRibbonMinimized(bool minimized) = 0;

    // The flag the mediator reports as the frame's readiness: the session or a desktop has
    // been loaded, so module windows follow activation.
    virtual bool IsSessionLoaded() const = 0;
    virtual void SetSessionLoaded(bool loaded) = 0;
    // A file handed over by a second start is being opened.
    virtual bool IsHandOverInProgress() const = 0;

    // Whether the frame has the area that holds the screens; without it a desktop opens nothing.
    virtual bool HasPanelArea() const = 0;
    // Closes every screen; the application forgets its active and current panel view.
    virtual void CloseAllPanels() = 0;
    // A new screen, not shown yet, titled with the name and fitted to the panel area; gives its
    // view, or null when it could not be made.
    virtual QWidget* OpenPanel(const QString& title) = 0;
    // A new screen showing the version-information page; its view or null.
    virtual QWidget* OpenVersionInfoPanel() = 0;
    // Pulls the screen's module windows back within reach after they were opened.
    virtual void FitModuleWindows(QWidget* view) = 0;
    // Gives the reopened windows (in the panel file's order, topmost first) their rectangles
    // and that stacking order; a host that does not arrange windows leaves them as they opened.
    virtual void ArrangeRestoredWindows(QWidget* view, const std::vector<RestoredWindow>& windows) {}
    // Activates and shows the opened screens in order, then the active one again (none when
    // null); with no module window on top of the active screen the ribbon shows no module.
    virtual void ShowPanels(const std::vector<QWidget*>& views, QWidget* active) = 0;
    // A new empty screen, shown and active; its view or null.
    virtual QWidget* CreateNewPanel() = 0;

    // Tells the user, without waiting for an answer, why a desktop could not be saved or what
    // its save moved aside.
    virtual void ShowMessage(const QString& text) = 0;
    // Tells the user what of a desktop being opened could not be read, once its screens are
    // on view: a message the user has to acknowledge, for it is about lost work.
    virtual void ShowLoadProblem(const QString& text) = 0;
    // Tells the user, before the program goes on (it may be closing), that the last session
    // could not be saved: the windows of this run would be gone at the next start unseen.
    virtual void ShowSaveProblem(const QString& text) = 0;
};
