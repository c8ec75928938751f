#pragma once
// What the application object and the application mediator need of the main frame. The frame
// lives on the main thread and is called there only; other threads reach it by posting to its
// handle, which stays safe while the frame is being destroyed.

#include "platform/base/ColorRef.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/WindowMessage.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class ProviderBase;
class QWidget;
class UpdateRibbonContext;

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
    // A session or desktop is loaded: the frame's windows follow activation from then on.
    virtual bool IsSessionLoaded() const = 0;

    // The module window the user works in; null when none.
    virtual ModuleWndBase* GetActiveModuleWnd() = 0;
    virtual void OnModuleWndActivate(bool activate, ModuleWndBase* window, bool preserveTabContext) = 0;
    // The ribbon follows the context, completed from the active module window.
    virtual void UpdateRibbonContext(const ::UpdateRibbonContext& context) = 0;
    virtual void UpdateContextCaption() = 0;
    // The area that holds the panels, in screen coordinates.
    virtual QRect GetMdiClientScreenRect() = 0;
    // The panel view of the screen with the name; null when none.
    virtual QWidget* FindPanelViewByName(const QString& name) = 0;
    // How many screens the edition allows.
    virtual int GetScreensLimit() const = 0;
    // Appends the named objects of the active panel's windows.
    virtual void CollectPanelWindowNames(std::vector<ModuleWndBase::NamedObject>& objects) = 0;
    // The colour of a toolkit colour index in the frame's look.
    virtual ColorRef GetXtremeColor(int index) = 0;
    // While the print dialog is open the ribbon and the panels take no input and the frame is
    // at least large enough for the dialog.
    virtual void EnterPrintMode(const QSize& dialogMinimalSize) = 0;
    virtual void LeavePrintMode() = 0;

    virtual void ShowProgress(bool show) = 0;
    virtual void SetProgressPosition(int percent) = 0;
    // Back to no progress: the position is 0 and the progress pane is hidden.
    virtual void ResetProgress() = 0;
    virtual void ShowLastQuoteTime(ProviderBase* provider) = 0;
    // The status bar's notify pane of the key shows or hides.
    virtual void ShowStatusBarPane(std::uint32_t key, bool show) = 0;
    virtual void RepaintStatusBar() = 0;
};
