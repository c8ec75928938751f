#pragma once
// The command ids of the style-editing tabs of the list windows (quote table, transaction list,
// transactions monitor) and of a text field edited by itself.

#include <cstdint>

namespace StyleEditListCmdIds
{
// Every kind: restore the session's first state and leave.
inline constexpr std::uint32_t ID_DISCARD_AND_LEAVE = 33463;

// Quote table.
inline constexpr std::uint32_t ID_TABLE_HORIZONTAL_GRID = 33102;
inline constexpr std::uint32_t ID_TABLE_VERTICAL_GRID = 33104;
inline constexpr std::uint32_t ID_TABLE_GRID_COLOUR = 33105;
inline constexpr std::uint32_t ID_TABLE_LINE_TYPE = 33106;
inline constexpr std::uint32_t ID_TABLE_LINE_WIDTH = 33107;
inline constexpr std::uint32_t ID_TABLE_HIGHLIGHT_CHANGES = 33108;
inline constexpr std::uint32_t ID_TABLE_HIGHLIGHT_COLOUR = 33110;
inline constexpr std::uint32_t ID_TABLE_CURSOR_COLOUR = 33111;
inline constexpr std::uint32_t ID_TABLE_COLOURING = 33112;
inline constexpr std::uint32_t ID_TABLE_COPY_FROM = 33113;
inline constexpr std::uint32_t ID_TABLE_STYLE_NAME = 33114;
inline constexpr std::uint32_t ID_TABLE_DISCARD = 33115;
inline constexpr std::uint32_t ID_TABLE_SAVE = 33117;
inline constexpr std::uint32_t ID_TABLE_ODD_STYLE = 33120;
inline constexpr std::uint32_t ID_TABLE_EVEN_STYLE = 33130;
inline constexpr std::uint32_t ID_TABLE_COLOURING_MODE_0 = 32831;  // then 32832, 32833
inline constexpr std::uint32_t ID_TABLE_OPTION_6 = 32930;
inline constexpr std::uint32_t ID_TABLE_ANIMATE = 32828;
inline constexpr std::uint32_t ID_TABLE_BOLD_CHANGES = 32781;
inline constexpr std::uint32_t ID_TABLE_OPTION_11_ON = 32834;
inline constexpr std::uint32_t ID_TABLE_OPTION_11_OFF = 32835;

// Transaction list.
inline constexpr std::uint32_t ID_TRANS_HORIZONTAL_GRID = 33231;
inline constexpr std::uint32_t ID_TRANS_VERTICAL_GRID = 33232;
inline constexpr std::uint32_t ID_TRANS_GRID_COLOUR = 33233;
inline constexpr std::uint32_t ID_TRANS_LINE_TYPE = 33234;
inline constexpr std::uint32_t ID_TRANS_LINE_WIDTH = 33235;
inline constexpr std::uint32_t ID_TRANS_COLOURING = 33236;
inline constexpr std::uint32_t ID_TRANS_COPY_FROM = 33237;
inline constexpr std::uint32_t ID_TRANS_STYLE_NAME = 33238;
inline constexpr std::uint32_t ID_TRANS_DISCARD = 33239;
inline constexpr std::uint32_t ID_TRANS_SAVE_AS_DEFAULT = 33240;
inline constexpr std::uint32_t ID_TRANS_SAVE = 33241;
inline constexpr std::uint32_t ID_TRANS_HORIZONTAL_CAPTION = 33243;
inline constexpr std::uint32_t ID_TRANS_VERTICAL_CAPTION = 33244;
// The first ids of the six related-style groups, ten ids each, relations 1 to 6.
inline constexpr std::uint32_t ID_TRANS_FIRST_GROUP = 33245;
inline constexpr std::uint32_t ID_TRANS_COLOURING_MODE_0 = 32910;  // then 32911, 32912

// Transactions monitor.
inline constexpr std::uint32_t ID_MONITOR_ODD_STYLE = 33807;
inline constexpr std::uint32_t ID_MONITOR_ODD_COPY_FROM = 33808;
inline constexpr std::uint32_t ID_MONITOR_ODD_FONT = 33809;
inline constexpr std::uint32_t ID_MONITOR_EVEN_STYLE = 33817;
inline constexpr std::uint32_t ID_MONITOR_EVEN_COPY_FROM = 33818;
inline constexpr std::uint32_t ID_MONITOR_EVEN_FONT = 33819;
inline constexpr std::uint32_t ID_MONITOR_HORIZONTAL_GRID = 33827;
inline constexpr std::uint32_t ID_MONITOR_VERTICAL_GRID = 33828;
inline constexpr std::uint32_t ID_MONITOR_GRID_COLOUR = 33829;
inline constexpr std::uint32_t ID_MONITOR_LINE_TYPE = 33830;
inline constexpr std::uint32_t ID_MONITOR_LINE_WIDTH = 33831;
inline constexpr std::uint32_t ID_MONITOR_COLOURING = 33832;
inline constexpr std::uint32_t ID_MONITOR_COPY_FROM = 33833;
inline constexpr std::uint32_t ID_MONITOR_STYLE_NAME = 33834;
inline constexpr std::uint32_t ID_MONITOR_DISCARD = 33835;
inline constexpr std::uint32_t ID_MONITOR_SAVE = 33836;
inline constexpr std::uint32_t ID_MONITOR_HORIZONTAL_CAPTION = 143;
inline constexpr std::uint32_t ID_MONITOR_VERTICAL_CAPTION = 144;
inline constexpr std::uint32_t ID_MONITOR_ROWS = 33892;
inline constexpr std::uint32_t ID_MONITOR_COLUMNS = 33893;

// A text field edited by itself.
inline constexpr std::uint32_t ID_FIELD_FONT = 33086;
inline constexpr std::uint32_t ID_FIELD_SIZE = 33088;
inline constexpr std::uint32_t ID_FIELD_FONT_COLOUR = 33089;
inline constexpr std::uint32_t ID_FIELD_FONT_COLOUR_RISE = 33090;
inline constexpr std::uint32_t ID_FIELD_FONT_COLOUR_FALL = 33091;
inline constexpr std::uint32_t ID_FIELD_BACK_COLOUR_RISE = 33092;
inline constexpr std::uint32_t ID_FIELD_BACK_COLOUR_FALL = 33093;
inline constexpr std::uint32_t ID_FIELD_BACK_COLOUR = 33094;
inline constexpr std::uint32_t ID_FIELD_COPY_FROM = 33095;
inline constexpr std::uint32_t ID_FIELD_STYLE_NAME = 33096;
inline constexpr std::uint32_t ID_FIELD_DISCARD = 33097;
inline constexpr std::uint32_t ID_FIELD_SAVE = 33098;
}
