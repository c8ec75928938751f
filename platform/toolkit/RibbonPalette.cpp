#include "platform/toolkit/RibbonPalette.h"

#include "platform/toolkit/RibbonDefs.h"

QColor RibbonPalette::ContextColor(int index) const
{
    switch (index)
    {
    case RibbonContextColorBlue:
        return {0x4F, 0x81, 0xBD};
    case RibbonContextColorYellow:
        return {0xE4, 0xBE, 0x2E};
    case RibbonContextColorGreen:
        return {0x5C, 0xA8, 0x4A};
    case RibbonContextColorRed:
        return {0xD2, 0x4D, 0x49};
    case RibbonContextColorPurple:
        return {0x8A, 0x67, 0xBD};
    case RibbonContextColorCyan:
        return {0x35, 0xA9, 0xC4};
    case RibbonContextColorOrange:
        return {0xEE, 0x85, 0x2F};
    default:
        return frame;
    }
}
