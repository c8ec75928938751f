#include "platform/base/LogEntry.h"

#include <QRegularExpression>
#include <QStringList>

#include <unistd.h>

namespace
{
// Header fields must stay on one line whatever a caller passes.
QString OneLine(QString field)
{
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

QStringList TextLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    while (lines.size() > 1 && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}
}

LogEntry LogEntry::Make(LogLevel level, const QString& text, const QString& module, const QString& where, int line)
{
    LogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.level = level;
    entry.threadId = static_cast<qint64>(::gettid());
    entry.module = module;
    entry.where = where;
    entry.line = line;
    entry.text = text;
    return entry;
}

QString LogEntry::LevelName(LogLevel level)
{
    switch (level)
    {
    case LogLevel::Info:
        return QStringLiteral("INFO");
    case LogLevel::Warning:
        return QStringLiteral("OSTRZEŻENIE");
    case LogLevel::Error:
        return QStringLiteral("BŁĄD");
    case LogLevel::ErrorWithException:
        return QStringLiteral("WYJĄTEK");
    }
    return QStringLiteral("?");
}

QString LogEntry::ToText() const
{
    const QString separator = QStringLiteral(" | ");
    QString result = time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    result += separator + LevelName(level);
    result += separator + QString::number(threadId);
    result += separator + OneLine(module);
    result += separator + OneLine(where) + QStringLiteral(" (") + QString::number(line) + QLatin1Char(')');
    result += separator + TextLines(text).join(QStringLiteral("\n\t"));
    result += QLatin1Char('\n');
    return result;
}
