#include "core/engine/PluginLifecycle.h"

#include "core/engine/AssembliesManager.h"

namespace PluginLifecycle
{
void StopWork(AssembliesManager& providers, AssembliesManager& consumers)
{
    providers.StopWork();
    consumers.StopWork();
}

void ShutDown(AssembliesManager& providers, AssembliesManager& consumers)
{
    providers.ShutDown();
    consumers.ShutDown();
}
}
