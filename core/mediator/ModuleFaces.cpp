#include "core/mediator/ModuleFaces.h"

#include "platform/modules/IAlertArgumentSource.h"
#include "platform/modules/IGenericModule.h"

IAlertArgumentSource* ModuleFaces::AlertArgumentSource(IGenericModule* module)
{
    return dynamic_cast<IAlertArgumentSource*>(module);
}
