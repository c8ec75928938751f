#include "platform/settings/Markup.h"

#include "platform/settings/MarkupReader.h"

namespace
{
bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool NeedsHex(const QString& text)
{
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i)
    {
        const char16_t c = units[i];
        if (c < 0x20)
        {
            if (c != u'\t' && c != u'\n' && c != u'\r')
                return true;
        }
        else if (IsHighSurrogate(c))
        {
            if (i + 1 == size || !IsLowSurrogate(units[i + 1]))
                return true;
            ++i;
        }
        else if (IsLowSurrogate(c) || c == 0xFFFE || c == 0xFFFF)
            return true;
    }
    return false;
}

QString ToHex(const QString& text)
{
    static const char16_t kDigits[] = u"0123456789abcdef";
    QString hex(text.size() * 4, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(hex.data());
    for (const QChar c : text)
    {
        const char16_t unit = c.unicode();
        *out++ = kDigits[(unit >> 12) & 0xF];
        *out++ = kDigits[(unit >> 8) & 0xF];
        *out++ = kDigits[(unit >> 4) & 0xF];
        *out++ = kDigits[unit & 0xF];
    }
    return hex;
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<QString> FromHex(QStringView hex)
{
    if (hex.size() % 4 != 0)
        return std::nullopt;
    QString text(hex.size() / 4, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < hex.size(); i += 4)
    {
        char16_t unit = 0;
        for (qsizetype j = 0; j < 4; ++j)
        {
            const int digit = HexDigit(hex[i + j]);
            if (digit < 0)
                return std::nullopt;
            unit = char16_t((unit << 4) | digit);
        }
        *out++ = QChar(unit);
    }
    return text;
}
}

Markup::Markup() = default;

Markup::~Markup() = default;

void Markup::SetDoc(const QString& text)
{
    m_reader.reset();
    m_doc = text;
    m_openElements.clear();
    m_inStartTag = false;
    m_error.clear();
}

QString Markup::GetDoc()
{
    while (!m_openElements.empty())
        OutOfElem();
    return m_doc;
}

bool Markup::FindElem(const QString& name)
{
    if (m_reader || !m_openElements.empty())
        return false;
    m_reader = std::make_unique<MarkupReader>(m_doc, kMaxDepth);
    if (m_reader->Next() != MarkupReader::Token::Start)
    {
        Fail(m_reader->Error());
        return false;
    }
    return m_reader->Name() == name;
}

Markup::Step Markup::Next()
{
    if (!m_reader || HasError())
        return Step::Error;
    switch (m_reader->Next())
    {
    case MarkupReader::Token::Start:
        return Step::Child;
    case MarkupReader::Token::End:
        return Step::End;
    case MarkupReader::Token::Error:
        break;
    }
    return Failed();
}

QStringView Markup::ElemName() const
{
    return m_reader ? m_reader->Name() : QStringView();
}

std::optional<QString> Markup::GetAttrib(const QString& name) const
{
    if (m_reader)
        for (const MarkupReader::Attribute& attribute : m_reader->Attributes())
            if (attribute.name == name)
                return attribute.value;
    return std::nullopt;
}

std::optional<QString> Markup::GetTextAttrib(const QString& name)
{
    if (!m_reader)
        return std::nullopt;
    for (const MarkupReader::Attribute& attribute : m_reader->Attributes())
    {
        if (attribute.name == name)
            return attribute.value;
        if (attribute.name.size() == name.size() + 1 && attribute.name.startsWith(name) && attribute.name.back() == u'x')
        {
            std::optional<QString> text = FromHex(attribute.value);
            if (!text)
                Fail(QStringLiteral("błędny zapis szesnastkowy atrybutu %1").arg(attribute.name));
            return text;
        }
    }
    return std::nullopt;
}

void Markup::AddElem(const QString& name)
{
    if (!MarkupReader::IsName(name))
        Fail(QStringLiteral("niedozwolona nazwa elementu \"%1\"").arg(name));
    if (m_inStartTag)
        m_doc.append(QLatin1Char('>'));
    m_doc.append(QLatin1Char('<')).append(name);
    m_openElements.push_back(name);
    m_inStartTag = true;
}

void Markup::AddAttrib(const QString& name, const QString& value)
{
    if (!m_inStartTag)
    {
        Fail(QStringLiteral("atrybut %1 poza znacznikiem elementu").arg(name));
        return;
    }
    m_doc.append(QLatin1Char(' ')).append(name).append(QLatin1String("=\""));
    AppendEscaped(value);
    m_doc.append(QLatin1Char('"'));
}

void Markup::AddTextAttrib(const QString& name, const QString& value)
{
    if (NeedsHex(value))
        AddAttrib(name + QLatin1Char('x'), ToHex(value));
    else
        AddAttrib(name, value);
}

void Markup::OutOfElem()
{
    if (m_openElements.empty())
        return;
    if (m_inStartTag)
        m_doc.append(QLatin1String("/>"));
    else
        m_doc.append(QLatin1String("</")).append(m_openElements.back()).append(QLatin1Char('>'));
    m_openElements.pop_back();
    m_inStartTag = false;
}

void Markup::Fail(const QString& reason)
{
    if (!HasError())
        m_error = reason;
}

// Tabs and line breaks are written as references, since a reader turns them into spaces.
void Markup::AppendEscaped(const QString& value)
{
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < value.size(); ++i)
    {
        QLatin1String escaped;
        switch (value[i].unicode())
        {
        case u'&': escaped = QLatin1String("&amp;"); break;
        case u'<': escaped = QLatin1String("&lt;"); break;
        case u'>': escaped = QLatin1String("&gt;"); break;
        case u'"': escaped = QLatin1String("&quot;"); break;
        case u'\t': escaped = QLatin1String("&#9;"); break;
        case u'\n': escaped = QLatin1String("&#10;"); break;
        case u'\r': escaped = QLatin1String("&#13;"); break;
        default: continue;
        }
        m_doc.append(QStringView(value).sliced(plainFrom, i - plainFrom)).append(escaped);
        plainFrom = i + 1;
    }
    m_doc.append(QStringView(value).sliced(plainFrom));
}

Markup::Step Markup::Failed()
{
    Fail(m_reader->Error());
    return Step::Error;
}
