#pragma once
// The command ids of the session-statistics style-editing tabs.

#include <cstdint>

namespace SessionStatisticsStyleCmdIds
{
inline constexpr std::uint32_t ID_DISCARD_AND_LEAVE = 33463;
inline constexpr std::uint32_t ID_HORIZONTAL_GRID = 33382;
inline constexpr std::uint32_t ID_VERTICAL_GRID = 33383;
inline constexpr std::uint32_t ID_GRID_COLOUR = 33384;
inline constexpr std::uint32_t ID_LINE_TYPE = 33385;
inline constexpr std::uint32_t ID_LINE_WIDTH = 33386;
inline constexpr std::uint32_t ID_HIGHLIGHT_CHANGES = 33396;
inline constexpr std::uint32_t ID_HIGHLIGHT_COLOUR = 33397;
inline constexpr std::uint32_t ID_HIGHLIGHT_GRADIENT = 33399;
inline constexpr std::uint32_t ID_HIGHLIGHT_ANIMATE = 33401;
inline constexpr std::uint32_t ID_HIGHLIGHT_BOLD = 33402;
inline constexpr std::uint32_t ID_COPY_FROM = 33387;
inline constexpr std::uint32_t ID_STYLE_NAME = 33388;
inline constexpr std::uint32_t ID_DISCARD = 33389;
inline constexpr std::uint32_t ID_SAVE_IN_SETTINGS = 33390;
inline constexpr std::uint32_t ID_SAVE = 33391;
// The first ids of the text-style blocks of rises, falls, turnover and transactions.
inline constexpr std::uint32_t ID_RISES_BLOCK = 33404;
inline constexpr std::uint32_t ID_FALLS_BLOCK = 33414;
inline constexpr std::uint32_t ID_TURNOVER_BLOCK = 33434;
inline constexpr std::uint32_t ID_TRANSACTIONS_BLOCK = 33424;
// The overall bar.
inline constexpr std::uint32_t ID_BAR_BACKGROUND = 33454;
inline constexpr std::uint32_t ID_BAR_RISES = 33455;
inline constexpr std::uint32_t ID_BAR_FALLS = 33456;
inline constexpr std::uint32_t ID_BAR_NO_CHANGE = 33457;
inline constexpr std::uint32_t ID_BAR_FONT = 33458;
inline constexpr std::uint32_t ID_BAR_FONT_SIZE = 33459;
inline constexpr std::uint32_t ID_BAR_FONT_COLOUR = 33460;
}
