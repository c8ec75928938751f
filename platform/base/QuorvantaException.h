#pragma once
// The program's exception for a broken contract between its parts (a null object where one
// is required, an object in a state it must never reach): where it was raised and why, and
// optionally the library and line, so the log and crash report can name the place.

#include <QString>

#include <stdexcept>

class QuorvantaException : public std::runtime_error
{
public:
    QuorvantaException(const QString& place, const QString& text, const QString& moduleName = QString(),
                       int line = 0);

    const QString& Place() const { return m_place; }
    const QString& Text() const { return m_text; }
    const QString& ModuleName() const { return m_moduleName; }
    int Line() const { return m_line; }

private:
    QString m_place;
    QString m_text;
    QString m_moduleName;
    int m_line;
};
