#pragma once
// Opening a system library when a feature first needs it instead of with the program, and taking
// its functions by name. The library stays loaded for the rest of the run.

#include <QString>

#include <mutex>

namespace OnDemandLibrary
{
// The library's handle, or null with the loader's reason in errorText.
void* Open(const char* fileName, QString& errorText);

void* ResolveAddress(void* library, const char* name);

// Sets target to the named function; false when the library has none of that name.
template <typename Function>
bool Resolve(void* library, const char* name, Function& target)
{
    target = reinterpret_cast<Function>(ResolveAddress(library, name));
    return target != nullptr;
}

// The loader's last error, for a failed Resolve.
QString LastError();

// A library's table of functions, filled by load on the first call and kept for the run; null,
// with the reason load gave in errorText, when it could not be filled. One table per type.
template <typename Functions>
const Functions* LoadOnce(QString (*load)(Functions&), QString* errorText)
{
    static std::once_flag once;
    static Functions functions{};
    static QString error;
    std::call_once(once, [load] { error = load(functions); });
    if (!error.isEmpty() && errorText)
        *errorText = error;
    return error.isEmpty() ? &functions : nullptr;
}
}
