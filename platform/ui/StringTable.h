#pragma once
// The program's Polish texts by string id, read from the "strings*.pl.tsv" tables compiled in
// from resources/. A command id doubles as a string id whose text is "description\ncaption".
//
// File format: one "id<TAB>text" per line, UTF-8; "#" starts a comment line. In a text, "\n"
// stands for a line break, "\t" for a tab and "\\" for a backslash; any other backslash is
// kept as it stands.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>

class StringTable
{
public:
    // The program's table, loaded on first use (thread-safe; read-only afterwards).
    static const StringTable& Instance();

    // Adds the lines of one table. A malformed line or an id already known rejects the whole
    // table: false, the reason in errorText, nothing added.
    bool Load(const QByteArray& utf8, const QString& sourceName, QString* errorText = nullptr);
    bool LoadFile(const QString& path, QString* errorText = nullptr);

    bool Contains(std::uint32_t id) const { return m_texts.contains(id); }
    // The whole text; empty when the id is unknown.
    QString Get(std::uint32_t id) const { return m_texts.value(id); }
    // The text before the first line break.
    QString Description(std::uint32_t id) const;
    // The text after the last line break; empty when the text has none.
    QString Caption(std::uint32_t id) const;
    // The index-th part between line breaks; empty when there is none.
    QString Part(std::uint32_t id, int index) const;

    static QString Unescape(QStringView text);

private:
    QHash<std::uint32_t, QString> m_texts;
};
