#pragma once
// Asks the processor to bring memory into its cache ahead of use. The alerts worker tests the
// alerts linked to an argument one after another; their objects lie far apart, and fetching
// them all at once before the first test overlaps the waits that would otherwise come in a row.

#include <cstddef>

inline void PrefetchBytes(const void* address, std::size_t bytes)
{
    constexpr std::size_t kLine = 64;
    const char* begin = static_cast<const char*>(address);
    for (std::size_t offset = 0; offset < bytes; offset += kLine)
        __builtin_prefetch(begin + offset);
}
