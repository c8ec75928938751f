#include "app/CloudMainWindowQ4Classic.h"

#include "core/mediator/AppMediator.h"

bool CloudMainWindowQ4Classic::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator && mediator->PostMessageToPulpitFrame(message, wParam, lParam);
}
