#pragma once
// A pen as the styles store it: the fields of the Windows logical pen (style, width as a point
// whose x is the width, colour) with conversions to and from QPen. Its stored form is a fixed
// 16-byte little-endian layout (see ToBytes).

#include "platform/base/ColorRef.h"
#include "platform/base/Point.h"

#include <QByteArray>
#include <QPen>

#include <optional>

struct LogPen
{
    static constexpr int kByteSize = 16;

    static constexpr quint32 kStyleSolid = 0;
    static constexpr quint32 kStyleDash = 1;
    static constexpr quint32 kStyleDot = 2;
    static constexpr quint32 kStyleDashDot = 3;
    static constexpr quint32 kStyleDashDotDot = 4;
    static constexpr quint32 kStyleNull = 5;
    static constexpr quint32 kStyleInsideFrame = 6;

    quint32 lopnStyle = kStyleSolid;
    Point lopnWidth;  // x is the width; 0 draws one pixel wide
    ColorRef lopnColor;

    // Nothing when the style is unknown or the colour is one of the special values.
    std::optional<QPen> ToQPen() const;
    // Custom dash patterns become solid; the width is rounded to whole pixels.
    static LogPen FromQPen(const QPen& pen);

    // Style, width x, width y, colour: four little-endian 32-bit values.
    QByteArray ToBytes() const;
    // Nothing unless exactly kByteSize bytes are given.
    static std::optional<LogPen> FromBytes(const QByteArray& bytes);

    friend bool operator==(const LogPen&, const LogPen&) = default;
};
