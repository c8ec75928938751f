#include "platform/base/ColorRef.h"

std::optional<ColorRef> ColorRef::FromQColor(const QColor& color)
{
    if (!color.isValid())
        return std::nullopt;
    const QColor rgb = color.toRgb();
    return FromRgb(quint8(rgb.red()), quint8(rgb.green()), quint8(rgb.blue()));
}

std::optional<QColor> ColorRef::ToQColor() const
{
    if (!IsColor())
        return std::nullopt;
    return QColor(Red(), Green(), Blue());
}

QColor ColorRef::ToQColor(const QColor& fallback) const
{
    return ToQColor().value_or(fallback);
}
