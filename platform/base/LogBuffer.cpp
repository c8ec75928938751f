#include "platform/base/LogBuffer.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"
#include "platform/base/LogEntry.h"

#include <QDir>

#include <deque>
#include <mutex>

namespace
{
struct BufferState
{
    // Taken before `lock` and held through a whole save, so that two saves cannot finish in the
    // wrong order and leave the older content in the file.
    std::mutex saveLock;
    std::mutex lock;
    QString filePath;
    std::deque<QByteArray> entries;
};

// Never destroyed, so a thread that logs while the process ends never meets a dead lock object.
BufferState& State()
{
    static BufferState* const state = new BufferState;
    return *state;
}

QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}
}

QString LogBuffer::FileName()
{
    return QStringLiteral("LogAdditionalBuffer.txt");
}

void LogBuffer::Init(const QString& filePath)
{
    const QString path = filePath.isEmpty() ? QDir(AppPaths::AppDataFolder()).filePath(FileName()) : filePath;
    BufferState& state = State();
    std::lock_guard guard(state.lock);
    state.filePath = path;
}

void LogBuffer::Close()
{
    BufferState& state = State();
    std::lock_guard guard(state.lock);
    state.filePath.clear();
    state.entries.clear();
}

QString LogBuffer::FilePath()
{
    BufferState& state = State();
    std::lock_guard guard(state.lock);
    return state.filePath;
}

void LogBuffer::AddLog(const QString& text, const QString& module, const QString& where, int line)
{
    BufferState& state = State();
    std::lock_guard guard(state.lock);
    state.entries.push_back(LogEntry::Make(LogLevel::Info, text, module, where, line).ToUtf8());
    if (state.entries.size() > static_cast<size_t>(kCapacity))
        state.entries.pop_front();
}

bool LogBuffer::SaveBufferContent()
{
    BufferState& state = State();
    std::lock_guard saveGuard(state.saveLock);
    QString path;
    QByteArray content;
    {
        std::lock_guard guard(state.lock);
        path = state.filePath;
        for (const QByteArray& entry : state.entries)
            content += entry;
    }
    if (path.isEmpty())
    {
        Log::WriteError(QStringLiteral("Bufor logów dodatkowych nie jest otwarty, nie zapisano jego zawartości."),
                        ProductName(), QStringLiteral("LogBuffer::SaveBufferContent"), __LINE__);
        return false;
    }

    QString reason;
    if (!AtomicFile::Write(path, content, &reason))
    {
        Log::WriteError(QStringLiteral("Nie udało się zapisać bufora logów dodatkowych do pliku %1: %2").arg(path, reason),
                        ProductName(), QStringLiteral("LogBuffer::SaveBufferContent"), __LINE__);
        return false;
    }
    return true;
}
