#include "platform/base/Number2String.h"

#include "platform/base/TextHelper.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace
{
QString ApplyFormat(const QString& format, const QString& number)
{
    QString text = format;
    const qsizetype at = text.indexOf(QStringLiteral("%s"));
    return at < 0 ? text : text.replace(at, 2, number);
}

QString ValueText(double value, int minPrecision, int precision)
{
    minPrecision = std::max(minPrecision, 0);
    QString text = TextHelper::ToString(value, std::max(precision, minPrecision));
    const qsizetype dot = text.indexOf(u'.');
    if (dot >= 0)
    {
        while (text.size() - dot - 1 > minPrecision && text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}
}

int Number2String::Precision2PrecisionType(int precision)
{
    return precision >= 0 && precision <= kMaxPrecision ? precision : 0;
}

QString Number2String::Format(double value, int precision)
{
    return TextHelper::ToString(value, std::max(precision, 0));
}

Number2String::Number2String(const QString& format, double value, int minPrecision, int precision)
    : m_text(ApplyFormat(format, ValueText(value, minPrecision, precision)))
{
}

Number2String::Number2String(const QString& format, const QFont& font, int width, double value, int minPrecision, int precision)
    : Number2String(format, value, minPrecision, precision)
{
    const QFontMetrics metrics(font);
    auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; };
    if (fits(m_text))
        return;

    for (int decimals = std::max(std::max(minPrecision, precision), 0) - 1; decimals >= 0; --decimals)
    {
        const QString text = ApplyFormat(format, TextHelper::ToString(value, decimals, true));
        if (fits(text))
        {
            m_text = text;
            return;
        }
    }

    struct Scale
    {
        double divisor;
        const char16_t* suffix;
    };
    static constexpr Scale kScales[] = {{1e3, u"k"}, {1e6, u"M"}, {1e9, u"G"}};
    for (const Scale& scale : kScales)
    {
        if (std::abs(value) < scale.divisor)
            break;
        for (int decimals = 2; decimals >= 0; --decimals)
        {
            const QString number = TextHelper::ToString(value / scale.divisor, decimals, true) + QString::fromUtf16(scale.suffix);
            const QString text = ApplyFormat(format, number);
            if (fits(text))
            {
                m_text = text;
                return;
            }
        }
    }
    m_text = QStringLiteral("#");
}
