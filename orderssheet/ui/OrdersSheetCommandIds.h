#pragma once
// The orders sheet's ribbon: its tab, groups and the commands of its panes and mode.

#include <cstdint>

namespace OrdersSheetCommandIds
{
inline constexpr std::uint32_t IDS_TAB_ORDERS_SHEET = 68;
inline constexpr std::uint32_t GROUP_CONTENTS = 471;
inline constexpr std::uint32_t GROUP_VISIBILITY = 480;

inline constexpr std::uint32_t ID_LOCK_COLUMNS = 443;
inline constexpr std::uint32_t ID_SUMMARY = 444;
inline constexpr std::uint32_t ID_VSCROLL = 447;
inline constexpr std::uint32_t ID_SUMMARY_SETTINGS = 452;
inline constexpr std::uint32_t ID_VISIBLE_COLUMNS = 455;
inline constexpr std::uint32_t ID_COLUMNS_GALLERY = 463;
inline constexpr std::uint32_t ID_ORDERS_PANE = 449;
inline constexpr std::uint32_t ID_CURSOR = 451;
inline constexpr std::uint32_t ID_SHEET_MODE = 456;
inline constexpr std::uint32_t ID_ROW_CURR_VALUE = 466;
inline constexpr std::uint32_t ID_CHART = 473;
inline constexpr std::uint32_t ID_EDIT_STYLE = 458;
inline constexpr std::uint32_t ID_SHEET_STYLE = 490;
// The mode command's texts: to the offers mode, to the orders mode.
inline constexpr std::uint32_t IDS_TO_OFFERS_MODE = 488;
inline constexpr std::uint32_t IDS_TO_ORDERS_MODE = 489;
}
