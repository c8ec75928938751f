#include "workspace/engine/SafeFileName.h"

namespace
{
bool MustEncode(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20 ||
           c.unicode() == 0x7F;
}

QString Escaped(char16_t code)
{
    return QStringLiteral("%%1").arg(static_cast<unsigned>(code), 2, 16, QLatin1Char('0')).toUpper();
}

bool IsDotName(const QString& name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}
}

QString SafeFileName::Stem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("_");
    return CutToBytes(Encode(name), kMaxStemBytes);
}

bool SafeFileName::IsSafeStem(const QString& name)
{
    return !name.isEmpty() && Stem(name) == name;
}

QString SafeFileName::UniqueStem(const QString& name, std::set<QString>& used)
{
    QString stem = Stem(name);
    for (int n = 1; used.count(stem) != 0; ++n)
    {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        stem = CutToBytes(Stem(name), kMaxStemBytes - static_cast<int>(suffix.toUtf8().size())) + suffix;
    }
    used.insert(stem);
    return stem;
}

QString SafeFileName::Encode(const QString& name)
{
    if (IsDotName(name))
        return QString(name).replace(QLatin1Char('.'), QStringLiteral("%2E"));
    QString result;
    result.reserve(name.size());
    for (QChar c : name)
    {
        if (MustEncode(c))
            result += Escaped(c.unicode());
        else
            result += c;
    }
    return result;
}

QString SafeFileName::CutToBytes(const QString& text, int maxBytes)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size())
    {
        // A surrogate pair is one character of four bytes; a lone surrogate is written as three.
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        const char16_t unit = text[end].unicode();
        const int size = pair ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += pair ? 2 : 1;
    }
    return text.left(end);
}
