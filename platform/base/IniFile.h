#pragma once
// Profile strings in an INI file, read and written the way the program's helper tools expect
// ("[Section]" lines, "key=value" lines). Every call reads the file afresh, like the system's
// profile functions did, so nothing is cached between calls.
//
// Reading: section and key names match without regard to case; the first matching section and
// the first matching key in it win; names and values are trimmed and a value wrapped in one pair
// of double or single quotes loses them; lines starting with ';' or '#' are comments. Files in
// UTF-8 (with or without a byte-order mark) and UTF-16 with a byte-order mark are read; a
// UTF-16LE file without one is recognised by its first character.
//
// Writing changes only the line of the key (or adds the key at the end of its section, or the
// section at the end of the file) and keeps every other line, comment, blank line and the line
// ending style; the file is written whole in UTF-8 through the atomic writer. Writes of the
// whole process to INI files are serialised, so two threads never lose each other's keys.

#include <QString>
#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

class IniFile
{
public:
    explicit IniFile(const QString& path);

    const QString& Path() const { return m_path; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    // The value's leading decimal number ("-12abc" gives -12, "abc" gives 0, clamped to int);
    // the default only when the key is missing.
    int ReadInt(const QString& section, const QString& key, int defaultValue) const;
    // Creates the file, section or key when missing. False, leaving the file as it was, when the
    // file cannot be written, when it exists but cannot be read or is not valid text (rewriting it
    // would damage it), or when a name or the value would break the file's structure (line breaks,
    // '=' in a key, ']' in a section, empty names).
    bool WriteString(const QString& section, const QString& key, const QString& value);
    // Several keys of one section in one write of the file; none is written when one cannot be.
    bool WriteStrings(const QString& section, const QList<std::pair<QString, QString>>& values);

    // The file's lines as text, for readers that scan lines themselves; empty when unreadable.
    QStringList ReadLines() const;
    // The key's value in lines read once with ReadLines, matched as ReadString matches it: for a
    // reader of many keys, which would otherwise read the file once per key.
    static std::optional<QString> Lookup(const QStringList& lines, const QString& section, const QString& key);

private:
    QString m_path;
};
