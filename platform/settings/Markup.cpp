#include "platform/settings/Markup.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

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
    m_writer.reset();
    m_reader.reset();
    m_doc = text;
    m_attributes.clear();
    m_depth = 0;
    m_openElements = 0;
    m_error.clear();
}

QString Markup::GetDoc()
{
    while (m_openElements > 0)
        OutOfElem();
    if (m_writer && m_writer->hasError())
        Fail(QStringLiteral("nie udało się zapisać dokumentu XML"));
    return m_doc;
}

bool Markup::FindElem(const QString& name)
{
    if (m_reader || m_writer)
        return false;
    m_reader = std::make_unique<QXmlStreamReader>(m_doc);
    if (!ReadToElement() || !m_reader->isStartElement())
        return false;
    m_depth = 1;
    m_attributes = m_reader->attributes();
    return m_reader->name() == name;
}

Markup::Step Markup::Next()
{
    if (!m_reader || m_depth == 0 || HasError() || !ReadToElement())
        return Step::Error;
    if (m_reader->isStartElement())
    {
        if (m_depth >= kMaxDepth)
        {
            Fail(QStringLiteral("zagnieżdżenie głębsze niż %1 poziomów").arg(kMaxDepth));
            return Step::Error;
        }
        ++m_depth;
        m_attributes = m_reader->attributes();
        return Step::Child;
    }
    --m_depth;
    m_attributes.clear();
    if (m_depth == 0 && !CheckRestOfDocument())
        return Step::Error;
    return Step::End;
}

QStringView Markup::ElemName() const
{
    return m_reader ? m_reader->name() : QStringView();
}

std::optional<QString> Markup::GetAttrib(const QString& name) const
{
    if (!m_attributes.hasAttribute(name))
        return std::nullopt;
    return m_attributes.value(name).toString();
}

std::optional<QString> Markup::GetTextAttrib(const QString& name)
{
    if (m_attributes.hasAttribute(name))
        return m_attributes.value(name).toString();
    const QString hexName = name + QLatin1Char('x');
    if (!m_attributes.hasAttribute(hexName))
        return std::nullopt;
    std::optional<QString> text = FromHex(m_attributes.value(hexName));
    if (!text)
        Fail(QStringLiteral("błędny zapis szesnastkowy atrybutu %1").arg(hexName));
    return text;
}

void Markup::AddElem(const QString& name)
{
    if (!IsValidElemName(name))
        Fail(QStringLiteral("niedozwolona nazwa elementu \"%1\"").arg(name));
    if (!m_writer)
        m_writer = std::make_unique<QXmlStreamWriter>(&m_doc);
    m_writer->writeStartElement(name);
    ++m_openElements;
}

void Markup::AddAttrib(const QString& name, const QString& value)
{
    if (m_writer)
        m_writer->writeAttribute(name, value);
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
    if (!m_writer || m_openElements == 0)
        return;
    m_writer->writeEndElement();
    --m_openElements;
}

void Markup::Fail(const QString& reason)
{
    if (!HasError())
        m_error = reason;
}

bool Markup::IsValidElemName(const QString& name)
{
    if (name.isEmpty() || !(name.front().isLetter() || name.front() == QLatin1Char('_')))
        return false;
    for (const QChar c : name)
        if (!c.isLetter() && !c.isDigit() && c != QLatin1Char('_') && c != QLatin1Char('-') && c != QLatin1Char('.'))
            return false;
    return true;
}

bool Markup::ReadToElement()
{
    while (!m_reader->atEnd())
    {
        switch (m_reader->readNext())
        {
        case QXmlStreamReader::StartElement:
        case QXmlStreamReader::EndElement:
            return true;
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        case QXmlStreamReader::Characters:
            if (!m_reader->isWhitespace())
            {
                Fail(QStringLiteral("nieoczekiwany tekst w wierszu %1").arg(m_reader->lineNumber()));
                return false;
            }
            break;
        case QXmlStreamReader::DTD:
            Fail(QStringLiteral("plik ustawień nie może zawierać DTD"));
            return false;
        case QXmlStreamReader::Invalid:
            FailWithReaderError();
            return false;
        default:
            Fail(QStringLiteral("nieoczekiwana zawartość w wierszu %1").arg(m_reader->lineNumber()));
            return false;
        }
    }
    Fail(QStringLiteral("niespodziewany koniec dokumentu"));
    return false;
}

void Markup::FailWithReaderError()
{
    Fail(QStringLiteral("%1 (wiersz %2, kolumna %3)")
             .arg(m_reader->errorString())
             .arg(m_reader->lineNumber())
             .arg(m_reader->columnNumber()));
}

bool Markup::CheckRestOfDocument()
{
    while (!m_reader->atEnd())
    {
        switch (m_reader->readNext())
        {
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        case QXmlStreamReader::Characters:
            if (!m_reader->isWhitespace())
            {
                Fail(QStringLiteral("nieoczekiwany tekst po elemencie głównym"));
                return false;
            }
            break;
        case QXmlStreamReader::Invalid:
            FailWithReaderError();
            return false;
        default:
            Fail(QStringLiteral("nieoczekiwana zawartość po elemencie głównym"));
            return false;
        }
    }
    return true;
}
