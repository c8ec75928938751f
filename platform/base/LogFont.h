#pragma once
// A font as the styles store it: the fields of the Windows logical font, kept field for field so
// that stored fonts read back unchanged, with conversions to and from QFont. Its stored form is
// a fixed 92-byte little-endian layout (see ToBytes), independent of this struct's memory layout.

#include <QByteArray>
#include <QFont>
#include <QString>

#include <array>
#include <optional>

struct LogFont
{
    static constexpr int kByteSize = 92;
    static constexpr int kFaceNameSize = 32;  // UTF-16 units, the terminating zero included

    static constexpr qint32 kWeightNormal = 400;
    static constexpr qint32 kWeightBold = 700;
    static constexpr quint8 kDefaultCharset = 1;
    static constexpr quint8 kDefaultQuality = 0;
    static constexpr quint8 kNonAntialiasedQuality = 3;
    static constexpr quint8 kDefaultPitch = 0;
    static constexpr quint8 kFixedPitch = 1;
    static constexpr quint8 kVariablePitch = 2;
    static constexpr quint8 kFamilyDontCare = 0x00;
    static constexpr quint8 kFamilyRoman = 0x10;
    static constexpr quint8 kFamilySwiss = 0x20;
    static constexpr quint8 kFamilyModern = 0x30;
    static constexpr quint8 kFamilyScript = 0x40;
    static constexpr quint8 kFamilyDecorative = 0x50;

    qint32 lfHeight = 0;       // < 0 character height in pixels, > 0 cell height, 0 default size
    qint32 lfWidth = 0;
    qint32 lfEscapement = 0;   // tenths of a degree
    qint32 lfOrientation = 0;  // tenths of a degree
    qint32 lfWeight = 0;       // 0 default, 1..1000 (400 normal, 700 bold)
    quint8 lfItalic = 0;
    quint8 lfUnderline = 0;
    quint8 lfStrikeOut = 0;
    quint8 lfCharSet = 0;
    quint8 lfOutPrecision = 0;
    quint8 lfClipPrecision = 0;
    quint8 lfQuality = 0;
    quint8 lfPitchAndFamily = 0;  // pitch in the low two bits, family in the high four
    std::array<char16_t, kFaceNameSize> lfFaceName{};

    // The face name up to its terminating zero.
    QString FaceName() const;
    // Keeps at most 31 units (never half of a surrogate pair) and the terminating zero.
    void SetFaceName(const QString& name);

    // Height, weight, italic, underline, strike-out, face, pitch, family and the no-antialias
    // quality carry over; width, escapement, orientation and the precisions have no QFont
    // counterpart and are left out.
    QFont ToQFont() const;
    // A font sized in points becomes a character height at the given dots per inch.
    static LogFont FromQFont(const QFont& font, int dotsPerInch = 96);

    // Fields in declaration order, integers little-endian, the face name as 32 UTF-16LE units.
    QByteArray ToBytes() const;
    // Nothing unless exactly kByteSize bytes are given.
    static std::optional<LogFont> FromBytes(const QByteArray& bytes);

    friend bool operator==(const LogFont&, const LogFont&) = default;
};
