#pragma once
// Numbers of the ribbon toolkit that the program's own code passes and tests: control types,
// context colours of contextual tabs, hit-test results and the toolkit's own command ids.

#include <cstdint>

// Control types. 1 to 4 and 9 are the numbers the tab creators pass; the others are ours.
enum RibbonControlType : int
{
    RibbonControlButton = 1,
    RibbonControlPopup = 2,
    RibbonControlButtonPopup = 3,
    RibbonControlSplitButtonPopup = 4,
    RibbonControlCheckBox = 9,
    RibbonControlEdit = 20,
    RibbonControlComboBox = 21,
    RibbonControlLabel = 22,
    RibbonControlGallery = 23
};

// How a control sits in its group: large (32 px icon, caption below) takes a whole column,
// small (16 px icon, caption beside) stacks three to a column. Automatic is large when the
// command has a 32 px icon.
enum class RibbonControlStyle
{
    Automatic,
    Large,
    Small
};

// Colours of contextual tab headers; 3 and 7 are the ones the tab creators use.
enum RibbonContextColor : int
{
    RibbonContextColorNone = 0,
    RibbonContextColorBlue = 1,
    RibbonContextColorYellow = 2,
    RibbonContextColorGreen = 3,
    RibbonContextColorRed = 4,
    RibbonContextColorPurple = 5,
    RibbonContextColorCyan = 6,
    RibbonContextColorOrange = 7
};

// What lies under a point of the ribbon, in the numbers of a window's caption hit test.
enum RibbonHitCode : int
{
    RibbonHitNowhere = 0,
    RibbonHitClient = 1,
    RibbonHitCaption = 2,
    RibbonHitSystemMenu = 3
};

namespace RibbonIds
{
inline constexpr std::uint32_t TabControl = 9604;
// The ribbon's own context-menu entry that minimises or expands the ribbon.
inline constexpr std::uint32_t MinimizeRibbon = 9609;
// The message through which the ribbon asks its frame to create a control for an id.
inline constexpr std::uint32_t CreateControlMessage = 0x285e;
}
