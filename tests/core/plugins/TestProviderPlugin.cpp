// A provider plug-in for the loader's tests; the build makes one library per kind:
// TEST_PLUGIN_KIND 1 good, 2 refusing, 3 null provider, 4 no provider export, 5 other API version.

#include "platform/modules/PluginApi.h"
#include "tests/core/plugins/PluginEvents.h"
#include "tests/support/FakeProvider.h"

#if TEST_PLUGIN_KIND == 5
Q4_PLUGIN_EXPORT int GetPluginApiVersion()
{
    return kPluginApiVersion + 1;
}
#else
Q4_DEFINE_PLUGIN_API_VERSION
#endif

#if TEST_PLUGIN_KIND != 4
Q4_PLUGIN_EXPORT ProviderBase* GetProvider()
{
#if TEST_PLUGIN_KIND == 3
    return nullptr;
#else
    static FakeProvider provider(QStringLiteral(TEST_PLUGIN_NAME), &RecordPluginEvent);
    provider.accepts = TEST_PLUGIN_KIND != 2;
    return &provider;
#endif
}
#endif
