#include "platform/ui/DialogServices.h"

#include "platform/base/AppPaths.h"
#include "platform/ui/QtColorDialogService.h"
#include "platform/ui/QtFileDialogService.h"
#include "platform/ui/QtFontDialogService.h"
#include "platform/ui/QtMenuTracker.h"
#include "platform/ui/QtMessageBoxService.h"
#include "platform/ui/QtShellService.h"

#include <mutex>
#include <utility>

namespace
{
struct Installed
{
    std::mutex mutex;
    std::shared_ptr<IMessageBoxService> messageBox;
    std::shared_ptr<IFileDialogService> fileDialog;
    std::shared_ptr<IColorDialogService> colorDialog;
    std::shared_ptr<IFontDialogService> fontDialog;
    std::shared_ptr<IShellService> shell;
    std::shared_ptr<IMenuTracker> menuTracker;
};

Installed& TheInstalled()
{
    static auto* installed = new Installed;
    return *installed;
}

template <class Real, class Service>
std::shared_ptr<Service> Get(std::shared_ptr<Service> Installed::*member)
{
    Installed& installed = TheInstalled();
    std::lock_guard lock(installed.mutex);
    std::shared_ptr<Service>& service = installed.*member;
    if (!service)
        service = std::make_shared<Real>();
    return service;
}

template <class Service>
std::shared_ptr<Service> Set(std::shared_ptr<Service> Installed::*member, std::shared_ptr<Service> service)
{
    Installed& installed = TheInstalled();
    std::lock_guard lock(installed.mutex);
    return std::exchange(installed.*member, std::move(service));
}
}

std::shared_ptr<IMessageBoxService> DialogServices::MessageBox()
{
    return Get<QtMessageBoxService>(&Installed::messageBox);
}

std::shared_ptr<IFileDialogService> DialogServices::FileDialog()
{
    return Get<QtFileDialogService>(&Installed::fileDialog);
}

std::shared_ptr<IColorDialogService> DialogServices::ColorDialog()
{
    return Get<QtColorDialogService>(&Installed::colorDialog);
}

std::shared_ptr<IFontDialogService> DialogServices::FontDialog()
{
    return Get<QtFontDialogService>(&Installed::fontDialog);
}

std::shared_ptr<IShellService> DialogServices::Shell()
{
    return Get<QtShellService>(&Installed::shell);
}

std::shared_ptr<IMenuTracker> DialogServices::MenuTracker()
{
    return Get<QtMenuTracker>(&Installed::menuTracker);
}

std::shared_ptr<IMessageBoxService> DialogServices::SetMessageBox(std::shared_ptr<IMessageBoxService> service)
{
    return Set(&Installed::messageBox, std::move(service));
}

std::shared_ptr<IFileDialogService> DialogServices::SetFileDialog(std::shared_ptr<IFileDialogService> service)
{
    return Set(&Installed::fileDialog, std::move(service));
}

std::shared_ptr<IColorDialogService> DialogServices::SetColorDialog(std::shared_ptr<IColorDialogService> service)
{
    return Set(&Installed::colorDialog, std::move(service));
}

std::shared_ptr<IFontDialogService> DialogServices::SetFontDialog(std::shared_ptr<IFontDialogService> service)
{
    return Set(&Installed::fontDialog, std::move(service));
}

std::shared_ptr<IShellService> DialogServices::SetShell(std::shared_ptr<IShellService> service)
{
    return Set(&Installed::shell, std::move(service));
}

std::shared_ptr<IMenuTracker> DialogServices::SetMenuTracker(std::shared_ptr<IMenuTracker> service)
{
    return Set(&Installed::menuTracker, std::move(service));
}

int DialogServices::ShowMessageBox(const QString& caption, const QString& text, std::uint32_t flags)
{
    const QString title = caption.isEmpty() ? QString::fromLatin1(AppPaths::kProductName) : caption;
    return MessageBox()->Show(title, text, flags);
}
