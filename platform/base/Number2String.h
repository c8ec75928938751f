#pragma once
// Numbers of market data as cell and label texts: a value with a minimal and a greatest number
// of decimals, put into a format at "%s", and, given a font and a width, shortened until it
// fits (fewer decimals first, then thousands "k", millions "M", billions "G"; "#" when
// nothing fits). C locale: '.' and no grouping.

#include <QFont>
#include <QString>

class Number2String
{
public:
    static constexpr int kMaxPrecision = 6;

    // Precisions outside 0..6 count as 0.
    static int Precision2PrecisionType(int precision);
    // The value with exactly that many decimals (0 for a negative precision).
    static QString Format(double value, int precision);

    // At least minPrecision and at most precision decimals: the value is rounded to precision
    // decimals and trailing zeros are dropped down to minPrecision. A precision below
    // minPrecision (such as -1) means exactly minPrecision decimals.
    Number2String(const QString& format, double value, int minPrecision, int precision = -1);
    // The same text, shortened to fit width pixels in the font. Needs a QGuiApplication.
    Number2String(const QString& format, const QFont& font, int width, double value, int minPrecision, int precision = -1);

    const QString& Text() const { return m_text; }

private:
    QString m_text;
};
