#include "core/crash/CrashSignalHandler.h"
#include "core/crash/Quorvanta4CrashReportHandler.h"
#include "core/crash/SignalCrashLibrary.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/PlainThread.h"
#include "platform/base/ThreadCrashReporting.h"
#include "tests/core/crash/RecordingCrashHost.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// Deep enough to overflow any stack; each frame keeps its buffer alive across the call.
__attribute__((noinline)) int Recurse(int depth)
{
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    if (frame[0] == -1 && depth == -1)
        return frame[0];
    return Recurse(depth + 1) + frame[0];
}

void OverflowTheStack()
{
    // The stack may be unlimited here; a limit makes the overflow come soon.
    const rlimit stack{8 * 1024 * 1024, 8 * 1024 * 1024};
    setrlimit(RLIMIT_STACK, &stack);
    Recurse(0);
}

// Raised rather than caused: the undefined-behaviour sanitizer would stop a write through a
// null pointer or a division by zero before the signal comes.
void RaiseSegmentationFault()
{
    std::raise(SIGSEGV);
}

void RaiseArithmeticError()
{
    std::raise(SIGFPE);
}

class OverflowingThread : public PlainThread
{
public:
    OverflowingThread()
        : PlainThread(QStringLiteral("Przepełnienie"))
    {
    }

protected:
    void Run() override { Recurse(0); }
};

void OverflowAWorkerThreadsStack()
{
    // A small stack overflows at once; the worker has its own signal stack through the
    // registration of the handler for the program's threads.
    OverflowingThread thread;
    thread.Start();
    thread.Join();
}

class SignalCrashLibraryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = AppPaths::AppDataFolder();
        ASSERT_TRUE(Log::Init(QDir(m_folder).filePath(Log::LogFileName())));
    }

    void TearDown() override
    {
        if (m_handler)
            m_handler->UninstallHandler();
        Log::Close();
    }

    void InstallHandler(const QString& user, const QString& code)
    {
        m_handler = std::make_shared<Quorvanta4CrashReportHandler>(m_host);
        m_handler->SetUserData(user, code);
        ASSERT_TRUE(m_handler->InstallHandler(QStringLiteral("4.2.210.1"))) << m_host.errors.join(QLatin1Char('\n')).toStdString();
    }

    // Runs the crash in a child process; the signal that ended it.
    static int CrashInChild(const std::function<void()>& crash)
    {
        const pid_t child = fork();
        if (child == 0)
        {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            crash();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }

    QString ReadOnlyReport() const
    {
        const QStringList reports = SignalCrashLibrary::ReportFiles(m_folder);
        EXPECT_EQ(reports.size(), 1);
        EXPECT_TRUE(QDir(m_folder).entryList({QStringLiteral("*.part")}).isEmpty());
        if (reports.isEmpty())
            return QString();
        QFile file(QDir(m_folder).filePath(reports.first()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }

    TempHome m_home;
    QString m_folder;
    RecordingCrashHost m_host{AppPaths::AppDataFolder()};
    std::shared_ptr<Quorvanta4CrashReportHandler> m_handler;
};
}

TEST_F(SignalCrashLibraryTest, ACrashInAChildProcessLeavesAReadableReport)
{
    struct Case
    {
        const char* name;
        void (*crash)();
        int signal;
        const char* signalLine;
    };
    const Case cases[] = {
        {"segmentation fault", RaiseSegmentationFault, SIGSEGV, "Sygnał: 11 (SIGSEGV)"},
        {"abort", std::abort, SIGABRT, "Sygnał: 6 (SIGABRT)"},
        {"arithmetic error", RaiseArithmeticError, SIGFPE, "Sygnał: 8 (SIGFPE)"},
        {"main thread's stack overflow", OverflowTheStack, SIGSEGV, "Sygnał: 11 (SIGSEGV)"},
        {"worker thread's stack overflow", OverflowAWorkerThreadsStack, SIGSEGV, "Sygnał: 11 (SIGSEGV)"},
    };
    InstallHandler(QStringLiteral("jan.kowalski"), QStringLiteral("K-17"));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Log::WriteInfo(QStringLiteral("Ostatni wpis przed awarią: %1").arg(QString::fromLatin1(c.name)),
                       QStringLiteral("Quorvanta 4"), QStringLiteral("Test"), 1);

        EXPECT_EQ(CrashInChild(c.crash), c.signal) << "the program ends with its signal";

        const QString report = ReadOnlyReport();
        EXPECT_TRUE(report.startsWith(QStringLiteral("Raport błędu: Raport Quorvanta 4 4.2.210.1 | user:jan.kowalski | code:K-17\n")));
        EXPECT_TRUE(report.contains(QStringLiteral("\nProgram: Quorvanta 4\nWersja: 4.2.210.1\n")));
        EXPECT_TRUE(report.contains(QStringLiteral("\nUżytkownik: jan.kowalski\nKod: K-17\n")));
        EXPECT_TRUE(report.contains(QStringLiteral("\nCzas (UTC): ")));
        EXPECT_TRUE(report.contains(QString::fromUtf8(c.signalLine)));
        const qsizetype stack = report.indexOf(QStringLiteral("\nStos wywołań:\n"));
        ASSERT_GE(stack, 0);
        EXPECT_GE(report.indexOf(QStringLiteral("[0x"), stack), 0) << "the backtrace has frames";
        EXPECT_TRUE(report.contains(QStringLiteral("Ostatni wpis przed awarią: %1").arg(QString::fromLatin1(c.name))))
            << "the report ends with the tail of the log";

        for (const QString& name : SignalCrashLibrary::ReportFiles(m_folder))
            QFile::remove(QDir(m_folder).filePath(name));
    }
}

TEST_F(SignalCrashLibraryTest, TheLogTailStartsAtAWholeLine)
{
    InstallHandler(QString(), QString());
    for (int i = 0; i < 2000; ++i)
        Log::WriteInfo(QStringLiteral("wpis %1").arg(i), QStringLiteral("Quorvanta 4"), QStringLiteral("Test"), 1);
    ASSERT_EQ(CrashInChild(RaiseSegmentationFault), SIGSEGV);
    const QString report = ReadOnlyReport();
    EXPECT_TRUE(report.startsWith(QStringLiteral("Raport błędu: Quorvanta 4.h Raport błędu\n")));
    const qsizetype tail = report.indexOf(QStringLiteral("):\n"), report.indexOf(QStringLiteral("Ostatnie wpisy dziennika")));
    ASSERT_GE(tail, 0);
    const QStringList lines = report.mid(tail + 3).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    QFile log(QDir(m_folder).filePath(Log::LogFileName()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList logLines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(logLines.contains(lines.first())) << "first line of the tail: " << lines.first().toStdString();
    EXPECT_EQ(lines.last(), logLines.last());
    EXPECT_LE(report.mid(tail + 3).toUtf8().size(), CrashSignalHandler::kLogTailBytes);
}

TEST_F(SignalCrashLibraryTest, OneInstallationPerProcessAndUninstallPutsBackThePreviousHandler)
{
    struct sigaction before{};
    sigaction(SIGSEGV, nullptr, &before);

    SignalCrashLibrary first;
    SignalCrashLibrary second;
    ASSERT_TRUE(first.Install(CrashInstallInfo()));
    EXPECT_FALSE(second.Install(CrashInstallInfo()));
    EXPECT_EQ(second.GetLastErrorMessage(), QStringLiteral("Raportowanie awarii jest już zainstalowane."));
    EXPECT_FALSE(first.ConfigureReports(QDir(m_folder).filePath(QStringLiteral("brak")), 20));
    EXPECT_TRUE(first.GetLastErrorMessage().contains(QStringLiteral("nie istnieje")));

    ASSERT_TRUE(second.Uninstall()) << "any instance ends the one installation";
    struct sigaction after{};
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    EXPECT_FALSE(first.Uninstall());
    EXPECT_FALSE(first.InstallToThread(0)) << "threads join only an installed reporter";
}

TEST_F(SignalCrashLibraryTest, ConfiguringKeepsTheNewestReportsAndRemovesUnfinishedOnes)
{
    QDir folder(m_folder);
    for (int i = 0; i < 25; ++i)
    {
        QFile file(folder.filePath(QStringLiteral("CrashReport-202401%1-120000-1.txt").arg(i + 1, 2, 10, QLatin1Char('0'))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile unfinished(folder.filePath(QStringLiteral("CrashReport-20240126-120000-1.txt.part")));
    ASSERT_TRUE(unfinished.open(QIODevice::WriteOnly));
    unfinished.close();
    QFile other(folder.filePath(QStringLiteral("Notatki.txt")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    InstallHandler(QString(), QString());

    const QStringList reports = SignalCrashLibrary::ReportFiles(m_folder);
    ASSERT_EQ(reports.size(), CrashHandlerBase::kKeptReports);
    EXPECT_EQ(reports.first(), QStringLiteral("CrashReport-20240125-120000-1.txt"));
    EXPECT_EQ(reports.last(), QStringLiteral("CrashReport-20240106-120000-1.txt"));
    EXPECT_FALSE(unfinished.exists());
    EXPECT_TRUE(other.exists());
}

TEST(SignalCrashLibraryHeaderTest, EveryValueStaysOnItsLine)
{
    CrashInstallInfo info;
    info.emailSubject = QStringLiteral("Raport\nfałszywy");
    info.applicationName = QStringLiteral("Quorvanta 4");
    info.applicationVersion = QStringLiteral("4.2.210.1");
    info.user = QStringLiteral("a\r\nb");
    info.code = QStringLiteral("x\ty");
    EXPECT_EQ(QString::fromUtf8(SignalCrashLibrary::BuildReportHeader(info)),
              QStringLiteral("Raport błędu: Raport fałszywy\nProgram: Quorvanta 4\nWersja: 4.2.210.1\n"
                             "Użytkownik: a  b\nKod: x y\n"));
}
