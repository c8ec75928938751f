#pragma once
// The narrowest the statistics grids' columns may be: each top-ten column as wide as its
// header in the default GUI font plus 5 pixels, and the summary's columns as wide as the bold
// header texts above them. Measured once, when the first window is laid out (a font can only
// be measured with the GUI up).

#include <array>

namespace SessionStatisticsColumnWidths
{
const std::array<int, 6>& HighestMinWidths();
const std::array<int, 7>& SummaryMinWidths();
}
