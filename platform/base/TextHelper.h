#pragma once
// Number and text conversions of the program. Every conversion is locale-independent: numbers
// are written with '.' and no grouping, and typed numbers are read with ',' or '.' as the
// decimal separator, so that what a Polish user types is understood.

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace TextHelper
{
// An optional sign, digits with at most one '.' or ',' among them, at least one digit; no
// blanks, no exponent, no grouping.
bool IsDecimalNumber(const QString& text);
// The number a user typed (surrounding blanks allowed); anything else gives 0 and ok false.
double ToDouble(const QString& text, bool* ok = nullptr);
// The number of digits after the decimal separator of a typed number; 0 for anything else.
int ParsePrecision(const QString& text);

// A decimal integer (surrounding blanks and a sign allowed); anything else gives 0 and ok false.
int ToInt(const QString& text, bool* ok = nullptr);
unsigned ToUInt(const QString& text, bool* ok = nullptr);
// Exactly count comma-separated integers, or nothing.
std::optional<std::vector<int>> ToIntList(const QString& text, int count);

// The shortest text that reads back as the same double, never with an exponent.
QString ToString(double value);
// Fixed decimals (precision clamped to 0..15); with trimZeros, trailing zeros after the
// separator and then a bare separator are dropped. A value that rounds to zero has no sign.
QString ToString(double value, int precision, bool trimZeros = false);

// 8-bit text from outside the program (UTF-8 on this system) as text.
QString AnsiToUnicode(const QByteArray& text);
// The size of one line of text in the font (the application's font when none is given).
// Needs a QGuiApplication.
QSize GetTextSize(const QString& text, const QFont& font = QFont());
}
