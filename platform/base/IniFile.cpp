#include "platform/base/IniFile.h"

#include "platform/base/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <mutex>
#include <optional>

namespace
{
std::mutex g_writeLock;

const char kUtf8Bom[] = "\xEF\xBB\xBF";

struct IniText
{
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");
    bool endsWithLineEnd = true;
    bool utf8Bom = false;
    bool exact = true;      // decoded without loss, so it can be written back
};

struct Location
{
    qsizetype section = -1;
    qsizetype sectionEnd = -1;
    qsizetype key = -1;
    QString value;
};

void Decode(const QByteArray& bytes, IniText& text)
{
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    qsizetype skip = 0;
    if (bytes.startsWith(kUtf8Bom))
    {
        skip = 3;
        text.utf8Bom = true;
    }
    else if (bytes.startsWith("\xFF\xFE"))
    {
        encoding = QStringConverter::Utf16LE;
        skip = 2;
    }
    else if (bytes.startsWith("\xFE\xFF"))
    {
        encoding = QStringConverter::Utf16BE;
        skip = 2;
    }
    else if (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0)
    {
        encoding = QStringConverter::Utf16LE;
    }

    QStringDecoder decoder(encoding);
    const QByteArray body = bytes.mid(skip);
    const QString content = decoder(body);
    text.exact = !decoder.hasError() && (encoding == QStringConverter::Utf8 || body.size() % 2 == 0);
    if (content.isEmpty())
        return;

    const qsizetype firstBreak = content.indexOf(QLatin1Char('\n'));
    if (firstBreak > 0 && content[firstBreak - 1] == QLatin1Char('\r'))
        text.lineEnd = QStringLiteral("\r\n");
    text.lines = content.split(QLatin1Char('\n'));
    for (QString& line : text.lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    text.endsWithLineEnd = text.lines.last().isEmpty();
    if (text.endsWithLineEnd)
        text.lines.removeLast();
}

// False only when the file exists and cannot be read; a missing file is an empty text.
bool Load(const QString& path, IniText& text)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Decode(file.readAll(), text);
    return true;
}

std::optional<QString> SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (!trimmed.startsWith(QLatin1Char('[')) || close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool SplitKeyLine(const QString& line, QString& key, QString& value)
{
    const QString trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals < 0 || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return false;
    key = trimmed.left(equals).trimmed();
    value = trimmed.mid(equals + 1).trimmed();
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        value = value.mid(1, value.size() - 2);
    return true;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Location Find(const QStringList& lines, const QString& section, const QString& key)
{
    Location location;
    for (qsizetype index = 0; index < lines.size(); ++index)
    {
        if (const auto name = SectionName(lines[index]))
        {
            if (location.section >= 0)
            {
                location.sectionEnd = index;
                return location;
            }
            if (SameName(*name, section))
                location.section = index;
            continue;
        }
        QString lineKey;
        QString lineValue;
        if (location.section >= 0 && location.key < 0 && SplitKeyLine(lines[index], lineKey, lineValue)
            && SameName(lineKey, key))
        {
            location.key = index;
            location.value = lineValue;
        }
    }
    if (location.section >= 0)
        location.sectionEnd = lines.size();
    return location;
}

std::optional<QString> FindValue(const QString& path, const QString& section, const QString& key)
{
    IniText text;
    if (!Load(path, text))
        return std::nullopt;
    return IniFile::Lookup(text.lines, section, key);
}

bool HasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

bool CanWrite(const QString& section, const QString& key, const QString& value)
{
    if (section.isEmpty() || key.isEmpty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    if (section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')))
        return false;
    return !key.startsWith(QLatin1Char('[')) && !key.startsWith(QLatin1Char(';')) && !key.startsWith(QLatin1Char('#'));
}

void Place(QStringList& lines, const QString& section, const QString& key, const QString& value)
{
    const Location location = Find(lines, section, key);
    if (location.key >= 0)
    {
        QString& line = lines[location.key];
        line = line.left(line.indexOf(QLatin1Char('=')) + 1) + value;
        return;
    }
    const QString keyLine = key + QLatin1Char('=') + value;
    if (location.section >= 0)
    {
        qsizetype insertAt = location.section + 1;
        for (qsizetype index = insertAt; index < location.sectionEnd; ++index)
            if (!lines[index].trimmed().isEmpty())
                insertAt = index + 1;
        lines.insert(insertAt, keyLine);
        return;
    }
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
        lines.append(QString());
    lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    lines.append(keyLine);
}
}

IniFile::IniFile(const QString& path)
    : m_path(path)
{
}

std::optional<QString> IniFile::Lookup(const QStringList& lines, const QString& section, const QString& key)
{
    const Location location = Find(lines, section.trimmed(), key.trimmed());
    if (location.key < 0)
        return std::nullopt;
    return location.value;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return FindValue(m_path, section, key).value_or(defaultValue);
}

int IniFile::ReadInt(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QString> value = FindValue(m_path, section, key);
    if (!value)
        return defaultValue;

    qsizetype index = 0;
    const bool negative = value->startsWith(QLatin1Char('-'));
    if (negative || value->startsWith(QLatin1Char('+')))
        index = 1;
    const qint64 limit = negative ? -qint64(INT_MIN) : qint64(INT_MAX);
    qint64 number = 0;
    for (; index < value->size() && value->at(index).isDigit() && value->at(index).unicode() < 128; ++index)
        number = std::min(number * 10 + value->at(index).digitValue(), limit);
    return static_cast<int>(negative ? -number : number);
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    return WriteStrings(section, {{key, value}});
}

bool IniFile::WriteStrings(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    const QString sectionName = section.trimmed();
    for (const auto& [key, value] : values)
        if (!CanWrite(sectionName, key.trimmed(), value))
            return false;

    std::lock_guard guard(g_writeLock);
    IniText text;
    if (!Load(m_path, text) || !text.exact)
        return false;
    const QStringList before = text.lines;
    for (const auto& [key, value] : values)
        Place(text.lines, sectionName, key.trimmed(), value);
    if (text.lines == before && QFile::exists(m_path))
        return true;

    QByteArray content = text.utf8Bom ? QByteArray(kUtf8Bom) : QByteArray();
    content += text.lines.join(text.lineEnd).toUtf8();
    if (text.endsWithLineEnd)
        content += text.lineEnd.toUtf8();
    return AtomicFile::Write(m_path, content);
}

QStringList IniFile::ReadLines() const
{
    IniText text;
    return Load(m_path, text) ? text.lines : QStringList();
}
