#include "platform/base/Log.h"

#include "platform/base/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <deque>
#include <memory>
#include <mutex>
#include <typeinfo>
#include <utility>

namespace
{
enum LevelFile
{
    InfoFile,
    WarningFile,
    ErrorFile,
    LevelFileCount
};

const char* const kLevelFileNames[LevelFileCount] = {"LogInfo.txt", "LogWarning.txt", "LogError.txt"};

LevelFile FileOf(LogLevel level)
{
    switch (level)
    {
    case LogLevel::Info:
        return InfoFile;
    case LogLevel::Warning:
        return WarningFile;
    case LogLevel::Error:
    case LogLevel::ErrorWithException:
        return ErrorFile;
    }
    return ErrorFile;
}

struct LogState
{
    std::mutex lock;
    QString logFilePath;
    std::unique_ptr<QFile> logFile;
    std::array<std::unique_ptr<QFile>, LevelFileCount> levelFiles;
    std::deque<std::pair<LogLevel, QByteArray>> waiting;
    // "Log.txt" could not be opened: entries go to standard error instead of waiting for it.
    bool toStandardError = false;
};

// Never destroyed, so a thread that logs while the process ends never meets a dead lock object.
LogState& State()
{
    static LogState* const state = new LogState;
    return *state;
}

std::unique_ptr<QFile> OpenForAppend(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return nullptr;
    return file;
}

QString FolderOrAppData(const QString& folder)
{
    return folder.isEmpty() ? AppPaths::AppDataFolder() : folder;
}

bool OpenLevelFiles(LogState& state)
{
    const QDir folder = QFileInfo(state.logFilePath).absoluteDir();
    bool opened = true;
    for (int index = 0; index < LevelFileCount; ++index)
    {
        state.levelFiles[index] = OpenForAppend(folder.filePath(QString::fromLatin1(kLevelFileNames[index])));
        opened = opened && state.levelFiles[index];
    }
    return opened;
}

void CloseFiles(LogState& state)
{
    state.logFile.reset();
    for (auto& file : state.levelFiles)
        file.reset();
    state.logFilePath.clear();
    state.toStandardError = false;
}

// A whole entry or none: on a full disk a write stops part way, and a torn entry would run
// into the next one. What did not fit is cut off again.
void AppendWhole(QFile& file, const QByteArray& entry)
{
    const qint64 before = file.size();
    if (file.write(entry) == entry.size())
        return;
    file.resize(before);
    file.unsetError();
}

void WriteLocked(LogState& state, LogLevel level, const QByteArray& entry)
{
    if (!state.logFile && state.toStandardError)
    {
        std::fwrite(entry.constData(), 1, static_cast<size_t>(entry.size()), stderr);
        return;
    }
    if (!state.logFile)
    {
        state.waiting.emplace_back(level, entry);
        if (state.waiting.size() > static_cast<size_t>(Log::kMaxWaitingEntries))
            state.waiting.pop_front();
        return;
    }
    AppendWhole(*state.logFile, entry);
    if (const auto& levelFile = state.levelFiles[FileOf(level)])
        AppendWhole(*levelFile, entry);
}

QString TypeName(const std::exception& error)
{
    const char* mangled = typeid(error).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    const QString name = QString::fromLatin1(status == 0 && demangled ? demangled : mangled);
    std::free(demangled);
    return name;
}
}

QString Log::LogFileName()
{
    return QStringLiteral("Log.txt");
}

QString Log::LevelFileName(LogLevel level)
{
    return QString::fromLatin1(kLevelFileNames[FileOf(level)]);
}

bool Log::Init(const QString& logFilePath)
{
    const QString path = logFilePath.isEmpty() ? QDir(AppPaths::AppDataFolder()).filePath(LogFileName()) : logFilePath;
    AppPaths::EnsureFolder(QFileInfo(path).absolutePath());

    LogState& state = State();
    std::lock_guard guard(state.lock);
    CloseFiles(state);
    state.logFile = OpenForAppend(path);
    bool opened = state.logFile != nullptr;
    if (opened)
    {
        state.logFilePath = path;
        opened = OpenLevelFiles(state);
    }
    else
    {
        state.toStandardError = true;
        const QString text =
            QStringLiteral("Nie można pisać do dziennika %1; wpisy trafiają na standardowe wyjście błędów.").arg(path);
        state.waiting.emplace_back(LogLevel::Error, LogEntry::Make(LogLevel::Error, text, QString::fromUtf8(AppPaths::kProductName),
                                                                   QStringLiteral("Log::Init"), __LINE__)
                                                        .ToUtf8());
    }

    auto waiting = std::exchange(state.waiting, {});
    for (const auto& [level, entry] : waiting)
        WriteLocked(state, level, entry);
    return opened;
}

void Log::Close()
{
    LogState& state = State();
    std::lock_guard guard(state.lock);
    CloseFiles(state);
}

bool Log::IsOpen()
{
    LogState& state = State();
    std::lock_guard guard(state.lock);
    return state.logFile != nullptr;
}

QString Log::LogFilePath()
{
    LogState& state = State();
    std::lock_guard guard(state.lock);
    return state.logFilePath;
}

void Log::WriteInfo(const QString& text, const QString& module, const QString& where, int line)
{
    AddLog(LogLevel::Info, text, module, where, line);
}

void Log::WriteWarning(const QString& text, const QString& module, const QString& where, int line)
{
    AddLog(LogLevel::Warning, text, module, where, line);
}

void Log::WriteError(const QString& text, const QString& module, const QString& where, int line)
{
    AddLog(LogLevel::Error, text, module, where, line);
}

void Log::WriteErrorEx(const std::exception& error, const QString& module, const QString& where, int line)
{
    const QString text = TypeName(error) + QStringLiteral(": ") + QString::fromLocal8Bit(error.what());
    AddLog(LogLevel::ErrorWithException, text, module, where, line);
}

void Log::WriteErrorEx(const QString& exceptionText, const QString& module, const QString& where, int line)
{
    AddLog(LogLevel::ErrorWithException, exceptionText, module, where, line);
}

void Log::AddLog(LogLevel level, const QString& text, const QString& module, const QString& where, int line)
{
    LogState& state = State();
    std::lock_guard guard(state.lock);
    // Stamped under the lock so that the files stay in time order.
    WriteLocked(state, level, LogEntry::Make(level, text, module, where, line).ToUtf8());
}

bool Log::DeleteLevelFiles(const QString& folder)
{
    const QDir dir(FolderOrAppData(folder));
    LogState& state = State();
    std::lock_guard guard(state.lock);
    const bool openHere = state.logFile && QFileInfo(state.logFilePath).absoluteDir() == dir;
    if (openHere)
        for (auto& file : state.levelFiles)
            file.reset();

    bool deleted = true;
    for (const char* name : kLevelFileNames)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        deleted = (QFile::remove(path) || !QFileInfo::exists(path)) && deleted;
    }
    if (openHere)
        OpenLevelFiles(state);
    return deleted;
}
