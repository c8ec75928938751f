#pragma once
// The command ids of the quote tables' ribbon tabs; each doubles as its string-table id.

#include <cstdint>

namespace TableCommandIds
{
// Tabs and groups.
inline constexpr std::uint32_t ID_TAB_TABLE = 9;
inline constexpr std::uint32_t ID_TAB_TABLE_10 = 10;
inline constexpr std::uint32_t ID_TAB_INSTRUMENT = 11;
inline constexpr std::uint32_t ID_TAB_TABLE_12 = 12;
inline constexpr std::uint32_t ID_TAB_COLUMN = 13;
inline constexpr std::uint32_t ID_TAB_CELL = 14;
inline constexpr std::uint32_t ID_GROUP_TABLE_CONTENT = 15;
inline constexpr std::uint32_t ID_GROUP_INSTRUMENT_OPTIONS = 20;
inline constexpr std::uint32_t ID_GROUP_COLUMN_OPTIONS = 23;
inline constexpr std::uint32_t ID_RIBBON_TAB_CONTROL = 9604;

inline constexpr std::uint32_t IDS_RESTORE_ALL_QUESTION = 280;
inline constexpr std::uint32_t IDS_RESTORE_ALL_CAPTION = 283;

// Instruments.
inline constexpr std::uint32_t ID_INSERT_INSTRUMENT = 32795;
inline constexpr std::uint32_t ID_MANAGE_INSTRUMENTS = 32797;
inline constexpr std::uint32_t ID_DELETE_INSTRUMENT = 32798;
inline constexpr std::uint32_t ID_INSTRUMENT_UP = 32804;
inline constexpr std::uint32_t ID_INSTRUMENT_DOWN = 32805;
inline constexpr std::uint32_t ID_INSTRUMENT_TO_BEGIN = 32806;
inline constexpr std::uint32_t ID_INSTRUMENT_TO_END = 32807;
inline constexpr std::uint32_t ID_HIDE_INSTRUMENT = 32808;
inline constexpr std::uint32_t ID_SHOW_INSTRUMENTS = 32809;
inline constexpr std::uint32_t ID_SEARCH = 32810;
inline constexpr std::uint32_t ID_HIDDEN_INSTRUMENTS_GALLERY = 32844;

// Columns.
inline constexpr std::uint32_t ID_ADD_COLUMN_AFTER = 32813;
inline constexpr std::uint32_t ID_ADD_COLUMN_BEFORE = 32929;
inline constexpr std::uint32_t ID_REMOVE_COLUMN = 32814;
inline constexpr std::uint32_t ID_HIDE_COLUMN = 32817;
inline constexpr std::uint32_t ID_SHOW_COLUMNS = 32818;
inline constexpr std::uint32_t ID_COLUMN_LEFT = 32819;
inline constexpr std::uint32_t ID_COLUMN_RIGHT = 32820;
inline constexpr std::uint32_t ID_COLUMN_TO_BEGIN = 32821;
inline constexpr std::uint32_t ID_COLUMN_TO_END = 32822;
inline constexpr std::uint32_t ID_COLUMN_NAME = 32815;
inline constexpr std::uint32_t ID_LOCK_COLUMNS = 32922;
inline constexpr std::uint32_t ID_MERGE = 32887;
inline constexpr std::uint32_t ID_SPLIT = 33033;
inline constexpr std::uint32_t ID_CUSTOMIZE = 32823;
inline constexpr std::uint32_t ID_HIDDEN_COLUMNS_GALLERY = 32859;

// Table.
inline constexpr std::uint32_t ID_TABLE_NAME = 33932;
inline constexpr std::uint32_t ID_COPY = 32827;
inline constexpr std::uint32_t ID_COPY_DDE = 32880;
inline constexpr std::uint32_t ID_COPY_PLAIN = 33378;
inline constexpr std::uint32_t ID_LOG_STATE = 33958;
inline constexpr std::uint32_t ID_GROUP_LOG = 33957;

// Notes and pinned rows.
inline constexpr std::uint32_t ID_ADD_COMMENT = 32791;
inline constexpr std::uint32_t ID_REMOVE_COMMENT = 32921;
inline constexpr std::uint32_t ID_REMOVE_COMMENTS = 32793;
inline constexpr std::uint32_t ID_UNPIN = 32858;
inline constexpr std::uint32_t ID_UNPIN_ALL = 32788;

// Sorting.
inline constexpr std::uint32_t ID_SORT_ASC = 32783;
inline constexpr std::uint32_t ID_SORT_DESC = 32784;
inline constexpr std::uint32_t ID_AUTO_SORT = 32785;
inline constexpr std::uint32_t ID_SORT = 32786;
inline constexpr std::uint32_t ID_SORT_GALLERY = 32857;

// Offer lines.
inline constexpr std::uint32_t ID_OFFER_LINES_COMBO = 32800;
inline constexpr std::uint32_t ID_OFFER_LINES_ALL_FIRST = 33040;
inline constexpr std::uint32_t ID_OFFER_LINES_ALL_LAST = 33048;
inline constexpr std::uint32_t ID_OFFER_LINES_ONE_FIRST = 33056;
inline constexpr std::uint32_t ID_OFFER_LINES_ONE_LAST = 33064;
inline constexpr std::uint32_t ID_OFFER_LINES_ALL_MENU = 33049;
inline constexpr std::uint32_t ID_OFFER_LINES_ONE_MENU = 345;

// Display options.
inline constexpr std::uint32_t ID_TREND_TO_REFERENCE = 32773;
inline constexpr std::uint32_t ID_OFFER_LINE_ICONS = 32774;
inline constexpr std::uint32_t ID_AUTOSCROLL = 32775;
inline constexpr std::uint32_t ID_HIDE_SCROLLBAR = 33039;
inline constexpr std::uint32_t ID_ROW_CURSOR = 32782;
inline constexpr std::uint32_t ID_PRICE_PRECISION_MENU = 344;
inline constexpr std::uint32_t ID_PRECISION_DEFAULT = 33052;
inline constexpr std::uint32_t ID_PRECISION_0 = 33053;
inline constexpr std::uint32_t ID_PRECISION_2 = 33054;
inline constexpr std::uint32_t ID_PRECISION_4 = 33055;
inline constexpr std::uint32_t ID_PRECISION_6 = 33946;
inline constexpr std::uint32_t ID_ROW_LAYOUT_0 = 33070;
inline constexpr std::uint32_t ID_ROW_LAYOUT_2 = 32834;
inline constexpr std::uint32_t ID_ROW_LAYOUT_1 = 32835;

// Styles.
inline constexpr std::uint32_t ID_TABLE_STYLE_GALLERY = 33069;
inline constexpr std::uint32_t ID_COLUMN_STYLE_GALLERY = 32841;
inline constexpr std::uint32_t ID_INSTRUMENT_STYLE_GALLERY = 32840;
inline constexpr std::uint32_t ID_CELL_STYLE_GALLERY = 32933;
inline constexpr std::uint32_t ID_SIBLING_CELLS_STYLE_GALLERY = 32842;
inline constexpr std::uint32_t ID_INSTRUMENT_STYLE = 32801;
inline constexpr std::uint32_t ID_CELL_STYLE = 32824;
inline constexpr std::uint32_t ID_SIBLING_CELLS_STYLE = 32932;
inline constexpr std::uint32_t ID_COLUMN_STYLE = 32816;
inline constexpr std::uint32_t ID_MORE_OPTIONS = 33785;
inline constexpr std::uint32_t ID_RESTORE_ALL = 33786;
}
