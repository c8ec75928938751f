#include "app/CloudMediatorQ4Classic.h"

#include "core/mediator/AppMediator.h"
#include "ribbon/UpdateRibbonContext.h"

UserSettings CloudMediatorQ4Classic::GetUserSettings()
{
    UserSettings login;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ForwardToDefaultProvider2(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&login)));
    return login;
}

bool CloudMediatorQ4Classic::SetAlertReceiver(const QString&, AlertReceiver*)
{
    return false;
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
