#include "platform/base/CurlLibrary.h"

#include "platform/base/OnDemandLibrary.h"

namespace CurlLibrary
{
namespace
{
// Fills the table; gives why it could not, or an empty text.
QString Load(CurlFunctions& f)
{
    using OnDemandLibrary::Resolve;
    QString reason;
    void* library = OnDemandLibrary::Open("libcurl.so.4", reason);
    if (!library)
        return QStringLiteral("Nie można załadować biblioteki libcurl: %1").arg(reason);
    // Kept loaded for the rest of the run: curl's global state lives in it.
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
        return QStringLiteral("Biblioteka libcurl nie ma potrzebnych funkcji: %1").arg(OnDemandLibrary::LastError());
    if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return QStringLiteral("Biblioteka libcurl nie dała się przygotować do pracy");
    return {};
}
}

const CurlFunctions* Functions(QString* errorText)
{
    return OnDemandLibrary::LoadOnce<CurlFunctions>(Load, errorText);
}
}
