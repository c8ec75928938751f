// The exports of the "Kelvora OnLine" provider library.

#include "platform/modules/PluginApi.h"
#include "providers/simfeed/KelvoraOnLineProvider.h"
#include "providers/simfeed/SimClock.h"

Q4_DEFINE_PLUGIN_API_VERSION

Q4_PLUGIN_EXPORT ProviderBase* GetProvider()
{
    static KelvoraOnLineProvider provider(SimClock::FromEnvironment());
    return &provider;
}
