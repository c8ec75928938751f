#include "alerts/ui/AlertDefinitionMessages.h"

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"

namespace AlertDefinitionMessages
{
void ShowError(const QString& text)
{
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->ShowMessageBox(QString(), text, MB_ICONERROR);
    else
        DialogServices::ShowMessageBox(QString(), text, MB_ICONERROR);
}
}
