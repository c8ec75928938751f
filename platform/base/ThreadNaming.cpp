#include "platform/base/ThreadNaming.h"

#include <pthread.h>

namespace ThreadNaming
{
bool SetCurrent(const QString& name)
{
    constexpr int kMaxBytes = 15;
    return pthread_setname_np(pthread_self(), name.toUtf8().left(kMaxBytes).constData()) == 0;
}
}
