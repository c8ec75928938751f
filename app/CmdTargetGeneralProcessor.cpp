#include "app/CmdTargetGeneralProcessor.h"

#include "cloud/engine/CloudManager.h"
#include "core/engine/ConsumerManager.h"
#include "core/help/HelpBase.h"
#include "core/help/HelpQ4Classic.h"
#include "core/help/IUpdatesHandler.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/Quorvanta4FactoryBase.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QWidget>

CmdTargetGeneralProcessor::CmdTargetGeneralProcessor()
{
    OnCommand(ID_OPTIONS, &CmdTargetGeneralProcessor::OnOptions);
    OnCommand(ID_HELP, &CmdTargetGeneralProcessor::OnHelp);
    OnCommand(ID_UPDATE_PROGRAM, &CmdTargetGeneralProcessor::OnUpdateProgram);
    OnCommand(ID_CLOSE_APPLICATION, &CmdTargetGeneralProcessor::OnCloseApplication);
    OnCommand(ID_DISCARD, &CmdTargetGeneralProcessor::OnDiscard);
}

void CmdTargetGeneralProcessor::OnOptions()
{
    AppMediator* mediator = AppMediator::Instance();
    GeneralSettingsManager* manager = mediator ? mediator->GetGeneralSettingsManager() : nullptr;
    if (manager == nullptr)
    {
        Log::WriteWarning(QStringLiteral("Program działa bez ustawień ogólnych: okna opcji nie otwarto."),
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("CmdTargetGeneralProcessor::OnOptions"),
                          __LINE__);
        return;
    }
    // The cloud's group must be there before the dialog lists the groups.
    CloudManager::Instance();
    GeneralSettingsDlg dialog(*manager);
    dialog.DoModal();
}

void CmdTargetGeneralProcessor::OnHelp()
{
    AppMediator* mediator = AppMediator::Instance();
    if (const std::shared_ptr<HelpQ4Classic> help = mediator ? mediator->GetFactory()->CreateHelp() : nullptr)
        help->ShowHelp();
}

void CmdTargetGeneralProcessor::OnUpdateProgram()
{
    AppMediator* mediator = AppMediator::Instance();
    if (const std::shared_ptr<IUpdatesHandler> updater = mediator ? mediator->GetFactory()->CreateUpdateHandler() : nullptr)
        updater->CheckForUpdates();
}

void CmdTargetGeneralProcessor::OnCloseApplication()
{
    AppMediator* mediator = AppMediator::Instance();
    if (IMainFrame* frame = mediator ? mediator->GetMainFrame() : nullptr)
        frame->GetWindow()->close();
}

void CmdTargetGeneralProcessor::OnDiscard()
{
    AppMediator* mediator = AppMediator::Instance();
    if (ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr)
        consumers->NotifyEscapeCommand();
}
