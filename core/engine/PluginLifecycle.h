#pragma once
// The order in which the application ends the work of its plug-ins when it closes: the
// providers first, so that no quote reaches a consumer that has stopped, then the consumers;
// the session is saved between the two steps.

class AssembliesManager;

namespace PluginLifecycle
{
void StopWork(AssembliesManager& providers, AssembliesManager& consumers);
void ShutDown(AssembliesManager& providers, AssembliesManager& consumers);
}
