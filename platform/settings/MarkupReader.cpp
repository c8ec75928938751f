#include "platform/settings/MarkupReader.h"

namespace
{
bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D ||
           (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD);
}

bool IsNameChar(char16_t c)
{
    return IsNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Characters that an attribute value may hold as they are.
bool IsPlainValueChar(char16_t c)
{
    return c >= 0x20 && c != u'&' && c != u'<' && !(c >= 0xD800 && c <= 0xDFFF) && c < 0xFFFE;
}

// The value of one digit in the given base (10 or 16); -1 for anything else.
int DigitValue(QChar digit, bool hex)
{
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (hex && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (hex && c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}
}

bool MarkupReader::IsName(QStringView text)
{
    if (text.isEmpty() || !IsNameStart(text.front().unicode()))
        return false;
    for (const QChar c : text)
        if (!IsNameChar(c.unicode()))
            return false;
    return true;
}

MarkupReader::MarkupReader(QStringView document, int maxDepth)
    : m_begin(document.data()), m_pos(document.data()), m_end(document.data() + document.size()), m_maxDepth(maxDepth)
{
}

MarkupReader::Token MarkupReader::Next()
{
    if (HasError() || m_rootDone)
        return Token::Error;
    if (m_pendingEnd)
    {
        m_pendingEnd = false;
        m_name = m_open.back();
        m_open.pop_back();
        m_attributes.clear();
        if (m_open.empty() && !CheckRestOfDocument())
            return Token::Error;
        return Token::End;
    }
    if (!SkipMisc())
        return Token::Error;
    if (AtEnd())
    {
        Fail(QStringLiteral("niespodziewany koniec dokumentu"));
        return Token::Error;
    }
    if (*m_pos != u'<')
    {
        Fail(QStringLiteral("nieoczekiwany tekst"));
        return Token::Error;
    }
    if (m_pos + 1 < m_end && m_pos[1] == u'/')
    {
        if (!ReadEndTag() || (m_open.empty() && !CheckRestOfDocument()))
            return Token::Error;
        return Token::End;
    }
    return ReadStartTag() ? Token::Start : Token::Error;
}

bool MarkupReader::ReadStartTag()
{
    if (static_cast<int>(m_open.size()) >= m_maxDepth)
        return Fail(QStringLiteral("zagnieżdżenie głębsze niż %1 poziomów").arg(m_maxDepth));
    ++m_pos;
    QStringView name;
    if (!ReadName(name))
        return false;
    m_attributes.clear();
    for (;;)
    {
        const bool spaced = SkipWhitespace();
        if (AtEnd())
            return Fail(QStringLiteral("niespodziewany koniec dokumentu"));
        if (*m_pos == u'>' || *m_pos == u'/')
        {
            if (*m_pos == u'/')
            {
                if (m_pos + 1 == m_end || m_pos[1] != u'>')
                    return Fail(QStringLiteral("błędny znacznik"));
                ++m_pos;
                m_pendingEnd = true;
            }
            ++m_pos;
            m_open.push_back(name);
            m_name = name;
            return true;
        }
        if (!spaced)
            return Fail(QStringLiteral("brak odstępu przed atrybutem"));
        Attribute attribute;
        if (!ReadName(attribute.name))
            return false;
        for (const Attribute& other : m_attributes)
            if (other.name == attribute.name)
                return Fail(QStringLiteral("powtórzony atrybut %1").arg(attribute.name));
        SkipWhitespace();
        if (AtEnd() || *m_pos != u'=')
            return Fail(QStringLiteral("brak znaku = po nazwie atrybutu"));
        ++m_pos;
        SkipWhitespace();
        if (AtEnd() || (*m_pos != u'"' && *m_pos != u'\''))
            return Fail(QStringLiteral("brak cudzysłowu wartości atrybutu"));
        const QChar quote = *m_pos++;
        if (!ReadAttributeValue(quote, attribute.value))
            return false;
        m_attributes.push_back(std::move(attribute));
    }
}

bool MarkupReader::ReadEndTag()
{
    m_pos += 2;
    QStringView name;
    if (!ReadName(name))
        return false;
    SkipWhitespace();
    if (AtEnd() || *m_pos != u'>')
        return Fail(QStringLiteral("błędny znacznik zamykający"));
    ++m_pos;
    if (m_open.empty() || m_open.back() != name)
        return Fail(QStringLiteral("znacznik zamykający %1 nie pasuje do otwartego elementu").arg(name));
    m_open.pop_back();
    m_name = name;
    m_attributes.clear();
    return true;
}

bool MarkupReader::ReadName(QStringView& name)
{
    const QChar* start = m_pos;
    if (AtEnd() || !IsNameStart(m_pos->unicode()))
        return Fail(QStringLiteral("błędna nazwa"));
    ++m_pos;
    while (!AtEnd() && IsNameChar(m_pos->unicode()))
        ++m_pos;
    name = QStringView(start, m_pos);
    return true;
}

bool MarkupReader::ReadAttributeValue(QChar quote, QString& value)
{
    const QChar* start = m_pos;
    while (!AtEnd() && *m_pos != quote && IsPlainValueChar(m_pos->unicode()))
        ++m_pos;
    if (AtEnd())
        return Fail(QStringLiteral("niespodziewany koniec dokumentu"));
    value = QString(start, m_pos - start);
    // The rest, if any, needs decoding.
    while (*m_pos != quote)
    {
        const char16_t c = m_pos->unicode();
        if (IsPlainValueChar(c))
            value.append(*m_pos++);
        else if (c == u'&')
        {
            if (!ReadReference(value))
                return false;
        }
        else if (c == u'\t' || c == u'\n' || c == u'\r')
        {
            // Line ends count as one, and whitespace in an attribute becomes a space.
            if (c == u'\r' && m_pos + 1 < m_end && m_pos[1] == u'\n')
                ++m_pos;
            ++m_pos;
            value.append(QLatin1Char(' '));
        }
        else if (IsHighSurrogate(c) && m_pos + 1 < m_end && IsLowSurrogate(m_pos[1].unicode()))
        {
            value.append(m_pos, 2);
            m_pos += 2;
        }
        else if (c == u'<')
            return Fail(QStringLiteral("znak < w wartości atrybutu"));
        else
            return Fail(QStringLiteral("niedozwolony znak U+%1").arg(c, 4, 16, QLatin1Char('0')));
        if (AtEnd())
            return Fail(QStringLiteral("niespodziewany koniec dokumentu"));
    }
    ++m_pos;
    return true;
}

bool MarkupReader::ReadReference(QString& value)
{
    constexpr int kLongest = 10;  // "#x10FFFF" and its ';'
    const QChar* start = ++m_pos;
    while (!AtEnd() && *m_pos != u';' && m_pos - start < kLongest)
        ++m_pos;
    if (AtEnd() || *m_pos != u';')
        return Fail(QStringLiteral("błędne odwołanie do znaku"));
    const QStringView reference(start, m_pos);
    ++m_pos;
    if (reference == u"lt")
        value.append(QLatin1Char('<'));
    else if (reference == u"gt")
        value.append(QLatin1Char('>'));
    else if (reference == u"amp")
        value.append(QLatin1Char('&'));
    else if (reference == u"quot")
        value.append(QLatin1Char('"'));
    else if (reference == u"apos")
        value.append(QLatin1Char('\''));
    else if (reference.startsWith(u'#'))
    {
        const bool hex = reference.size() > 1 && reference[1] == u'x';
        const QStringView digits = reference.mid(hex ? 2 : 1);
        char32_t code = 0;
        for (const QChar digit : digits)
        {
            const int number = DigitValue(digit, hex);
            if (number < 0 || code > 0x10FFFF)
                return Fail(QStringLiteral("błędne odwołanie do znaku &%1;").arg(reference));
            code = code * (hex ? 16 : 10) + number;
        }
        if (digits.isEmpty() || !IsXmlChar(code))
            return Fail(QStringLiteral("błędne odwołanie do znaku &%1;").arg(reference));
        value.append(QString::fromUcs4(&code, 1));
    }
    else
        return Fail(QStringLiteral("nieznana encja &%1;").arg(reference));
    return true;
}

bool MarkupReader::SkipMisc()
{
    for (;;)
    {
        SkipWhitespace();
        if (LooksAt(u"<?"))
        {
            if (!SkipPast(u"?>"))
                return false;
        }
        else if (LooksAt(u"<!--"))
        {
            if (!SkipPast(u"-->"))
                return false;
        }
        else if (LooksAt(u"<!"))
            return Fail(LooksAt(u"<!DOCTYPE") ? QStringLiteral("plik ustawień nie może zawierać DTD")
                                              : QStringLiteral("nieoczekiwana zawartość"));
        else
            return true;
    }
}

bool MarkupReader::SkipPast(QStringView terminator)
{
    const QStringView rest(m_pos, m_end);
    const qsizetype found = rest.indexOf(terminator, 2);
    if (found < 0)
        return Fail(QStringLiteral("niespodziewany koniec dokumentu"));
    for (const QChar c : rest.first(found))
        if (!IsXmlChar(c.unicode()) && !IsHighSurrogate(c.unicode()) && !IsLowSurrogate(c.unicode()))
            return Fail(QStringLiteral("niedozwolony znak U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
    m_pos += found + terminator.size();
    return true;
}

bool MarkupReader::SkipWhitespace()
{
    const QChar* start = m_pos;
    while (!AtEnd() && IsSpace(m_pos->unicode()))
        ++m_pos;
    return m_pos != start;
}

bool MarkupReader::CheckRestOfDocument()
{
    m_rootDone = true;
    if (!SkipMisc())
        return false;
    if (!AtEnd())
        return Fail(QStringLiteral("nieoczekiwana zawartość po elemencie głównym"));
    return true;
}

bool MarkupReader::Fail(const QString& reason)
{
    if (HasError())
        return false;
    const QStringView before(m_begin, m_pos);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    m_error = QStringLiteral("%1 (wiersz %2, kolumna %3)")
                  .arg(reason)
                  .arg(before.count(u'\n') + 1)
                  .arg(before.size() - lineStart + 1);
    return false;
}

bool MarkupReader::LooksAt(QStringView text) const
{
    return QStringView(m_pos, m_end).startsWith(text);
}
