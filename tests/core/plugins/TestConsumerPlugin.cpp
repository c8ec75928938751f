// A consumer plug-in for the loader's tests; the build makes one library per kind:
// TEST_PLUGIN_KIND 1 good, 2 refusing, 3 null consumer, 4 no consumer export, 5 other API version.

#include "platform/modules/PluginApi.h"
#include "tests/core/plugins/PluginEvents.h"
#include "tests/support/FakeConsumer.h"
#include "tests/support/SettingsGroupToken.h"

#if TEST_PLUGIN_KIND == 5
Q4_PLUGIN_EXPORT int GetPluginApiVersion()
{
    return kPluginApiVersion + 1;
}
#else
Q4_DEFINE_PLUGIN_API_VERSION
#endif

#if TEST_PLUGIN_KIND != 4
Q4_PLUGIN_EXPORT ConsumerBase* GetConsumer()
{
#if TEST_PLUGIN_KIND == 3
    return nullptr;
#else
    static FakeConsumer consumer(QStringLiteral(TEST_PLUGIN_NAME), QStringLiteral(".q4x"), &RecordPluginEvent);
    consumer.accepted = TEST_PLUGIN_KIND != 2;
    if (!consumer.group)
        consumer.group = MakeSettingsGroupToken();
    return &consumer;
#endif
}
#endif
