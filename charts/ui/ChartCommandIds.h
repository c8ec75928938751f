#pragma once
// Command, group and string ids of the chart windows' ribbon: the chart tabs and their popups,
// and what the chart command target handles.

#include <cstdint>

namespace ChartCommandIds
{
// Panels and zoom.
inline constexpr std::uint32_t ID_ADD_VIEW = 32847;
inline constexpr std::uint32_t ID_REMOVE_VIEW = 32852;
inline constexpr std::uint32_t ID_ZOOM_TOOL = 32853;
inline constexpr std::uint32_t ID_ZOOM_IN = 32854;
inline constexpr std::uint32_t ID_ZOOM_OUT = 32855;
inline constexpr std::uint32_t ID_SHOW_ALL = 32856;

// Value axis.
inline constexpr std::uint32_t ID_RESET_AXIS = 32860;
inline constexpr std::uint32_t ID_RESET_AXIS_CAPTION = 32861;
inline constexpr std::uint32_t ID_CONNECTED_SERIES = 32862;
inline constexpr std::uint32_t ID_LOG_AXIS = 32863;
inline constexpr std::uint32_t ID_PERCENT_AXIS = 32864;
inline constexpr std::uint32_t ID_PIN_TO_AXIS = 32867;
inline constexpr std::uint32_t ID_PIN_TO_AXIS_CAPTION = 32868;
inline constexpr std::uint32_t ID_AXIS_RANGE = 33034;
inline constexpr std::uint32_t ID_AXIS_RANGE_CAPTION = 33036;
inline constexpr std::uint32_t ID_PERCENT_REFERENCE = 33686;

// Time axis and data.
inline constexpr std::uint32_t ID_TIME_AXIS_GALLERY = 234;
inline constexpr std::uint32_t ID_DATA_RANGE = 33009;
inline constexpr std::uint32_t ID_INTERVAL = 33010;
inline constexpr std::uint32_t ID_INTERVAL_CAPTION = 33011;
inline constexpr std::uint32_t ID_REFERENCE = 33012;
inline constexpr std::uint32_t ID_MARGINS = 33013;
inline constexpr std::uint32_t ID_LINEAR_DAY_RANGE = 33015;
inline constexpr std::uint32_t ID_SHOW_TIME_AXIS = 33019;
inline constexpr std::uint32_t ID_CONNECT_BREAKS = 33024;
inline constexpr std::uint32_t ID_SYNCHRONIZE = 33478;
inline constexpr std::uint32_t ID_SPLITS = 33948;

// Series and chart type.
inline constexpr std::uint32_t ID_TYPE_LINE = 32875;
inline constexpr std::uint32_t ID_TYPE_COLUMN = 32876;
inline constexpr std::uint32_t ID_TYPE_BAR = 32877;
inline constexpr std::uint32_t ID_TYPE_CANDLE = 32878;
inline constexpr std::uint32_t ID_TYPE_LINE_CAPTION = 32871;
inline constexpr std::uint32_t ID_TYPE_COLUMN_CAPTION = 32872;
inline constexpr std::uint32_t ID_TYPE_BAR_CAPTION = 32873;
inline constexpr std::uint32_t ID_TYPE_CANDLE_CAPTION = 32874;
inline constexpr std::uint32_t ID_SERIES_STYLE = 32879;
inline constexpr std::uint32_t ID_BASE_LEVEL = 33022;
inline constexpr std::uint32_t ID_REMOVE_SERIES = 33027;
inline constexpr std::uint32_t ID_REMOVE_SERIES_CAPTION = 33028;
inline constexpr std::uint32_t ID_REVERT_SERIES = 33032;

// Indicators and formulas.
inline constexpr std::uint32_t ID_INDICATOR_ADD = 32869;
inline constexpr std::uint32_t ID_INDICATOR_EDIT = 32870;
inline constexpr std::uint32_t ID_AVERAGES = 32881;
inline constexpr std::uint32_t ID_OSCILLATORS = 32882;
inline constexpr std::uint32_t ID_STANDARD_INDICATORS = 32884;
inline constexpr std::uint32_t ID_USER_INDICATORS = 33934;
inline constexpr std::uint32_t ID_DEFAULT_PARAMS = 33345;
inline constexpr std::uint32_t ID_POINTER_PARAMS = 33579;
inline constexpr std::uint32_t ID_FORMULA_EDIT = 414;

// Records panel.
inline constexpr std::uint32_t ID_RECORDS = 33927;
inline constexpr std::uint32_t ID_RECORDS_SERIES = 33929;
inline constexpr std::uint32_t ID_RECORDS_ASSET = 33930;
inline constexpr std::uint32_t ID_RECORDS_CAPTION = 1359;
inline constexpr std::uint32_t ID_RECORDS_SERIES_CAPTION = 1367;

// Styles.
inline constexpr std::uint32_t ID_WINDOW_STYLE_GALLERY = 33081;
inline constexpr std::uint32_t ID_VIEW_STYLE_GALLERY = 33083;
inline constexpr std::uint32_t ID_ELEMENT_STYLE_GALLERY = 32972;
inline constexpr std::uint32_t ID_WINDOW_STYLE = 33080;
inline constexpr std::uint32_t ID_VIEW_STYLE = 33082;

// Display parameters: colours, fonts and restores.
inline constexpr std::uint32_t ID_WINDOW_BACKGROUND = 1332;
inline constexpr std::uint32_t ID_WINDOW_POINTER = 1333;
inline constexpr std::uint32_t ID_WINDOW_LABELS = 1335;
inline constexpr std::uint32_t ID_VIEW_BACKGROUND = 1341;
inline constexpr std::uint32_t ID_VIEW_POINTER = 1342;
inline constexpr std::uint32_t ID_VIEW_LABELS = 1343;
inline constexpr std::uint32_t ID_SERIES_COLOR_2 = 1346;
inline constexpr std::uint32_t ID_SERIES_COLOR_3 = 1347;
inline constexpr std::uint32_t ID_SERIES_COLOR_4 = 1348;
inline constexpr std::uint32_t ID_SERIES_COLOR_6 = 1349;
inline constexpr std::uint32_t ID_SERIES_COLOR_7 = 1350;
inline constexpr std::uint32_t ID_BASE_LINE_COLOR = 1351;
inline constexpr std::uint32_t ID_EXTENSION_COLOR = 1352;
inline constexpr std::uint32_t ID_WINDOW_FONT_LARGER = 1329;
inline constexpr std::uint32_t ID_WINDOW_FONT_SMALLER = 1330;
inline constexpr std::uint32_t ID_WINDOW_FONT_RESTORE = 1331;
inline constexpr std::uint32_t ID_VIEW_FONT_LARGER = 1338;
inline constexpr std::uint32_t ID_VIEW_FONT_SMALLER = 1339;
inline constexpr std::uint32_t ID_VIEW_FONT_RESTORE = 1340;
inline constexpr std::uint32_t ID_WINDOW_RESTORE = 1337;
inline constexpr std::uint32_t ID_VIEW_RESTORE = 1345;
inline constexpr std::uint32_t ID_SERIES_RESTORE = 1354;
inline constexpr std::uint32_t ID_LINES_RESTORE = 1356;
inline constexpr std::uint32_t ID_RESTORE_ALL = 33926;
inline constexpr std::uint32_t ID_WINDOW_MORE = 1336;
inline constexpr std::uint32_t ID_VIEW_MORE = 1344;
inline constexpr std::uint32_t ID_SERIES_MORE = 1353;
inline constexpr std::uint32_t ID_UPDATE_ONLY_1 = 33578;
inline constexpr std::uint32_t ID_UPDATE_ONLY_2 = 33580;
inline constexpr std::uint32_t ID_CONNECT_TABLE = 33681;

// Ribbon groups the target looks popups up in.
inline constexpr std::uint32_t GROUP_INDICATORS = 36;
inline constexpr std::uint32_t GROUP_DAY_RANGE = 39;
inline constexpr std::uint32_t GROUP_MARGINS = 43;
inline constexpr std::uint32_t GROUP_DATA = 46;
inline constexpr std::uint32_t GROUP_VALUE_RANGE = 74;
inline constexpr std::uint32_t GROUP_ZOOM = 40;
inline constexpr std::uint32_t GROUP_CONTENTS = 334;
inline constexpr std::uint32_t GROUP_SETTINGS = 75;
inline constexpr std::uint32_t GROUP_SERIES = 67;
inline constexpr std::uint32_t GROUP_CHART_TYPE = 77;

// Tab captions.
inline constexpr std::uint32_t IDS_TAB_CHART = 35;
inline constexpr std::uint32_t IDS_TAB_VALUE_AXIS = 73;
inline constexpr std::uint32_t IDS_TAB_SERIES = 79;

// The special gallery items of the colour galleries.
inline constexpr int kAutomaticColorItem = -2;
inline constexpr int kMoreColorsItem = -3;
}
