#include "orderssheet/engine/OSTickClock.h"

#include <algorithm>
#include <chrono>

namespace OSTickClock
{
std::uint64_t Now()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return std::max<std::uint64_t>(1, static_cast<std::uint64_t>(milliseconds));
}
}
