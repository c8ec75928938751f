#pragma once
// The command ids of the files-generator window's ribbon commands.

#include <cstdint>

namespace FilesGenCmd
{
inline constexpr std::uint32_t ID_LOCK_COLUMNS = 296;
inline constexpr std::uint32_t ID_INSERT_INSTRUMENT = 298;
inline constexpr std::uint32_t ID_REMOVE = 300;
inline constexpr std::uint32_t ID_MANAGE = 301;
inline constexpr std::uint32_t ID_HISTORY = 302;
inline constexpr std::uint32_t ID_OPEN_FOLDER = 311;
inline constexpr std::uint32_t ID_MANAGE_INSTRUMENTS = 32797;
// The settings property of the column lock.
inline constexpr int kColumnLockProperty = 1;
}
