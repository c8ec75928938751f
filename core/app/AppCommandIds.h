#pragma once
// The commands the application object answers itself.

#include <cstdint>

// Exports the windows' styles as a theme file ("--extended" only).
inline constexpr std::uint32_t ID_EXPORT_THEME = 33601;
// Saves the additional log buffer to its file.
inline constexpr std::uint32_t ID_SAVE_ADDITIONAL_LOG_BUFFER = 33687;
// Shows the about box.
inline constexpr std::uint32_t ID_APP_ABOUT = 0xE140;
