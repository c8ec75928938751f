#pragma once
// What the application mediator and the main frame need of the application object: the two
// panel views it keeps, its own command handlers, whether the program runs with "--extended",
// whether a handed-over file is being opened, the saving of the display styles, and the
// crash-report set-up. Main thread only.

#include <QString>

class CmdTarget;
class QWidget;

class IApplicationObject
{
public:
    virtual ~IApplicationObject() = default;

    // The panel view last activated; null when none.
    virtual QWidget* GetActivePanelView() const = 0;
    // The panel view of the current panel; null when none.
    virtual QWidget* GetCurrentPanelView() const = 0;
    // The panel views keep both as the user activates panels; null forgets them.
    virtual void SetActivePanelView(QWidget* view) = 0;
    virtual void SetCurrentPanelView(QWidget* view) = 0;
    // The application's own commands, which the main frame offers last.
    virtual CmdTarget& GetAppCmdTarget() = 0;
    virtual bool IsExtendedMode() const = 0;
    // Writes the display styles into the user's styles folder; anew: the files of styles no
    // longer held go too. False (logged) when they could not be written.
    virtual bool SaveApplicationStyles(bool anew) = 0;
    // A file handed over by a later start of the program is being opened.
    virtual bool IsHandOverInProgress() const = 0;
    virtual void SetupCrashReporting(const QString& user, const QString& code) = 0;
};
