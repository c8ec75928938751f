#pragma once
// String-table ids of the general settings dialog's texts.

#include <cstdint>

namespace GeneralSettingsDlgStrings
{
inline constexpr std::uint32_t kCaption = 61100;          // "Opcje"
inline constexpr std::uint32_t kRestoreDefaults = 61101;  // "Przywróć ustawienia domyślne"
inline constexpr std::uint32_t kOk = 61102;
inline constexpr std::uint32_t kCancel = 61103;
inline constexpr std::uint32_t kTools = 61104;            // "Narzędzia", the shared task-panel group
inline constexpr std::uint32_t kSaveFailed = 61105;       // %1 the groups
inline constexpr std::uint32_t kPasswordKept = 61106;     // %1 the parameters
inline constexpr std::uint32_t kRestoreFailed = 61107;    // %1 the groups
}
