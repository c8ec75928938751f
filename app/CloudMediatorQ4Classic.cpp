#include "app/CloudMediatorQ4Classic.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertManager.h"
#include "cloud/engine/CloudManager.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/ProviderBase.h"
#include "ribbon/UpdateRibbonContext.h"

namespace
{
// Alerts on their way out or switched off on the server are not evaluated.
constexpr std::int32_t kInactiveStatus = -6;

ProviderBase::CloudAlertConditions ConditionsOf(std::weak_ptr<CloudAlertManager> manager)
{
    return [manager = std::move(manager)] {
        std::vector<CloudAlertCondition> conditions;
        const std::shared_ptr<CloudAlertManager> alerts = manager.lock();
        if (!alerts)
            return conditions;
        for (const CloudAlertData& alert : alerts->GetCloudAlerts())
        {
            if (alert.deletePending || alert.status == kInactiveStatus)
                continue;
            conditions.push_back(CloudAlertCondition{
                alert.id, alert.isin, alert.once,
                CloudAlertSideCondition{alert.buyDefined, alert.buyItemType, alert.buyOperator, alert.buyValue},
                CloudAlertSideCondition{alert.sellDefined, alert.sellItemType, alert.sellOperator, alert.sellValue}});
        }
        return conditions;
    };
}
}

UserSettings CloudMediatorQ4Classic::GetUserSettings()
{
    UserSettings login;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ForwardToDefaultProvider2(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&login)));
    return login;
}

bool CloudMediatorQ4Classic::SetAlertReceiver(const QString& providerName, AlertReceiver* receiver)
{
    AppMediator* mediator = AppMediator::Instance();
    ProviderBase* provider = mediator ? mediator->GetRunningProvider(providerName) : nullptr;
    if (!provider)
        return false;
    if (!receiver)
        return provider->SetAlertReceiver(nullptr, nullptr);
    auto manager = std::dynamic_pointer_cast<CloudAlertManager>(CloudManager::Instance().GetAlertManager());
    return provider->SetAlertReceiver(receiver, ConditionsOf(manager));
}

void CloudMediatorQ4Classic::ShowInfo(const QString& text)
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ShowInfo(QString(), text);
}

void CloudMediatorQ4Classic::UpdateRibbonContextWithoutModule()
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->UpdateRibbonContext(true, UpdateRibbonContext(nullptr));
}
