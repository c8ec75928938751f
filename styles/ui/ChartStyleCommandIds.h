#pragma once
// The ribbon command ids of the style-editing tabs of chart windows, chart elements and
// formations, which their style command targets answer.

#include <cstdint>

namespace ChartStyleCmd
{
// The second discard id every style target of these kinds answers.
inline constexpr std::uint32_t ID_DISCARD_ANY = 33463;

// Chart window.
inline constexpr std::uint32_t ID_WINDOW_DISCARD = 33339;
inline constexpr std::uint32_t ID_WINDOW_SAVE = 33340;
inline constexpr std::uint32_t ID_HEADER_FONT = 33310;
inline constexpr std::uint32_t ID_HEADER_FONT_SIZE = 33311;
inline constexpr std::uint32_t ID_HEADER_COLOUR = 33312;
inline constexpr std::uint32_t ID_HEADER_COLOUR_RISE = 33313;
inline constexpr std::uint32_t ID_HEADER_COLOUR_FALL = 33314;
inline constexpr std::uint32_t ID_COLOUR_LABELS = 33315;
inline constexpr std::uint32_t ID_HORIZONTAL_GRID = 33317;
inline constexpr std::uint32_t ID_VERTICAL_GRID = 33318;
inline constexpr std::uint32_t ID_GRID_COLOUR = 33319;
inline constexpr std::uint32_t ID_GRID_TYPE = 33320;
inline constexpr std::uint32_t ID_GRID_WIDTH = 33321;
inline constexpr std::uint32_t ID_BACKGROUND = 33323;
inline constexpr std::uint32_t ID_INDICATOR = 33464;
inline constexpr std::uint32_t ID_WINDOW_COPY_FROM = 33324;
inline constexpr std::uint32_t ID_AXIS_FONT = 33328;
inline constexpr std::uint32_t ID_AXIS_FONT_SIZE = 33329;
inline constexpr std::uint32_t ID_SIGNIFICANT_GRID = 33330;
inline constexpr std::uint32_t ID_LABEL_COLOUR = 33332;
inline constexpr std::uint32_t ID_LABEL_COLOUR_RISE = 33333;
inline constexpr std::uint32_t ID_LABEL_COLOUR_FALL = 33334;
inline constexpr std::uint32_t ID_LABEL_BK_RISE = 33335;
inline constexpr std::uint32_t ID_LABEL_BK_FALL = 33336;
inline constexpr std::uint32_t ID_WINDOW_NAME = 33337;
inline constexpr std::uint32_t ID_FORMATION_STYLE = 33619;
inline constexpr std::uint32_t ID_MARKERS = 33621;
inline constexpr std::uint32_t ID_SERIES_HIGHLIGHT = 33623;
inline constexpr std::uint32_t ID_BUY_ALERT = 33626;
inline constexpr std::uint32_t ID_SELL_ALERT = 33628;
// The six indicator colours, in the order of the first to the sixth indicator.
inline constexpr std::uint32_t ID_INDICATOR_COLOURS[] = {33592, 33593, 33594, 33595, 33597, 33596};
inline constexpr std::uint32_t ID_PRICE_STYLE = 33585;
inline constexpr std::uint32_t ID_VOLUME_STYLE = 33588;
inline constexpr std::uint32_t ID_LOP_STYLE = 33589;
// The ribbon group of the indicator colours.
inline constexpr std::uint32_t ID_INDICATORS_GROUP = 33584;

// Chart element.
inline constexpr std::uint32_t ID_PREVIEW_TYPE = 33346;
inline constexpr std::uint32_t ID_ELEMENT_WIDTH = 33347;
inline constexpr std::uint32_t ID_WIDTH_TYPE = 33348;
inline constexpr std::uint32_t ID_LINE_COLOUR = 33349;
inline constexpr std::uint32_t ID_LINE_TYPE = 33350;
inline constexpr std::uint32_t ID_RISE_FRAME = 33351;
inline constexpr std::uint32_t ID_FALL_FRAME = 33352;
inline constexpr std::uint32_t ID_RISE_CANDLE = 33353;
inline constexpr std::uint32_t ID_FALL_CANDLE = 33354;
inline constexpr std::uint32_t ID_ELEMENT_COPY_FROM = 33355;
inline constexpr std::uint32_t ID_ELEMENT_NAME = 33356;
inline constexpr std::uint32_t ID_ELEMENT_DISCARD = 33358;
inline constexpr std::uint32_t ID_ELEMENT_SAVE = 33359;

// Formation.
inline constexpr std::uint32_t ID_BASE_COLOUR = 33640;
inline constexpr std::uint32_t ID_EXTENSION_COLOUR = 33641;
inline constexpr std::uint32_t ID_BASE_TYPE = 33642;
inline constexpr std::uint32_t ID_EXTENSION_TYPE = 33643;
inline constexpr std::uint32_t ID_BASE_WIDTH = 33644;
inline constexpr std::uint32_t ID_EXTENSION_WIDTH = 33645;
inline constexpr std::uint32_t ID_FILL_COLOUR = 33646;
inline constexpr std::uint32_t ID_FORMATION_FONT = 33647;
inline constexpr std::uint32_t ID_FORMATION_FONT_SIZE = 33648;
inline constexpr std::uint32_t ID_TEXT_COLOUR = 33649;
inline constexpr std::uint32_t ID_LABEL_TEXT_COLOUR = 33650;
inline constexpr std::uint32_t ID_LABEL_BK_COLOUR = 33651;
inline constexpr std::uint32_t ID_FORMATION_COPY_FROM = 33652;
inline constexpr std::uint32_t ID_FORMATION_NAME = 33653;
inline constexpr std::uint32_t ID_FORMATION_DISCARD = 33654;
inline constexpr std::uint32_t ID_FORMATION_SAVE = 33655;
inline constexpr std::uint32_t ID_CONNECTOR_COLOUR = 33658;
inline constexpr std::uint32_t ID_LABEL_FRAME_COLOUR = 33659;
}
