#pragma once
// What a plug-in library exports so that the program can load it: its plug-in API version and
// its consumer ("GetConsumer") or provider ("GetProvider"). The program checks the version
// before it calls anything else, and skips a library built against another version of the
// interfaces in platform/modules: their layout is only shared by libraries built together.

class ConsumerBase;
class ProviderBase;

// Raised whenever an interface that plug-ins implement or call changes.
inline constexpr int kPluginApiVersion = 1;

inline constexpr const char* kPluginApiVersionExport = "GetPluginApiVersion";
inline constexpr const char* kConsumerExport = "GetConsumer";
inline constexpr const char* kProviderExport = "GetProvider";
// The file name pattern of plug-in libraries in the "Consumers" and "Providers" folders.
inline constexpr const char* kPluginLibraryPattern = "*.so";

extern "C"
{
using GetPluginApiVersionFunction = int (*)();
using GetConsumerFunction = ConsumerBase* (*)();
using GetProviderFunction = ProviderBase* (*)();
}

// Marks a function a plug-in exports by its plain name.
#define Q4_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

// Defines the version export of a plug-in library; one per library.
#define Q4_DEFINE_PLUGIN_API_VERSION                    \
    Q4_PLUGIN_EXPORT int GetPluginApiVersion()          \
    {                                                   \
        return kPluginApiVersion;                       \
    }
