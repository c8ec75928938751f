#include "tests/core/plugins/PluginEvents.h"

#include <mutex>
#include <utility>

namespace
{
std::mutex g_lock;
QStringList g_events;
}

void RecordPluginEvent(const QString& event)
{
    std::lock_guard lock(g_lock);
    g_events.append(event);
}

QStringList TakePluginEvents()
{
    std::lock_guard lock(g_lock);
    return std::exchange(g_events, {});
}
