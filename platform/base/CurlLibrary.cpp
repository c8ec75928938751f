#include "platform/base/CurlLibrary.h"

#include "platform/base/OnDemandLibrary.h"

#include <mutex>

namespace CurlLibrary
{
namespace
{
struct Loaded
{
    CurlFunctions functions{};
    bool ready = false;
    QString error;
};

Loaded Load()
{
    using OnDemandLibrary::Resolve;
    Loaded loaded;
    QString reason;
    void* library = OnDemandLibrary::Open("libcurl.so.4", reason);
    if (!library)
    {
        loaded.error = QStringLiteral("Nie można załadować biblioteki libcurl: %1").arg(reason);
        return loaded;
    }
    // Kept loaded for the rest of the run: curl's global state lives in it.
    CurlFunctions& f = loaded.functions;
    decltype(&::curl_global_init) globalInit = nullptr;
    const bool resolved = Resolve(library, "curl_global_init", globalInit) &&
                          Resolve(library, "curl_easy_init", f.easy_init) &&
                          Resolve(library, "curl_easy_setopt", f.easy_setopt) &&
                          Resolve(library, "curl_easy_perform", f.easy_perform) &&
                          Resolve(library, "curl_easy_getinfo", f.easy_getinfo) &&
                          Resolve(library, "curl_easy_cleanup", f.easy_cleanup) &&
                          Resolve(library, "curl_easy_strerror", f.easy_strerror) &&
                          Resolve(library, "curl_slist_append", f.slist_append) &&
                          Resolve(library, "curl_slist_free_all", f.slist_free_all);
    if (!resolved)
    {
        loaded.error = QStringLiteral("Biblioteka libcurl nie ma potrzebnych funkcji: %1").arg(OnDemandLibrary::LastError());
        return loaded;
    }
    if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
    {
        loaded.error = QStringLiteral("Biblioteka libcurl nie dała się przygotować do pracy");
        return loaded;
    }
    loaded.ready = true;
    return loaded;
}
}

const CurlFunctions* Functions(QString* errorText)
{
    static std::once_flag once;
    static Loaded loaded;
    std::call_once(once, [] { loaded = Load(); });
    if (!loaded.ready && errorText)
        *errorText = loaded.error;
    return loaded.ready ? &loaded.functions : nullptr;
}
}
