#pragma once
// The process's handler of fatal signals (segmentation fault, bus error, arithmetic error,
// illegal instruction, abort). It writes a readable report and lets the program end with the
// same signal. Everything the handler needs (the report's header, its folder, the log file) is
// prepared beforehand in fixed buffers, and the handler itself only makes async-signal-safe
// calls: it formats into its own buffers, writes with write(2), takes the backtrace with
// backtrace_symbols_fd and renames the finished file into place.
//
// Each thread runs the handler on an alternate signal stack of its own once InstallAltStack ran
// on it, so a thread whose stack overflowed still gets its report.

#include <QByteArray>
#include <QString>

class CrashSignalHandler
{
public:
    static constexpr const char* kReportPrefix = "CrashReport-";
    static constexpr const char* kReportSuffix = ".txt";
    // The report under construction carries this ending until it is complete.
    static constexpr const char* kPartialSuffix = ".part";
    static constexpr int kMaxHeaderBytes = 8192;
    static constexpr int kMaxPathBytes = 3072;
    static constexpr int kLogTailBytes = 16384;
    static constexpr int kMaxFrames = 64;

    // What the next report carries. Each is false, changing nothing, when the text does not fit.
    // An empty folder sends the report to the standard error output.
    static bool SetHeader(const QByteArray& utf8);
    static bool SetReportsFolder(const QByteArray& folder);
    static bool SetLogFile(const QByteArray& path);

    // Installs the handler for the process and an alternate stack for the calling thread;
    // false with the reason when a signal's handler cannot be set (nothing stays installed).
    static bool Install(QString& error);
    // Puts back the handlers that were there before Install.
    static void Uninstall();
    static bool IsInstalled();

    // The calling thread's alternate signal stack; false when it cannot be made.
    static bool InstallAltStack();
    static void RemoveAltStack();
};
