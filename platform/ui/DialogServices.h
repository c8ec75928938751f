#pragma once
// The one place through which the program shows modal dialogs and menus and starts other
// programs. The real Qt services answer unless a test installed its own, so no test ever
// blocks on a modal window. Installing null puts the real service back.

#include "platform/ui/IColorDialogService.h"
#include "platform/ui/IFileDialogService.h"
#include "platform/ui/IFontDialogService.h"
#include "platform/ui/IMenuTracker.h"
#include "platform/ui/IMessageBoxService.h"
#include "platform/ui/IShellService.h"

#include <cstdint>
#include <memory>

class DialogServices
{
public:
    static std::shared_ptr<IMessageBoxService> MessageBox();
    static std::shared_ptr<IFileDialogService> FileDialog();
    static std::shared_ptr<IColorDialogService> ColorDialog();
    static std::shared_ptr<IFontDialogService> FontDialog();
    static std::shared_ptr<IShellService> Shell();
    static std::shared_ptr<IMenuTracker> MenuTracker();

    // Each returns the service it replaced.
    static std::shared_ptr<IMessageBoxService> SetMessageBox(std::shared_ptr<IMessageBoxService> service);
    static std::shared_ptr<IFileDialogService> SetFileDialog(std::shared_ptr<IFileDialogService> service);
    static std::shared_ptr<IColorDialogService> SetColorDialog(std::shared_ptr<IColorDialogService> service);
    static std::shared_ptr<IFontDialogService> SetFontDialog(std::shared_ptr<IFontDialogService> service);
    static std::shared_ptr<IShellService> SetShell(std::shared_ptr<IShellService> service);
    static std::shared_ptr<IMenuTracker> SetMenuTracker(std::shared_ptr<IMenuTracker> service);

    // A message box titled with the product name ("Quorvanta 4") when the caption is empty.
    static int ShowMessageBox(const QString& caption, const QString& text, std::uint32_t flags);
};
