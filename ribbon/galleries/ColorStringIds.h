#pragma once
// String ids of the colour choosers' texts: the entries of the popup and the gallery, and the
// names of the standard and theme colours that their tooltips show.

#include <cstdint>

namespace ColorStringIds
{
inline constexpr std::uint32_t IDS_DEFAULT_COLOR = 34201;
inline constexpr std::uint32_t IDS_THEME_COLORS = 34202;
inline constexpr std::uint32_t IDS_STANDARD_COLORS = 34203;
inline constexpr std::uint32_t IDS_MORE_COLORS = 34204;
inline constexpr std::uint32_t IDS_LIGHTER = 34207;
inline constexpr std::uint32_t IDS_DARKER = 34208;
// Ten names each, in the order of the colours.
inline constexpr std::uint32_t IDS_STANDARD_COLOR_NAMES = 34210;
inline constexpr std::uint32_t IDS_THEME_COLOR_NAMES = 34220;
inline constexpr std::uint32_t IDS_THEME_ROLE_NAMES = 34230;
}
