#include "platform/base/LogFont.h"

#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>

namespace
{
QFont::StyleHint StyleHintOfFamily(quint8 family)
{
    switch (family)
    {
    case LogFont::kFamilyRoman: return QFont::Serif;
    case LogFont::kFamilySwiss: return QFont::SansSerif;
    case LogFont::kFamilyModern: return QFont::TypeWriter;
    case LogFont::kFamilyScript: return QFont::Cursive;
    case LogFont::kFamilyDecorative: return QFont::Decorative;
    default: return QFont::AnyStyle;
    }
}

quint8 FamilyOfStyleHint(QFont::StyleHint hint)
{
    switch (hint)
    {
    case QFont::Serif: return LogFont::kFamilyRoman;
    case QFont::SansSerif: return LogFont::kFamilySwiss;
    case QFont::TypeWriter:
    case QFont::Monospace: return LogFont::kFamilyModern;
    case QFont::Cursive: return LogFont::kFamilyScript;
    case QFont::Decorative: return LogFont::kFamilyDecorative;
    default: return LogFont::kFamilyDontCare;
    }
}
}

QString LogFont::FaceName() const
{
    const auto end = std::find(lfFaceName.begin(), lfFaceName.end(), u'\0');
    return QString(reinterpret_cast<const QChar*>(lfFaceName.data()), int(end - lfFaceName.begin()));
}

void LogFont::SetFaceName(const QString& name)
{
    int length = std::min<int>(name.size(), kFaceNameSize - 1);
    if (length > 0 && length < name.size() && name.at(length - 1).isHighSurrogate())
        --length;
    lfFaceName.fill(u'\0');
    std::copy_n(reinterpret_cast<const char16_t*>(name.utf16()), length, lfFaceName.begin());
}

QFont LogFont::ToQFont() const
{
    QFont font;
    const QString face = FaceName();
    if (!face.isEmpty())
        font.setFamily(face);
    if (lfHeight != 0)
        font.setPixelSize(lfHeight == INT_MIN ? INT_MAX : std::abs(lfHeight));
    font.setWeight(QFont::Weight(lfWeight == 0 ? kWeightNormal : std::clamp(lfWeight, 1, 1000)));
    font.setItalic(lfItalic != 0);
    font.setUnderline(lfUnderline != 0);
    font.setStrikeOut(lfStrikeOut != 0);
    font.setFixedPitch((lfPitchAndFamily & 0x03) == kFixedPitch);
    font.setStyleHint(StyleHintOfFamily(lfPitchAndFamily & 0xF0));
    if (lfQuality == kNonAntialiasedQuality)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

LogFont LogFont::FromQFont(const QFont& font, int dotsPerInch)
{
    LogFont logFont;
    if (font.pixelSize() > 0)
        logFont.lfHeight = -font.pixelSize();
    else if (font.pointSizeF() > 0)
        logFont.lfHeight = -qRound(font.pointSizeF() * dotsPerInch / 72.0);
    logFont.lfWeight = font.weight();
    logFont.lfItalic = font.italic() ? 1 : 0;
    logFont.lfUnderline = font.underline() ? 1 : 0;
    logFont.lfStrikeOut = font.strikeOut() ? 1 : 0;
    logFont.lfCharSet = kDefaultCharset;
    logFont.lfQuality = (font.styleStrategy() & QFont::NoAntialias) ? kNonAntialiasedQuality : kDefaultQuality;
    logFont.lfPitchAndFamily = quint8((font.fixedPitch() ? kFixedPitch : kDefaultPitch) | FamilyOfStyleHint(font.styleHint()));
    logFont.SetFaceName(font.family());
    return logFont;
}

QByteArray LogFont::ToBytes() const
{
    QByteArray bytes(kByteSize, '\0');
    char* data = bytes.data();
    for (qint32 value : {lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight})
    {
        qToLittleEndian(value, data);
        data += 4;
    }
    for (quint8 value : {lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily})
        *data++ = char(value);
    for (char16_t unit : lfFaceName)
    {
        qToLittleEndian(quint16(unit), data);
        data += 2;
    }
    return bytes;
}

std::optional<LogFont> LogFont::FromBytes(const QByteArray& bytes)
{
    if (bytes.size() != kByteSize)
        return std::nullopt;
    const char* data = bytes.constData();
    LogFont logFont;
    for (qint32* field : {&logFont.lfHeight, &logFont.lfWidth, &logFont.lfEscapement, &logFont.lfOrientation, &logFont.lfWeight})
    {
        *field = qFromLittleEndian<qint32>(data);
        data += 4;
    }
    for (quint8* field : {&logFont.lfItalic, &logFont.lfUnderline, &logFont.lfStrikeOut, &logFont.lfCharSet,
                          &logFont.lfOutPrecision, &logFont.lfClipPrecision, &logFont.lfQuality, &logFont.lfPitchAndFamily})
        *field = quint8(*data++);
    for (char16_t& unit : logFont.lfFaceName)
    {
        unit = char16_t(qFromLittleEndian<quint16>(data));
        data += 2;
    }
    return logFont;
}
