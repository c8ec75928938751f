#include "charts/ui/AssetChoiceServices.h"

#include "core/engine/BLProvidersManager.h"
#include "core/mediator/AppMediator.h"

AssetChoiceServices AssetChoiceServices::Running()
{
    AssetChoiceServices services;
    services.setDefaultProvider = [](ProviderBase* provider) {
        AppMediator* mediator = AppMediator::Instance();
        if (mediator && mediator->GetProvidersManager())
            mediator->GetProvidersManager()->SetDefaultProvider(provider);
    };
    services.showError = [](const QString& text) {
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->ShowError(QStringLiteral("Quorvanta 4"), text);
    };
    services.writeError = [](const QString& where, int line, const QString& text) {
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->WriteError(QStringLiteral("Quorvanta 4"), where, line, text);
    };
    return services;
}
