#pragma once
// Starts the separate updater program that is installed beside the executable, in one of its
// modes, with the executable's folder as its working folder, and does not wait for it. When the
// updater is missing or does not start, the user who asked for the check is told; the quiet
// runs at start and at exit only log it, so an installation without an updater stays quiet.
// It needs nothing of the application mediator, because the offer to update runs on the
// program's way out, after the mediator is gone.

#include "core/help/IUpdatesHandler.h"

#include <QString>

#include <memory>

class IMessageBoxService;
class IShellService;

class QuorvantaUpateHandler : public IUpdatesHandler
{
public:
    // Programs of this platform carry no extension.
    static constexpr const char* kUpdaterFileName = "Updater";
    static constexpr const char* kAskToUpdateMode = "/asktoupdate";
    static constexpr const char* kHiddenMode = "/hidden";
    static constexpr const char* kCheckMode = "/check";

    QuorvantaUpateHandler(std::shared_ptr<IShellService> shell, std::shared_ptr<IMessageBoxService> messageBox);

    void AskToUpdate() override;
    void UpdateHidden() override;
    void CheckForUpdates() override;

    // <folder of the executable>/Updater.
    static QString UpdaterPath();

private:
    enum class Report
    {
        ToLog,
        ToUser
    };

    // True when the updater started.
    bool RunUpdater(const QString& mode, Report report);
    void ReportFailure(const QString& text, Report report);

    std::shared_ptr<IShellService> m_shell;
    std::shared_ptr<IMessageBoxService> m_messageBox;
};
