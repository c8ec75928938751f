#pragma once
// The command ids of the details, offers and transaction-list windows' ribbon commands.

#include <cstdint>

namespace DetailsCmd
{
inline constexpr std::uint32_t ID_LOCK_COLUMNS = 32942;
inline constexpr std::uint32_t ID_ROW_UP = 32953;
inline constexpr std::uint32_t ID_ROW_DOWN = 32954;
inline constexpr std::uint32_t ID_EDIT_STYLE = 33071;
inline constexpr std::uint32_t ID_STYLE_GALLERY = 33072;
inline constexpr std::uint32_t ID_LINK = 33678;
inline constexpr std::uint32_t ID_FONT_LARGER = 33845;
inline constexpr std::uint32_t ID_FONT_SMALLER = 33846;
inline constexpr std::uint32_t ID_FONT_RESTORE = 33847;
inline constexpr std::uint32_t ID_MORE_OPTIONS = 33848;
inline constexpr std::uint32_t ID_RESTORE = 33850;
}

namespace OffersCmd
{
inline constexpr std::uint32_t ID_LOCK_COLUMNS = 32937;
inline constexpr std::uint32_t ID_EDIT_STYLE = 33075;
inline constexpr std::uint32_t ID_STYLE_GALLERY = 33077;
inline constexpr std::uint32_t ID_LINK = 33679;
inline constexpr std::uint32_t ID_LAYOUT = 33689;
inline constexpr std::uint32_t ID_FONT_LARGER = 33857;
inline constexpr std::uint32_t ID_FONT_SMALLER = 33858;
inline constexpr std::uint32_t ID_FONT_RESTORE = 33859;
inline constexpr std::uint32_t ID_MORE_OPTIONS = 33860;
inline constexpr std::uint32_t ID_RESTORE = 33862;
}

namespace TransListCmd
{
inline constexpr std::uint32_t ID_SESSION_DATE = 32908;
inline constexpr std::uint32_t ID_LOCK_COLUMNS = 32928;
inline constexpr std::uint32_t ID_HIDE_SCROLL = 32955;
inline constexpr std::uint32_t ID_COLUMNS = 33037;
inline constexpr std::uint32_t ID_SHOW_COLUMNS = 33038;
inline constexpr std::uint32_t ID_EDIT_STYLE = 33073;
inline constexpr std::uint32_t ID_STYLE_GALLERY = 33074;
inline constexpr std::uint32_t ID_LINK = 33680;
inline constexpr std::uint32_t ID_SYNCHRONISE = 33690;
inline constexpr std::uint32_t ID_FONT_LARGER = 33883;
inline constexpr std::uint32_t ID_FONT_SMALLER = 33884;
inline constexpr std::uint32_t ID_FONT_RESTORE = 33885;
inline constexpr std::uint32_t ID_MORE_OPTIONS = 33886;
inline constexpr std::uint32_t ID_RESTORE = 33888;
// The date picker under "Data sesji" reports a picked date with this notification.
inline constexpr int kDatePickedCode = 0xFFCD;
}

namespace TransMonitorCmd
{
inline constexpr std::uint32_t ID_LOCK_COLUMNS = 33795;
inline constexpr std::uint32_t ID_HIDE_SCROLL = 33796;
inline constexpr std::uint32_t ID_SHOW_COLUMNS = 33797;
inline constexpr std::uint32_t ID_UNNAMED = 33798;
inline constexpr std::uint32_t ID_STYLE = 33799;
inline constexpr std::uint32_t ID_STYLE_GALLERY = 33838;
inline constexpr std::uint32_t ID_MANAGE = 32797;
inline constexpr std::uint32_t ID_MANAGE_ASSETS = 33894;
inline constexpr std::uint32_t ID_FONT_LARGER = 33906;
inline constexpr std::uint32_t ID_FONT_SMALLER = 33907;
inline constexpr std::uint32_t ID_FONT_RESTORE = 33908;
inline constexpr std::uint32_t ID_MORE_OPTIONS = 33909;
inline constexpr std::uint32_t ID_RESTORE_ALL = 33910;
inline constexpr std::uint32_t ID_RESTORE = 33911;
}
