#include "ribbon/themes/ThemeIniReader.h"

#include <QFile>
#include <QRegularExpression>

ThemeIniReader::ThemeIniReader(const QString& path)
    : m_file(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("the file cannot be read"));
    else
        m_lines = m_file.ReadLines();
}

QColor ThemeIniReader::Color(const QString& section, const QString& key)
{
    static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (HasError())
        return {};
    const QString value = IniFile::Lookup(m_lines, section, key).value_or(QString());
    if (value.isEmpty())
    {
        Fail(QStringLiteral("[%1] has no %2").arg(section, key));
        return {};
    }
    if (!pattern.match(value).hasMatch())
    {
        Fail(QStringLiteral("[%1] %2 is not a colour #RRGGBB: %3").arg(section, key, value));
        return {};
    }
    return QColor(value);
}

void ThemeIniReader::Fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1: %2").arg(m_file.Path(), reason);
}
