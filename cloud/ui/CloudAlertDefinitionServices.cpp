// The cloud alert definition dialog's services in the running program: message boxes and the
// default provider through the application's mediator, names, requests and options through
// the cloud manager.

#include "cloud/engine/CloudManager.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/ui/CloudAlertDefinitionDlg.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/QuickAddInstrumentDlg.h"

CloudAlertDefinitionDlg::Services CloudAlertDefinitionDlg::ProgramServices(std::function<QString()> newAlertName,
                                                                           std::function<void(const QRect&)> closed)
{
    Services services;
    services.showMessageBox = [](const QString& caption, const QString& text, unsigned flags) {
        AppMediator* mediator = AppMediator::Instance();
        return mediator ? mediator->ShowMessageBox(caption, text, flags) : -1;
    };
    services.defaultProvider = []() -> ProviderBase* {
        AppMediator* mediator = AppMediator::Instance();
        return mediator ? mediator->GetDefaultProvider() : nullptr;
    };
    services.alertExists = [](const QString& name) { return CloudManager::Instance().CloudAlertExists(name); };
    services.addAlert = [](const QString& xml) { CloudManager::Instance().GetMessageManager().AddAlert(xml); };
    services.editAlert = [](const QString& xml, std::int32_t id) {
        CloudManager::Instance().GetMessageManager().EditAlert(xml, id);
    };
    services.generalSettings = [] { return CloudManager::Instance().GetGeneralSettingsBase(); };
    services.newAlertName = std::move(newAlertName);
    services.quickAddChosenAsset = [] { return QuickAddInstrumentDlg::GetInstance().GetChosenAsset(); };
    services.closed = std::move(closed);
    return services;
}
