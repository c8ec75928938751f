// The exports of the "Kelvora OnLine" provider library.

#include "providers/simfeed/KelvoraOnLineProvider.h"

#include "platform/modules/PluginApi.h"

Q4_DEFINE_PLUGIN_API_VERSION

Q4_PLUGIN_EXPORT ProviderBase* GetProvider()
{
    static KelvoraOnLineProvider provider;
    return &provider;
}
