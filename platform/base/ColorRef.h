#pragma once
// A colour as the styles and settings store it: a 32-bit value 0x00BBGGRR. Style parameters
// that take a colour also take a few special values in the same 32 bits (the style's own
// value, one step larger, one step smaller); those are no colours and never turn into one.

#include <QColor>

#include <optional>

class ColorRef
{
public:
    // The style's own value: "automatic" / "Domyślny" colour, no own colour, restored font.
    static constexpr quint32 kStyleOwnValue = 0x7FFFFFFF;
    // One step larger (font size command).
    static constexpr quint32 kOneStepLarger = 0x7FFFFFFE;
    // One step smaller (font size command).
    static constexpr quint32 kOneStepSmaller = 0x7FFFFFFD;

    constexpr ColorRef() = default;
    constexpr explicit ColorRef(quint32 value)
        : m_value(value)
    {
    }
    static constexpr ColorRef FromRgb(quint8 red, quint8 green, quint8 blue)
    {
        return ColorRef(quint32(red) | quint32(green) << 8 | quint32(blue) << 16);
    }
    // The colour's red, green and blue; an invalid QColor gives nothing. Alpha is dropped.
    static std::optional<ColorRef> FromQColor(const QColor& color);

    constexpr quint32 Value() const { return m_value; }
    // True for 0x00BBGGRR values; false for the special values and anything else with a high byte.
    constexpr bool IsColor() const { return (m_value & 0xFF000000u) == 0; }
    constexpr bool IsStyleOwnValue() const { return m_value == kStyleOwnValue; }

    constexpr quint8 Red() const { return quint8(m_value & 0xFF); }
    constexpr quint8 Green() const { return quint8((m_value >> 8) & 0xFF); }
    constexpr quint8 Blue() const { return quint8((m_value >> 16) & 0xFF); }

    // The opaque colour, or nothing for a value that is no colour.
    std::optional<QColor> ToQColor() const;
    // The opaque colour, or the fallback for a value that is no colour.
    QColor ToQColor(const QColor& fallback) const;

    friend constexpr bool operator==(ColorRef, ColorRef) = default;

private:
    quint32 m_value = 0;
};
