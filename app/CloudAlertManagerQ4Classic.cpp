#include "app/CloudAlertManagerQ4Classic.h"

#include "alerts/engine/AlertModule.h"
#include "cloud/engine/CloudAlertManager.h"
#include "cloud/engine/CloudManager.h"
#include "cloud/ui/CloudAlertDefinitionDlgHolder.h"
#include "cloud/ui/CloudAlertNotificationPopup.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "platform/ui/MessageBoxFlags.h"

std::shared_ptr<CloudAlertManager> ConnectCloudAlertsQ4Classic(CloudManager& cloud)
{
    CloudAlertManager::Links links;
    links.defaultProvider = []() -> ProviderBase* {
        AppMediator* mediator = AppMediator::Instance();
        return mediator ? mediator->GetDefaultProvider() : nullptr;
    };
    links.alertModule = [] { return AlertModule::Instance(); };
    links.requests = [] { return &CloudManager::Instance().GetMessageManager(); };
    links.askYesNo = [](const QString& text) {
        AppMediator* mediator = AppMediator::Instance();
        return mediator && mediator->ShowMessageBox(QString(), text, MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
    links.showError = [](const QString& text) {
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->ShowMessageBox(QString(), text, MB_ICONERROR);
    };
    auto manager = std::make_shared<CloudAlertManager>(std::move(links));
    manager->SetDefinitionDlgHost(std::make_shared<CloudAlertDefinitionDlgHolder>(
        []() -> QWidget* {
            AppMediator* mediator = AppMediator::Instance();
            IMainFrame* frame = mediator ? mediator->GetMainFrame() : nullptr;
            return frame ? frame->GetWindow() : nullptr;
        },
        [] {
            return CloudAlertDefinitionDlg::ProgramServices(
                [] {
                    const AlertModule* alerts = AlertModule::Instance();
                    return alerts ? alerts->GetNewAlertName() : QString();
                },
                {});
        }));
    cloud.SetAlertManager(manager);
    cloud.SetWindowMessageHandler([](unsigned message) {
        if (message != CloudAlertNotificationPopup::ShowLatestMessage())
            return false;
        CloudAlertNotificationPopup::ShowLatestNotification();
        return true;
    });
    return manager;
}
