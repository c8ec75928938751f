#include "platform/toolkit/ToolkitColors.h"

namespace
{
ToolkitColors::Source& CurrentSource()
{
    static ToolkitColors::Source source;
    return source;
}

QColor DefaultColor(int index)
{
    switch (index)
    {
    case ToolkitColors::PopupShadow:
        return {0xC5, 0xD2, 0xDF};
    case ToolkitColors::PopupBackground:
        return {0xFA, 0xFA, 0xFA};
    case ToolkitColors::LabelText:
        return {0x15, 0x42, 0x8B};
    case ToolkitColors::PopupFrame:
        return {0x86, 0x86, 0x86};
    case ToolkitColors::LabelBackground:
        return {0xDD, 0xE7, 0xEE};
    default:
        return {};
    }
}
}

QColor ToolkitColors::Get(int index)
{
    if (const Source& source = CurrentSource())
    {
        if (const QColor color = source(index); color.isValid())
            return color;
    }
    const QColor color = DefaultColor(index);
    return color.isValid() ? color : QColor(Qt::black);
}

void ToolkitColors::SetSource(Source source)
{
    CurrentSource() = std::move(source);
}
