#pragma once
// The command ids of the orders sheet's style-editing tabs: "Ustawienia ogólne", "Kolumny i
// Wiersze", "Wiersz aktualnej ceny" and "Kolory podsumowania".

#include <array>
#include <cstdint>

namespace OrdersSheetStyleCmdIds
{
// The tabs.
inline constexpr std::uint32_t TAB_GENERAL = 494;
inline constexpr std::uint32_t TAB_ROWS = 193;
inline constexpr std::uint32_t TAB_PRICE_ROW = 495;
inline constexpr std::uint32_t TAB_SUMMARY_COLOURS = 183;

// "Ustawienia ogólne".
inline constexpr std::uint32_t ID_HORIZONTAL_GRID = 217;
inline constexpr std::uint32_t ID_VERTICAL_GRID = 219;
inline constexpr std::uint32_t ID_GRID_COLOUR = 221;
inline constexpr std::uint32_t ID_LINE_TYPE = 222;
inline constexpr std::uint32_t ID_LINE_WIDTH = 236;
inline constexpr std::uint32_t ID_CURSOR_COLOUR = 552;
inline constexpr std::uint32_t ID_COLOURING = 226;
inline constexpr std::uint32_t ID_COLOUR_COLUMNS = 237;
inline constexpr std::uint32_t ID_COLOUR_ROWS = 238;
inline constexpr std::uint32_t ID_HIGHLIGHT_CHANGES = 191;
inline constexpr std::uint32_t ID_HIGHLIGHT_WHOLE_ROWS = 284;
inline constexpr std::uint32_t ID_HIGHLIGHT_CELLS = 286;
inline constexpr std::uint32_t ID_ROW_HIGHLIGHT_COLOUR = 182;
inline constexpr std::uint32_t ID_COPY_FROM = 228;
inline constexpr std::uint32_t ID_STYLE_NAME = 491;
inline constexpr std::uint32_t ID_DISCARD = 232;
inline constexpr std::uint32_t ID_DISCARD_AND_LEAVE = 33463;
inline constexpr std::uint32_t ID_SAVE = 233;
inline constexpr std::uint32_t ID_SAVE_IN_SETTINGS = 230;
// The short captions of the grid check boxes and of the highlighting popup.
inline constexpr std::uint32_t IDS_HORIZONTAL = 288;
inline constexpr std::uint32_t IDS_VERTICAL = 289;
inline constexpr std::uint32_t IDS_HIGHLIGHTING = 192;
inline constexpr std::uint32_t IDS_STYLE = 206;

// The groups of the tabs.
inline constexpr std::uint32_t GROUP_GRID_LINES = 551;
inline constexpr std::uint32_t GROUP_DISPLAY_OPTIONS = 215;
inline constexpr std::uint32_t GROUP_ODD_STYLE = 163;
inline constexpr std::uint32_t GROUP_ODD_TEXT = 164;
inline constexpr std::uint32_t GROUP_EVEN_STYLE = 165;
inline constexpr std::uint32_t GROUP_EVEN_TEXT = 166;
inline constexpr std::uint32_t GROUP_PRICE_STYLE = 168;
inline constexpr std::uint32_t GROUP_PRICE_TEXT = 492;
inline constexpr std::uint32_t GROUP_VALUES = 127;
inline constexpr std::uint32_t GROUP_CHART = 141;
inline constexpr std::uint32_t GROUP_INDICATORS = 187;

// One related text style (odd element, even element, current-price row): its style and
// copy-from galleries, font, size, and its colours in the order of kColourParameters; 0 where
// the element has no such colour.
struct ElementIds
{
    int relation;
    std::uint32_t tab;
    std::uint32_t styleGallery;
    std::uint32_t copyFrom;
    std::uint32_t fontName;
    std::uint32_t fontSize;
    std::array<std::uint32_t, 8> colours;
};
// Font, font on a rise, on a fall, of a new order; background, on a rise, on a fall, of a new order.
inline constexpr std::array<int, 8> kColourParameters = {2, 4, 6, 8, 3, 5, 7, 9};
inline constexpr std::array<ElementIds, 3> kElements = {{
    {0, TAB_ROWS, 174, 498, 194, 195, {198, 200, 202, 314, 204, 208, 210, 315}},
    {1, TAB_ROWS, 497, 499, 196, 197, {199, 201, 203, 312, 205, 212, 211, 313}},
    {2, TAB_PRICE_ROW, 209, 213, 496, 500, {167, 169, 170, 0, 173, 171, 172, 0}},
}};

// A summary colour: its command, the style parameter, the group and the place in it.
struct SummaryColour
{
    std::uint32_t id;
    int parameter;
    std::uint32_t group;
    int index;
};
inline constexpr std::array<SummaryColour, 15> kSummaryColours = {{
    {162, 12, GROUP_VALUES, 0},     {161, 13, GROUP_VALUES, 1},     {175, 14, GROUP_VALUES, 2},
    {184, 15, GROUP_VALUES, 3},     {185, 16, GROUP_VALUES, 4},     {186, 17, GROUP_VALUES, 5},
    {176, 18, GROUP_CHART, 0},      {177, 19, GROUP_CHART, 1},      {178, 9, GROUP_CHART, 2},
    {179, 11, GROUP_CHART, 3},      {180, 8, GROUP_CHART, 4},       {181, 10, GROUP_CHART, 5},
    {188, 20, GROUP_INDICATORS, 0}, {189, 21, GROUP_INDICATORS, 1}, {190, 22, GROUP_INDICATORS, 2},
}};
// The parameter of a summary colour's place; an unknown place gives 25, which is no parameter.
inline constexpr int kNoSummaryParameter = 25;
}
