#pragma once
// Opening a system library when a feature first needs it instead of with the program, and taking
// its functions by name. The library stays loaded for the rest of the run.

#include <QString>

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
}
