#pragma once
// Command, group and string ids of the drawing tools (formations): the tool buttons and their
// kinds, the drawing modes, the galleries, and the parameter controls of the formation tabs.

#include "platform/modules/FormationParam.h"

#include <cstdint>

namespace FormationCommandIds
{
// Tool buttons and the kind each arms.
struct ToolKind
{
    std::uint32_t id;
    FormationType kind;
};
inline constexpr ToolKind kToolKinds[] = {
    {33521, FormationParam::kEraser},       {33522, FormationParam::kSegment},
    {33523, FormationParam::kRay},          {33524, FormationParam::kLine},
    {33525, FormationParam::kVertical},     {33526, FormationParam::kHorizontal},
    {33527, FormationParam::kAngleLine},    {33528, FormationParam::kParallelChannel},
    {33529, FormationParam::kPitchfork},    {33530, FormationParam::kTriangle},
    {33531, FormationParam::kRectangle},    {33532, FormationParam::kEllipse},
    {33533, FormationParam::kFiboRetracement}, {33534, FormationParam::kFiboProjection},
    {33535, FormationParam::kFiboTimeRange}, {33536, FormationParam::kCycleLines},
    {33537, FormationParam::kFan},          {33538, FormationParam::kText},
    {33539, FormationParam::kSymbol},       {33540, FormationParam::kFiboArcs},
    {33541, FormationParam::kFiboFan},      {33542, FormationParam::kFiboTimeZones},
    {33543, FormationParam::kGannFan},      {33544, FormationParam::kGannLine},
    {33545, FormationParam::kGannGrid},     {33614, FormationParam::kRegressionChannel},
};

inline constexpr std::uint32_t ID_PASTE = 33520;
inline constexpr std::uint32_t ID_MODE_SNAP = 33547;
inline constexpr std::uint32_t ID_MODE_AUTO = 33549;
inline constexpr std::uint32_t ID_MODE_FREE = 33551;
inline constexpr std::uint32_t ID_SHOW_LABELS = 33552;
inline constexpr std::uint32_t ID_DEFAULT_STYLE_GALLERY = 33553;
inline constexpr std::uint32_t ID_SYMBOLS_GALLERY = 33613;
inline constexpr std::uint32_t ID_REMOVE_ALL = 33660;
// "Czy na pewno chcesz usunąć wszystkie formacje z wykresu?"
inline constexpr std::uint32_t IDS_REMOVE_ALL_QUESTION = 71;

// Controls every formation tab shares.
inline constexpr std::uint32_t ID_NAME = 33481;
inline constexpr std::uint32_t ID_SHOW_LABEL = 33482;
inline constexpr std::uint32_t ID_EXTEND_TO_END = 33483;
inline constexpr std::uint32_t ID_EXTEND_TO_END_SECOND = 33570;
inline constexpr std::uint32_t ID_EXTEND_TO_BEGIN = 33484;
inline constexpr std::uint32_t ID_REMOVE = 33515;
inline constexpr std::uint32_t ID_DUPLICATE = 33514;
inline constexpr std::uint32_t ID_COPY = 33513;
inline constexpr std::uint32_t ID_STYLE_POPUP = 33572;
inline constexpr std::uint32_t ID_STYLE_GALLERY = 33574;
inline constexpr std::uint32_t ID_ATTACH = 33683;
inline constexpr std::uint32_t ID_MORE_OPTIONS = 1355;
inline constexpr std::uint32_t ID_BASE_LINE_COLOR = 1351;
inline constexpr std::uint32_t ID_EXTENSION_COLOR = 1352;

// Per-tool controls.
inline constexpr std::uint32_t ID_ANGLE = 33664;
inline constexpr std::uint32_t ID_CYCLE_LENGTH = 33503;
inline constexpr std::uint32_t ID_FIBO_LEVELS = 33495;
inline constexpr std::uint32_t ID_FIBO_PERCENT = 33559;
inline constexpr std::uint32_t ID_FIBO_NUMERIC = 33560;
inline constexpr std::uint32_t ID_TIME_RANGE_DESCRIPTION = 33557;
inline constexpr std::uint32_t ID_TIME_RANGE_LEVELS = 33555;
inline constexpr std::uint32_t ID_FAN_DESCRIPTION = 33564;
inline constexpr std::uint32_t ID_FAN_ARCS_DESCRIPTION = 33563;
inline constexpr std::uint32_t IDS_DESCRIPTION_CAPTION = 33565;
inline constexpr std::uint32_t ID_TIME_ZONE_MULTIPLIER = 33498;
inline constexpr std::uint32_t ID_TIME_ZONE_LEVELS = 33497;
inline constexpr std::uint32_t ID_GANN_DESCRIPTION = 33568;
inline constexpr std::uint32_t ID_GANN_LEVELS = 33566;
inline constexpr std::uint32_t ID_GANN_INCREMENT = 33501;
inline constexpr std::uint32_t ID_DEVIATION = 33494;
inline constexpr std::uint32_t ID_PRICE_OPEN = 33505;
inline constexpr std::uint32_t ID_PRICE_LOW = 33506;
inline constexpr std::uint32_t ID_PRICE_HIGH = 33507;
inline constexpr std::uint32_t ID_PRICE_CLOSE = 33508;
inline constexpr std::uint32_t ID_CHANNEL_RAFF = 33509;
inline constexpr std::uint32_t ID_CHANNEL_DEVIATION = 33510;
inline constexpr std::uint32_t ID_CHANNEL_AVERAGE = 33511;
inline constexpr std::uint32_t ID_CHANNEL_PRICE_POPUP = 33492;
inline constexpr std::uint32_t ID_CHANNEL_TYPE_POPUP = 33493;
inline constexpr std::uint32_t ID_FILL = 33616;
inline constexpr std::uint32_t ID_PITCHFORK_CONNECTOR = 33479;
inline constexpr std::uint32_t ID_SHOW_VALUE = 33615;

// Ribbon groups of the formation tabs.
inline constexpr std::uint32_t GROUP_FORMATION = 262;
inline constexpr std::uint32_t GROUP_ANGLE_LINE = 110;
inline constexpr std::uint32_t GROUP_FIBO_FAN = 126;
inline constexpr std::uint32_t GROUP_TIME_ZONES = 132;
inline constexpr std::uint32_t GROUP_GANN_FAN = 136;
inline constexpr std::uint32_t GROUP_GANN_LINE = 152;
inline constexpr std::uint32_t GROUP_CYCLE_LINES = 154;
inline constexpr std::uint32_t GROUP_REGRESSION_CHANNEL = 260;
inline constexpr std::uint32_t GROUP_FIBO = 267;
inline constexpr std::uint32_t GROUP_TIME_RANGE = 281;

// The drawing-tools tab of the chart windows and its groups.
inline constexpr std::uint32_t IDS_TAB_FORMATIONS = 37601;
inline constexpr std::uint32_t GROUP_LINES = 37602;
inline constexpr std::uint32_t GROUP_SHAPES = 37603;
inline constexpr std::uint32_t GROUP_FIBONACCI = 37604;
inline constexpr std::uint32_t GROUP_GANN = 37605;
inline constexpr std::uint32_t GROUP_DRAWING = 37606;
}
