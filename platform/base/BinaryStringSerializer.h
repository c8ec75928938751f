#pragma once
// The text form in which styles and settings keep fonts and pens: the hexadecimal digits of
// their fixed little-endian byte layout (LogFont::ToBytes, LogPen::ToBytes).

#include "platform/base/LogFont.h"
#include "platform/base/LogPen.h"

#include <QByteArray>
#include <QString>

class BinaryStringSerializer
{
public:
    // Two upper-case hexadecimal digits per byte.
    static QString ConvertBinToText(const QByteArray& bytes);
    static QString ConvertBinToText(const LogFont& font);
    static QString ConvertBinToText(const LogPen& pen);

    // False, leaving the output untouched, unless the text is exactly 2 * expectedSize
    // hexadecimal digits (either case).
    static bool ConvertTextToBin(const QString& text, int expectedSize, QByteArray& bytes);
    static bool ConvertTextToBin(const QString& text, LogFont& font);
    static bool ConvertTextToBin(const QString& text, LogPen& pen);
};
