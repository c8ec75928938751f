#pragma once
// One entry of the program's logs and its single text form, shared by the log files and the
// additional log buffer:
//   2024-05-06 14:03:27.512 | BŁĄD | 4711 | Quorvanta 4 | PulpitFrame::OnCreate (120) | text
// (local time, level, thread id, module, place with line, text). A multi-line text stays one
// entry: its further lines follow indented by one tab, so every entry begins on a line that
// starts with its time stamp and nothing else does. Files hold it as UTF-8.

#include <QByteArray>
#include <QDateTime>
#include <QString>

enum class LogLevel
{
    Info,
    Warning,
    Error,
    ErrorWithException,
};

struct LogEntry
{
    QDateTime time;
    LogLevel level = LogLevel::Info;
    qint64 threadId = 0;
    QString module;
    QString where;
    int line = 0;
    QString text;

    // Stamps the current local time and the calling thread.
    static LogEntry Make(LogLevel level, const QString& text, const QString& module, const QString& where, int line);
    static QString LevelName(LogLevel level);

    // The entry's lines, each ended by "\n".
    QString ToText() const;
    QByteArray ToUtf8() const { return ToText().toUtf8(); }
};
