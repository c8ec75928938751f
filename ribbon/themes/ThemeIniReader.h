#pragma once
// Reads the colours of a theme file ("key=#RRGGBB" lines in sections) and remembers the first
// key that is missing or not such a colour, so a loader reads everything and checks once.

#include "platform/base/IniFile.h"

#include <QColor>
#include <QString>
#include <QStringList>

class ThemeIniReader
{
public:
    explicit ThemeIniReader(const QString& path);

    // An invalid colour, and the error recorded, when the key is missing or malformed.
    QColor Color(const QString& section, const QString& key);

    bool HasError() const { return !m_error.isEmpty(); }
    // "<file>: <what is wrong>"; empty when all was well.
    const QString& GetError() const { return m_error; }

private:
    void Fail(const QString& reason);

    IniFile m_file;
    // Read once: a theme has dozens of colours.
    QStringList m_lines;
    QString m_error;
};
