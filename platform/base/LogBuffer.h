#pragma once
// The additional log: entries kept in memory, shared by every thread of the process, that reach
// their file ("LogAdditionalBuffer.txt") only when the user asks to save them. Only the last
// kCapacity entries are kept, so a long run cannot fill the memory; an entry has the text form
// of LogEntry. Saving replaces the file with the entries held at that moment (oldest first)
// and keeps them in memory, so a later save holds them again with what came after.
//
// Entries are collected whether or not the buffer is open; Close forgets them and the file.

#include <QString>

class LogBuffer
{
public:
    static constexpr int kCapacity = 1000;

    static QString FileName();          // "LogAdditionalBuffer.txt"

    // Sets the file that SaveBufferContent writes (the application-data folder's when empty).
    static void Init(const QString& filePath = QString());
    static void Close();
    static QString FilePath();          // empty while closed

    static void AddLog(const QString& text, const QString& module, const QString& where, int line);
    // Writes the held entries to the file; false (and an error in the log) when the buffer is not
    // open or the file cannot be written.
    static bool SaveBufferContent();
};
