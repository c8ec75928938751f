#pragma once
// The millisecond tick of the sheet's change marks: monotonic and 64 bits wide, so marks never
// wrap, and never 0, which the marks keep for "no change recorded". Tests give the data sets
// a source of their own.

#include <cstdint>
#include <functional>

namespace OSTickClock
{
using Source = std::function<std::uint64_t()>;

std::uint64_t Now();
}
