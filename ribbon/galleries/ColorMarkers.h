#pragma once
// Colour values of the colour choosers: a colour reference 0x00BBGGRR, or one of three markers
// below zero that stand for no colour, the default colour and the "Więcej kolorów" entry.

#include "platform/base/ColorRef.h"

#include <QColor>

#include <cstdint>
#include <optional>

namespace ColorMarkers
{
inline constexpr int kNone = -1;
inline constexpr int kDefault = -2;
inline constexpr int kMore = -3;

inline bool IsColor(int value)
{
    return value >= 0 && ColorRef(static_cast<quint32>(value)).IsColor();
}

// The colour of a value; invalid for a marker.
inline QColor ToQColor(int value)
{
    return IsColor(value) ? ColorRef(static_cast<quint32>(value)).ToQColor(QColor()) : QColor();
}

// The value of a colour; kNone for an invalid colour.
inline int FromQColor(const QColor& color)
{
    const std::optional<ColorRef> ref = ColorRef::FromQColor(color);
    return ref ? static_cast<int>(ref->Value()) : kNone;
}

// A gallery item's id for a value: the value's 32 bits, markers included.
inline std::uint32_t ItemId(int value)
{
    return static_cast<std::uint32_t>(value);
}
}
