#pragma once
// The builders of the ribbon's combo boxes for fonts, font sizes, line widths and line types.
// Each adds a combo box under the id with the id's tooltip; its list is drawn by a gallery in
// the combo's popup, whose item i is the combo's item i. Every item's id is also its data.
// Null when the group is null.

#include <cstdint>

class RibbonComboBoxControl;
class RibbonGroupBase;

namespace RibbonComboIds
{
// The chart element width combo always has this id.
inline constexpr std::uint32_t ID_CHART_ELEMENT_WIDTH = 33347;
// The spacer label after the font-name combo.
inline constexpr std::uint32_t ID_SPACER_LABEL = 65535;
}

// One item per installed font family, each written in its face; then a 2-pixel spacer label.
RibbonComboBoxControl* AddFontNameCombo(RibbonGroupBase* group, std::uint32_t id);
// 23 point sizes from 4 to 150; a size can also be typed.
RibbonComboBoxControl* AddFontSizeCombo(RibbonGroupBase* group, std::uint32_t id);
// Widths "1" to "7".
RibbonComboBoxControl* AddLineWidthCombo(RibbonGroupBase* group, std::uint32_t id);
// Widths 1, 2, 5, 10, 20, 50, 75, 100.
RibbonComboBoxControl* AddChartElementWidthCombo(RibbonGroupBase* group);
// Line types 0 to 4, each drawn as its line; 48 wide when narrow, else 80.
RibbonComboBoxControl* AddLineTypeCombo(RibbonGroupBase* group, std::uint32_t id, bool narrow);
