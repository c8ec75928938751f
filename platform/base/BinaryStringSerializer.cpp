#include "platform/base/BinaryStringSerializer.h"

namespace
{
int HexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}
}

QString BinaryStringSerializer::ConvertBinToText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString BinaryStringSerializer::ConvertBinToText(const LogFont& font)
{
    return ConvertBinToText(font.ToBytes());
}

QString BinaryStringSerializer::ConvertBinToText(const LogPen& pen)
{
    return ConvertBinToText(pen.ToBytes());
}

bool BinaryStringSerializer::ConvertTextToBin(const QString& text, int expectedSize, QByteArray& bytes)
{
    if (expectedSize < 0 || text.size() != qsizetype(expectedSize) * 2)
        return false;
    QByteArray decoded(expectedSize, '\0');
    for (int i = 0; i < expectedSize; ++i)
    {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        decoded[i] = char(high << 4 | low);
    }
    bytes = decoded;
    return true;
}

bool BinaryStringSerializer::ConvertTextToBin(const QString& text, LogFont& font)
{
    QByteArray bytes;
    if (!ConvertTextToBin(text, LogFont::kByteSize, bytes))
        return false;
    font = *LogFont::FromBytes(bytes);
    return true;
}

bool BinaryStringSerializer::ConvertTextToBin(const QString& text, LogPen& pen)
{
    QByteArray bytes;
    if (!ConvertTextToBin(text, LogPen::kByteSize, bytes))
        return false;
    pen = *LogPen::FromBytes(bytes);
    return true;
}
