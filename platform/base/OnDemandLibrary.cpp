#include "platform/base/OnDemandLibrary.h"

#include <dlfcn.h>

namespace OnDemandLibrary
{
void* Open(const char* fileName, QString& errorText)
{
    void* library = ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        errorText = LastError();
    return library;
}

void* ResolveAddress(void* library, const char* name)
{
    return ::dlsym(library, name);
}

QString LastError()
{
    const char* error = ::dlerror();
    return error ? QString::fromLocal8Bit(error) : QString();
}
}
