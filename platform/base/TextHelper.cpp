#include "platform/base/TextHelper.h"

#include <QFontMetrics>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace TextHelper
{
namespace
{
bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Drops the sign of a text that shows zero ("-0", "-0.00").
QString WithoutNegativeZero(const QString& text)
{
    if (text.startsWith(u'-') && std::all_of(text.begin() + 1, text.end(), [](QChar c) { return c == u'0' || c == u'.'; }))
        return text.mid(1);
    return text;
}
}

bool IsDecimalNumber(const QString& text)
{
    int i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    int separators = 0;
    for (; i < text.size(); ++i)
    {
        if (IsDigit(text[i]))
            ++digits;
        else if ((text[i] == u'.' || text[i] == u',') && ++separators == 1)
            continue;
        else
            return false;
    }
    return digits > 0;
}

double ToDouble(const QString& text, bool* ok)
{
    QString number = text.trimmed();
    bool converted = IsDecimalNumber(number);
    double value = 0.0;
    if (converted)
    {
        number.replace(u',', u'.');
        value = number.toDouble(&converted);
        if (!converted)
            value = 0.0;
    }
    if (ok)
        *ok = converted;
    return value;
}

int ParsePrecision(const QString& text)
{
    const QString number = text.trimmed();
    if (!IsDecimalNumber(number))
        return 0;
    const qsizetype separator = std::max(number.indexOf(u'.'), number.indexOf(u','));
    return separator < 0 ? 0 : int(number.size() - separator - 1);
}

int ToInt(const QString& text, bool* ok)
{
    bool converted = false;
    const int value = text.trimmed().toInt(&converted, 10);
    if (ok)
        *ok = converted;
    return converted ? value : 0;
}

unsigned ToUInt(const QString& text, bool* ok)
{
    const QString number = text.trimmed();
    // toUInt would wrap a negative number around.
    bool converted = !number.startsWith(u'-');
    const unsigned value = converted ? number.toUInt(&converted, 10) : 0;
    if (ok)
        *ok = converted;
    return converted ? value : 0;
}

std::optional<std::vector<int>> ToIntList(const QString& text, int count)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != count)
        return std::nullopt;
    std::vector<int> values;
    values.reserve(count);
    for (const QString& part : parts)
    {
        bool ok = false;
        values.push_back(ToInt(part, &ok));
        if (!ok)
            return std::nullopt;
    }
    return values;
}

QString ToString(double value)
{
    return WithoutNegativeZero(QString::number(value, 'f', QLocale::FloatingPointShortest));
}

QString ToString(double value, int precision, bool trimZeros)
{
    QString text = QString::number(value, 'f', std::clamp(precision, 0, 15));
    if (trimZeros && text.contains(u'.'))
    {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return WithoutNegativeZero(text);
}

QString AnsiToUnicode(const QByteArray& text)
{
    return QString::fromUtf8(text);
}

QSize GetTextSize(const QString& text, const QFont& font)
{
    return QFontMetrics(font).size(Qt::TextSingleLine, text);
}
}
