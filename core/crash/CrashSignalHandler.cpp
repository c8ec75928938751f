#include "core/crash/CrashSignalHandler.h"

#include "core/crash/SignalSafeText.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <mutex>

#include <execinfo.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace
{
struct SignalName
{
    int signal;
    const char* name;
};

constexpr std::array<SignalName, 5> kSignals = {{
    {SIGSEGV, "SIGSEGV"},
    {SIGBUS, "SIGBUS"},
    {SIGFPE, "SIGFPE"},
    {SIGILL, "SIGILL"},
    {SIGABRT, "SIGABRT"},
}};

constexpr std::size_t kAltStackBytes = 128 * 1024;

struct PreparedReport
{
    char header[CrashSignalHandler::kMaxHeaderBytes];
    std::size_t headerLength;
    char folder[CrashSignalHandler::kMaxPathBytes];
    std::size_t folderLength;
    char logFile[CrashSignalHandler::kMaxPathBytes];
    std::size_t logFileLength;
};

// Changes go to the slot the handler does not read and are then published, so a crash on
// another thread while the program prepares a change reads a whole, consistent report.
struct Prepared
{
    std::mutex mutex;
    PreparedReport buffers[2]{};
    int next = 0;
    std::atomic<const PreparedReport*> current{nullptr};
};

Prepared g_prepared;

struct Installation
{
    std::mutex mutex;
    std::atomic<bool> installed{false};
    std::array<struct sigaction, kSignals.size()> previous{};
};

Installation g_installation;

// The thread that writes the report; 0 while none does.
std::atomic<pid_t> g_reportingThread{0};

struct AltStack
{
    std::unique_ptr<char[]> memory;

    ~AltStack() { Remove(); }

    void Remove()
    {
        if (!memory)
            return;
        stack_t current{};
        if (sigaltstack(nullptr, &current) == 0 && current.ss_sp == memory.get())
        {
            if ((current.ss_flags & SS_ONSTACK) != 0)
                return;
            stack_t disabled{};
            disabled.ss_flags = SS_DISABLE;
            sigaltstack(&disabled, nullptr);
        }
        memory.reset();
    }
};

thread_local AltStack t_altStack;

template <class Edit>
bool Publish(Edit edit)
{
    std::lock_guard lock(g_prepared.mutex);
    PreparedReport& slot = g_prepared.buffers[g_prepared.next];
    const PreparedReport* current = g_prepared.current.load(std::memory_order_acquire);
    if (current != nullptr)
        std::memcpy(&slot, current, sizeof slot);
    else
        std::memset(&slot, 0, sizeof slot);
    if (!edit(slot))
        return false;
    g_prepared.current.store(&slot, std::memory_order_release);
    g_prepared.next = 1 - g_prepared.next;
    return true;
}

bool CopyInto(char* target, std::size_t capacity, std::size_t& length, const QByteArray& text)
{
    if (static_cast<std::size_t>(text.size()) >= capacity || text.contains('\0'))
        return false;
    std::memcpy(target, text.constData(), static_cast<std::size_t>(text.size()));
    target[text.size()] = '\0';
    length = static_cast<std::size_t>(text.size());
    return true;
}

const char* NameOf(int signal)
{
    for (const SignalName& entry : kSignals)
        if (entry.signal == signal)
            return entry.name;
    return "?";
}

void Write(int fd, const char* text)
{
    SignalSafeText::WriteAll(fd, text, SignalSafeText::Length(text));
}

void Write(int fd, const SignalSafeText& text)
{
    SignalSafeText::WriteAll(fd, text.Data(), text.Length());
}

// The last bytes of the log, from the first whole line on.
void WriteLogTail(int fd, const PreparedReport& report)
{
    if (report.logFileLength == 0)
        return;
    Write(fd, "\nOstatnie wpisy dziennika (");
    Write(fd, report.logFile);
    Write(fd, "):\n");
    const int log = ::open(report.logFile, O_RDONLY | O_CLOEXEC);
    if (log < 0)
    {
        Write(fd, "(brak pliku dziennika)\n");
        return;
    }
    const off_t size = ::lseek(log, 0, SEEK_END);
    const off_t start = size > CrashSignalHandler::kLogTailBytes ? size - CrashSignalHandler::kLogTailBytes : 0;
    bool skipPartialLine = start > 0;
    char buffer[4096];
    if (size >= 0 && ::lseek(log, start, SEEK_SET) == start)
    {
        for (;;)
        {
            const ssize_t count = ::read(log, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                break;
            std::size_t from = 0;
            if (skipPartialLine)
            {
                while (from < static_cast<std::size_t>(count) && buffer[from] != '\n')
                    ++from;
                if (from == static_cast<std::size_t>(count))
                    continue;
                ++from;
                skipPartialLine = false;
            }
            SignalSafeText::WriteAll(fd, buffer + from, static_cast<std::size_t>(count) - from);
        }
    }
    ::close(log);
}

void WriteReportBody(int fd, int signal, const siginfo_t* info, const PreparedReport* report, std::int64_t now)
{
    if (report != nullptr)
        SignalSafeText::WriteAll(fd, report->header, report->headerLength);
    char line[256];
    SignalSafeText text(line, sizeof line);
    text.Append("Czas (UTC): ");
    text.AppendUtcTime(now, false);
    text.Append("\nSygnał: ");
    text.AppendUnsigned(static_cast<std::uint64_t>(signal));
    text.Append(" (");
    text.Append(NameOf(signal));
    text.Append(")\n");
    Write(fd, text);

    text = SignalSafeText(line, sizeof line);
    // Only a fault the system raised has an address.
    if (info != nullptr && info->si_code > 0 && signal != SIGABRT)
    {
        text.Append("Adres: ");
        text.AppendHex(reinterpret_cast<std::uintptr_t>(info->si_addr));
        text.Append("\n");
    }
    text.Append("Proces: ");
    text.AppendUnsigned(static_cast<std::uint64_t>(::getpid()));
    text.Append(", wątek: ");
    text.AppendUnsigned(static_cast<std::uint64_t>(::gettid()));
    text.Append("\n\nStos wywołań:\n");
    Write(fd, text);

    void* frames[CrashSignalHandler::kMaxFrames];
    const int count = ::backtrace(frames, CrashSignalHandler::kMaxFrames);
    ::backtrace_symbols_fd(frames, count, fd);

    if (report != nullptr)
        WriteLogTail(fd, *report);
}

void WriteReport(int signal, const siginfo_t* info)
{
    const PreparedReport* report = g_prepared.current.load(std::memory_order_acquire);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);

    char path[CrashSignalHandler::kMaxPathBytes + 64];
    char partialPath[CrashSignalHandler::kMaxPathBytes + 80];
    int fd = -1;
    if (report != nullptr && report->folderLength > 0)
    {
        SignalSafeText name(path, sizeof path);
        name.Append(report->folder, report->folderLength);
        name.Append("/");
        name.Append(CrashSignalHandler::kReportPrefix);
        name.AppendUtcTime(now.tv_sec, true);
        name.Append("-");
        name.AppendUnsigned(static_cast<std::uint64_t>(::getpid()));
        name.Append(CrashSignalHandler::kReportSuffix);
        SignalSafeText partial(partialPath, sizeof partialPath);
        partial.Append(name.Data(), name.Length());
        partial.Append(CrashSignalHandler::kPartialSuffix);
        fd = ::open(partialPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    }
    WriteReportBody(fd >= 0 ? fd : STDERR_FILENO, signal, info, report, now.tv_sec);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
    if (::rename(partialPath, path) != 0)
        return;
    Write(STDERR_FILENO, "Raport błędu zapisano w pliku ");
    Write(STDERR_FILENO, path);
    Write(STDERR_FILENO, "\n");
}

// The signal's default action ends the program as soon as the handler returns.
void EndWithDefaultAction(int signal)
{
    struct sigaction action{};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    ::raise(signal);
}

void HandleCrashSignal(int signal, siginfo_t* info, void*)
{
    const pid_t self = ::gettid();
    pid_t reporting = 0;
    if (!g_reportingThread.compare_exchange_strong(reporting, self))
    {
        // Another thread writes the report and then ends the process.
        if (reporting != self)
            for (;;)
                ::pause();
        // A second fault while writing the report: end at once.
        EndWithDefaultAction(signal);
        return;
    }
    WriteReport(signal, info);
    EndWithDefaultAction(signal);
}
}

bool CrashSignalHandler::SetHeader(const QByteArray& utf8)
{
    return Publish([&utf8](PreparedReport& report) {
        return CopyInto(report.header, sizeof report.header, report.headerLength, utf8);
    });
}

bool CrashSignalHandler::SetReportsFolder(const QByteArray& folder)
{
    return Publish([&folder](PreparedReport& report) {
        return CopyInto(report.folder, sizeof report.folder, report.folderLength, folder);
    });
}

bool CrashSignalHandler::SetLogFile(const QByteArray& path)
{
    return Publish([&path](PreparedReport& report) {
        return CopyInto(report.logFile, sizeof report.logFile, report.logFileLength, path);
    });
}

bool CrashSignalHandler::Install(QString& error)
{
    std::lock_guard lock(g_installation.mutex);
    if (g_installation.installed.load())
        return true;
    // The first backtrace loads the unwinder, which allocates; the handler must not be the first.
    void* frames[1];
    ::backtrace(frames, 1);
    InstallAltStack();

    struct sigaction action{};
    action.sa_sigaction = HandleCrashSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
    {
        if (::sigaction(kSignals[i].signal, &action, &g_installation.previous[i]) == 0)
            continue;
        error = QStringLiteral("Nie można ustawić obsługi sygnału %1: %2").arg(QString::fromLatin1(kSignals[i].name), QString::fromLocal8Bit(std::strerror(errno)));
        for (std::size_t j = 0; j < i; ++j)
            ::sigaction(kSignals[j].signal, &g_installation.previous[j], nullptr);
        return false;
    }
    g_installation.installed.store(true);
    return true;
}

void CrashSignalHandler::Uninstall()
{
    std::lock_guard lock(g_installation.mutex);
    if (!g_installation.installed.load())
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i].signal, &g_installation.previous[i], nullptr);
    g_installation.installed.store(false);
    RemoveAltStack();
}

bool CrashSignalHandler::IsInstalled()
{
    return g_installation.installed.load();
}

bool CrashSignalHandler::InstallAltStack()
{
    if (t_altStack.memory)
        return true;
    auto memory = std::make_unique<char[]>(kAltStackBytes);
    stack_t stack{};
    stack.ss_sp = memory.get();
    stack.ss_size = kAltStackBytes;
    if (::sigaltstack(&stack, nullptr) != 0)
        return false;
    t_altStack.memory = std::move(memory);
    return true;
}

void CrashSignalHandler::RemoveAltStack()
{
    t_altStack.Remove();
}
