#pragma once
// What the application mediator needs of the application object: the two panel views it keeps,
// whether the program runs with "--extended", and the crash-report set-up. Main thread only.

#include <QString>

class QWidget;

class IApplicationObject
{
public:
    virtual ~IApplicationObject() = default;

    // The panel view last activated; null when none.
    virtual QWidget* GetActivePanelView() const = 0;
    // The panel view of the current panel; null when none.
    virtual QWidget* GetCurrentPanelView() const = 0;
    virtual bool IsExtendedMode() const = 0;
    virtual void SetupCrashReporting(const QString& user, const QString& code) = 0;
};
