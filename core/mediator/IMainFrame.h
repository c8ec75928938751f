#pragma once
// What the application object and the application mediator need of the main frame. The frame
// lives on the main thread and is called there only; other threads reach it by posting to its
// handle, which stays safe while the frame is being destroyed.

#include "platform/ui/WindowMessage.h"

#include <QRect>
#include <QString>

class ProviderBase;
class QWidget;

class IMainFrame
{
public:
    virtual ~IMainFrame() = default;

    // The frame's window.
    virtual QWidget* GetWindow() = 0;
    // The handle to post to; None while the frame has no window.
    virtual WndHandle GetFrameHandle() const = 0;

    // Creates the frame's window with its bars; false when it cannot be made.
    virtual bool LoadFrame() = 0;
    // Applies the saved window position and shows the window.
    virtual void ShowFrame() = 0;
    // Hands the frame to the module libraries and restores the last session.
    virtual void StartSession() = 0;
    // Brings the frame to the front.
    virtual void ActivateFrame() = 0;
    // Loads a desktop file; 1 when it was loaded.
    virtual int LoadSession(const QString& path) = 0;

    // The module window the user works in; null when none.
    virtual QWidget* GetActiveModuleWnd() = 0;
    // The area that holds the panels, in screen coordinates.
    virtual QRect GetMdiClientScreenRect() = 0;

    virtual void ShowProgress(bool show) = 0;
    virtual void SetProgressPosition(int percent) = 0;
    // Back to no progress: the position is 0 and the progress pane is hidden.
    virtual void ResetProgress() = 0;
    virtual void ShowLastQuoteTime(ProviderBase* provider) = 0;
};
