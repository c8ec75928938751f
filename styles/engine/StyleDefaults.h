#pragma once
// Small makers for the default values of the style kinds' parameter tables.

#include "platform/base/ColorRef.h"
#include "platform/base/LogFont.h"
#include "platform/base/LogPen.h"

#include <QString>

namespace StyleDefaults
{
// The face every default font of the styles uses.
inline const QString kFontFace = QStringLiteral("DejaVu Sans");

constexpr qint32 Rgb(quint8 red, quint8 green, quint8 blue)
{
    return qint32(ColorRef::FromRgb(red, green, blue).Value());
}

inline LogPen Pen(quint32 style, int width, qint32 colour)
{
    LogPen pen;
    pen.lopnStyle = style;
    pen.lopnWidth.x = width;
    pen.lopnColor = ColorRef(quint32(colour));
    return pen;
}

// height: the character height in pixels as a negative number (-11 is 8 points at 96 dpi).
inline LogFont Font(int height, qint32 weight = LogFont::kWeightNormal, const QString& face = kFontFace)
{
    LogFont font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = LogFont::kDefaultCharset;
    font.lfPitchAndFamily = LogFont::kVariablePitch | LogFont::kFamilySwiss;
    font.SetFaceName(face);
    return font;
}
}
