#include "platform/ui/StringTable.h"

#include "platform/ui/UiLog.h"

#include <QDir>
#include <QFile>
#include <QStringTokenizer>

namespace
{
// The compiled-in tables, in name order; other areas of the program add their own files.
StringTable LoadProgramTables()
{
    StringTable table;
    const QDir folder(QStringLiteral(":/resources"));
    const QStringList names = folder.entryList({QStringLiteral("strings*.pl.tsv")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
    {
        QString errorText;
        if (!table.LoadFile(folder.filePath(name), &errorText))
            qCWarning(lcUi).noquote() << errorText;
    }
    if (names.isEmpty())
        qCWarning(lcUi) << "StringTable: no string table is compiled in";
    return table;
}
}

const StringTable& StringTable::Instance()
{
    static const StringTable table = LoadProgramTables();
    return table;
}

bool StringTable::Load(const QByteArray& utf8, const QString& sourceName, QString* errorText)
{
    const auto fail = [&](int lineNumber, const QString& reason) {
        if (errorText)
            *errorText = QStringLiteral("%1:%2: %3").arg(sourceName).arg(lineNumber).arg(reason);
        return false;
    };

    // Read at every start: lines are views of the one decoded text, copied only as texts.
    const QString all = QString::fromUtf8(utf8);
    QHash<std::uint32_t, QString> added;
    added.reserve(all.count(QLatin1Char('\n')) + 1);
    int lineNumber = 0;
    for (QStringView line : qTokenize(all, QLatin1Char('\n')))
    {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            return fail(lineNumber, QStringLiteral("no tab between id and text"));
        bool isNumber = false;
        const uint id = line.left(tab).toUInt(&isNumber);
        if (!isNumber)
            return fail(lineNumber, QStringLiteral("the id is not a number"));
        if (m_texts.contains(id) || added.contains(id))
            return fail(lineNumber, QStringLiteral("id %1 is already defined").arg(id));
        added.insert(id, Unescape(line.mid(tab + 1)));
    }
    m_texts.reserve(m_texts.size() + added.size());
    m_texts.insert(added);
    return true;
}

bool StringTable::LoadFile(const QString& path, QString* errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        if (errorText)
            *errorText = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return Load(file.readAll(), path, errorText);
}

QString StringTable::Description(std::uint32_t id) const
{
    return Part(id, 0);
}

QString StringTable::Caption(std::uint32_t id) const
{
    const QString text = Get(id);
    const qsizetype lastBreak = text.lastIndexOf(QLatin1Char('\n'));
    return lastBreak < 0 ? QString() : text.mid(lastBreak + 1);
}

QString StringTable::Part(std::uint32_t id, int index) const
{
    return Get(id).split(QLatin1Char('\n')).value(index);
}

QString StringTable::Unescape(QStringView text)
{
    // Written through the buffer: nearly every text has a line break, and appending character
    // by character was most of the tables' reading time.
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    const QChar* const end = text.data() + text.size();
    for (const QChar* in = text.data(); in != end; ++in)
    {
        const QChar next = in + 1 != end ? in[1] : QChar();
        if (*in == QLatin1Char('\\') && next == QLatin1Char('n'))
            *out++ = QLatin1Char('\n');
        else if (*in == QLatin1Char('\\') && next == QLatin1Char('t'))
            *out++ = QLatin1Char('\t');
        else if (*in == QLatin1Char('\\') && next == QLatin1Char('\\'))
            *out++ = QLatin1Char('\\');
        else
        {
            *out++ = *in;
            continue;
        }
        ++in;
    }
    result.truncate(out - result.constData());
    return result;
}
