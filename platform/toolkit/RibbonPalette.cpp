#include "platform/toolkit/RibbonPalette.h"

#include "platform/toolkit/RibbonDefs.h"

QColor RibbonPalette::ContextColor(int index) const
{
    if (index < RibbonContextColorBlue || index > RibbonContextColorOrange)
        return frame;
    return contextColors[static_cast<std::size_t>(index)];
}
