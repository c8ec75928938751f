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
// "Powiąż": the gallery of open quote tables the sheet can follow.
inline constexpr std::uint32_t ID_LINK_TABLE = 33682;
inline constexpr std::uint32_t IDB_LINK_TABLE = 843;
// The tables' arrangement: automatic, in columns, in rows.
inline constexpr std::uint32_t ID_ARRANGE_AUTOMATIC = 239;
inline constexpr std::uint32_t ID_ARRANGE_COLUMNS = 240;
inline constexpr std::uint32_t ID_ARRANGE_ROWS = 241;
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

// The style group: the rows' colours and fonts and the restores.
inline constexpr std::uint32_t GROUP_STYLE = 33794;
inline constexpr std::uint32_t ID_FONT_LARGER = 943;
inline constexpr std::uint32_t ID_FONT_SMALLER = 948;
inline constexpr std::uint32_t ID_FONT_RESTORE = 952;
inline constexpr std::uint32_t ID_CURR_VALUE_FONT_LARGER = 947;
inline constexpr std::uint32_t ID_CURR_VALUE_FONT_SMALLER = 951;
inline constexpr std::uint32_t ID_CURR_VALUE_FONT_RESTORE = 955;
inline constexpr std::uint32_t ID_RESTORE_COLUMNS = 1430;
inline constexpr std::uint32_t ID_RESTORE_ORDER_ROWS = 1431;
inline constexpr std::uint32_t ID_RESTORE_CURR_VALUE_ROW = 1432;
inline constexpr std::uint32_t ID_RESTORE_STYLES = 33787;
inline constexpr std::uint32_t ID_RESTORE_ALL = 355;
inline constexpr std::uint32_t IDS_RESTORE_ALL_QUESTION = 410;
inline constexpr std::uint32_t IDS_RESTORE_ALL_CAPTION = 283;

// The column and the order row under the cursor: their style galleries and fonts.
inline constexpr std::uint32_t ID_COLUMN_STYLE = 462;
inline constexpr std::uint32_t ID_ROW_STYLE = 460;
inline constexpr std::uint32_t ID_COLUMN_FONT_LARGER = 1292;
inline constexpr std::uint32_t ID_COLUMN_FONT_SMALLER = 949;
inline constexpr std::uint32_t ID_COLUMN_FONT_RESTORE = 953;
inline constexpr std::uint32_t ID_ROW_FONT_LARGER = 946;
inline constexpr std::uint32_t ID_ROW_FONT_SMALLER = 950;
inline constexpr std::uint32_t ID_ROW_FONT_RESTORE = 954;

struct RowColorCommand
{
    std::uint32_t id;
    int kind;
    int parameterId;
};

// Odd rows (kind 0), even rows (1) and the current-value row (4): font colours 2, 4, 6 and
// backgrounds 3, 5, 7 (plain, on a rise, on a fall); the new order's font 8 and background 9.
// The column (kind 2) and the order row (kind 3) under the cursor: the same parameters without
// the new order's.
inline constexpr RowColorCommand kCursorColorCommands[] = {
    {909, 2, 2}, {910, 2, 4}, {912, 2, 6}, {914, 2, 3}, {916, 2, 5}, {918, 2, 7},
    {920, 3, 2}, {921, 3, 4}, {922, 3, 6}, {924, 3, 3}, {927, 3, 5}, {929, 3, 7},
};

inline constexpr RowColorCommand kRowColorCommands[] = {
    {770, 0, 2}, {772, 0, 4}, {774, 0, 6}, {776, 0, 3}, {778, 0, 5}, {779, 0, 7}, {310, 0, 8}, {309, 0, 9},
    {771, 1, 2}, {773, 1, 4}, {775, 1, 6}, {777, 1, 3}, {769, 1, 5}, {780, 1, 7}, {307, 1, 8}, {308, 1, 9},
    {931, 4, 2}, {932, 4, 4}, {934, 4, 6}, {936, 4, 3}, {938, 4, 5}, {940, 4, 7},
};
}
