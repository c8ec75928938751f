#pragma once
// Asks the processor to bring memory into its cache ahead of use. The alerts worker tests the
// alerts linked to an argument one after another; their objects lie far apart, and fetching
// them all at once before the first test overlaps the waits that would otherwise come in a row.

#include <cstddef>
#include <cstdint>

// Every line the bytes touch, also the last one of bytes that do not start on a line.
inline void PrefetchBytes(const void* address, std::size_t bytes)
{
    constexpr std::uintptr_t kLine = 64;
    const auto begin = reinterpret_cast<std::uintptr_t>(address);
    for (std::uintptr_t line = begin & ~(kLine - 1); line < begin + bytes; line += kLine)
        __builtin_prefetch(reinterpret_cast<const void*>(line));
}
