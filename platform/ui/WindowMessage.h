#pragma once
// Window messages as the program's windows exchange them: a message number with two
// integer arguments, as the system numbers them, plus an optional owned payload for data
// that must travel with a posted message (never a pointer to the sender's stack).

#include <any>
#include <cstdint>

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Identifies a window for as long as it lives and is never reused afterwards, so a thread
// that keeps it can post safely while the window may be destroyed on the main thread.
enum class WndHandle : std::uint64_t
{
    None = 0
};

inline constexpr std::uint32_t WM_NOTIFY = 0x004E;
inline constexpr std::uint32_t WM_COMMAND = 0x0111;
inline constexpr std::uint32_t WM_USER = 0x0400;
inline constexpr std::uint32_t WM_APP = 0x8000;

struct WindowMessage
{
    std::uint32_t message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    std::any payload;
};

// WM_COMMAND carries the command id in the low word of wParam and the source code in the high word.
constexpr WParam MakeCommandWParam(std::uint32_t id, std::uint32_t code = 0)
{
    return static_cast<WParam>((id & 0xFFFFu) | ((code & 0xFFFFu) << 16));
}

constexpr std::uint32_t CommandIdOf(WParam wParam)
{
    return static_cast<std::uint32_t>(wParam & 0xFFFFu);
}
