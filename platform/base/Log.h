#pragma once
// The program's log, shared by every thread of the process. Each entry (see LogEntry) is
// appended to "Log.txt" and to the file of its level in the same folder: "LogInfo.txt",
// "LogWarning.txt" or "LogError.txt" (errors with an exception too). One lock covers the
// formatting and the writes, and each file receives an entry in a single unbuffered append,
// so entries of many threads never interleave and a crash loses at most the entry being written.
//
// The log files are the one kind of file the program appends to instead of replacing whole.
//
// While the log is not open (before Init, after Close) entries wait in memory, the last
// kMaxWaitingEntries of them, and are written by the next Init; so the entries of start-up code
// that runs before Init are not lost. When Init cannot open "Log.txt", the waiting entries and
// every later one go to standard error until the log is opened or closed.

#include "platform/base/LogEntry.h"

#include <QString>

#include <exception>

class Log
{
public:
    static constexpr int kMaxWaitingEntries = 1000;

    static QString LogFileName();       // "Log.txt"
    static QString LevelFileName(LogLevel level);

    // Opens "Log.txt" at the given path (the application-data folder's when empty) and the level
    // files beside it, for appending; reopens when already open. False when any could not be
    // opened; IsOpen then tells whether "Log.txt" itself was.
    static bool Init(const QString& logFilePath = QString());
    static void Close();
    static bool IsOpen();
    static QString LogFilePath();       // empty while closed

    static void WriteInfo(const QString& text, const QString& module, const QString& where, int line);
    static void WriteWarning(const QString& text, const QString& module, const QString& where, int line);
    static void WriteError(const QString& text, const QString& module, const QString& where, int line);
    static void WriteErrorEx(const std::exception& error, const QString& module, const QString& where, int line);
    static void WriteErrorEx(const QString& exceptionText, const QString& module, const QString& where, int line);
    static void AddLog(LogLevel level, const QString& text, const QString& module, const QString& where, int line);

    // Deletes "LogError.txt", "LogWarning.txt" and "LogInfo.txt" of the folder (the application-data
    // folder's when empty), keeping "Log.txt" and the additional log buffer's file, so that the level
    // files show one run. When the log is open in that folder its level files start anew.
    // False when a file remains.
    static bool DeleteLevelFiles(const QString& folder = QString());
};
