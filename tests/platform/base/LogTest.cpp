#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/mount.h>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <thread>
#include <vector>

namespace
{
const QString kModule = QStringLiteral("Quorvanta 4");
const char kOldEntry[] = "2000-01-01 00:00:00.000 | INFO | 1 | Quorvanta 4 | Stary::Wpis (1) | poprzednie uruchomienie\n";

struct ParsedEntry
{
    QString level;
    QString where;
    QString text;       // continuation lines joined with "\n"
};

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every line must be an entry header or a tab-indented continuation of the entry above it.
std::vector<ParsedEntry> ParseLog(const QString& path)
{
    static const QRegularExpression header(QStringLiteral(
        R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \| (INFO|OSTRZEŻENIE|BŁĄD|WYJĄTEK) \| \d+ \| ([^|]*) \| (.*) \| (.*)$)"));
    std::vector<ParsedEntry> entries;
    const QString content = ReadText(path);
    EXPECT_TRUE(content.isEmpty() || content.endsWith(QLatin1Char('\n'))) << path.toStdString();
    const QStringList lines = content.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines)
    {
        if (line.startsWith(QLatin1Char('\t')) && !entries.empty())
        {
            entries.back().text += QLatin1Char('\n') + line.mid(1);
            continue;
        }
        const QRegularExpressionMatch match = header.match(line);
        EXPECT_TRUE(match.hasMatch()) << "stray line: " << line.toStdString();
        if (match.hasMatch())
            entries.push_back({match.captured(1), match.captured(3), match.captured(4)});
    }
    return entries;
}

QString FileIn(const QString& name)
{
    return QDir(AppPaths::AppDataFolder()).filePath(name);
}

class LogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Entries that other suites left waiting for an open log are written away from this home.
        Log::Init(m_scratch.filePath(QStringLiteral("Log.txt")));
        Log::Close();
    }
    void TearDown() override { Log::Close(); }

    QTemporaryDir m_scratch;
    TempHome m_home;
};
}

TEST_F(LogTest, EntriesOfManyThreadsLandWholeInLogAndTheirLevelFile)
{
    constexpr int kThreads = 8;
    constexpr int kPerThread = 240;
    ASSERT_TRUE(Log::Init());
    EXPECT_EQ(Log::LogFilePath(), FileIn(QStringLiteral("Log.txt")));

    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread)
        threads.emplace_back([thread] {
            for (int index = 0; index < kPerThread; ++index)
            {
                QString text = QStringLiteral("wątek %1 wpis %2").arg(thread).arg(index);
                if (index % 5 == 0)
                    text += QStringLiteral("\ndruga linia %1/%2").arg(thread).arg(index);
                const QString where = QStringLiteral("Test::Wątek");
                switch (index % 4)
                {
                case 0: Log::WriteInfo(text, kModule, where, index); break;
                case 1: Log::WriteWarning(text, kModule, where, index); break;
                case 2: Log::WriteError(text, kModule, where, index); break;
                default: Log::WriteErrorEx(std::runtime_error(text.toStdString()), kModule, where, index); break;
                }
            }
        });
    for (auto& thread : threads)
        thread.join();
    Log::Close();

    const QString levelOf[] = {QStringLiteral("INFO"), QStringLiteral("OSTRZEŻENIE"), QStringLiteral("BŁĄD"),
                               QStringLiteral("WYJĄTEK")};
    const std::map<QString, std::vector<int>> levelsInFile = {
        {QStringLiteral("Log.txt"), {0, 1, 2, 3}},
        {QStringLiteral("LogInfo.txt"), {0}},
        {QStringLiteral("LogWarning.txt"), {1}},
        {QStringLiteral("LogError.txt"), {2, 3}},
    };
    static const QRegularExpression textPattern(QStringLiteral(R"(wątek (\d+) wpis (\d+)(\ndruga linia (\d+)/(\d+))?$)"));
    for (const auto& [fileName, kinds] : levelsInFile)
    {
        SCOPED_TRACE(fileName.toStdString());
        std::map<int, int> nextIndexOfThread;
        int count = 0;
        for (const ParsedEntry& entry : ParseLog(FileIn(fileName)))
        {
            const QRegularExpressionMatch match = textPattern.match(entry.text);
            ASSERT_TRUE(match.hasMatch()) << entry.text.toStdString();
            const int thread = match.captured(1).toInt();
            const int index = match.captured(2).toInt();
            EXPECT_EQ(entry.level, levelOf[index % 4]);
            EXPECT_EQ(entry.where, QStringLiteral("Test::Wątek (%1)").arg(index));
            EXPECT_EQ(match.hasCaptured(3), index % 5 == 0);
            if (match.hasCaptured(3))
            {
                EXPECT_EQ(match.captured(4).toInt(), thread);
                EXPECT_EQ(match.captured(5).toInt(), index);
            }
            EXPECT_GE(index, nextIndexOfThread[thread]) << "a thread's entries keep their order";
            nextIndexOfThread[thread] = index + 1;
            ++count;
        }
        EXPECT_EQ(count, kThreads * kPerThread * static_cast<int>(kinds.size()) / 4);
    }
}

TEST_F(LogTest, MultiLineTextsAndExceptionsStayOneReadableEntry)
{
    ASSERT_TRUE(Log::Init());
    Log::WriteInfo(QStringLiteral("Alert:\r\n  kupno > 10\n\nsprzedaż < 5\n"), kModule, QStringLiteral("AlertLog::AddLog"), 30);
    Log::WriteWarning(QStringLiteral("tekst"), QStringLiteral("moduł\nz podziałem"), QStringLiteral("A::B\r"), 7);
    Log::WriteErrorEx(std::invalid_argument("zły plik"), kModule, QStringLiteral("PulpitFrame::OnCreate"), 120);
    Log::WriteErrorEx(QStringLiteral("Nieznany wyjątek."), kModule, QStringLiteral("PulpitFrame::OnCreate"), 121);
    Log::Close();

    const QString log = ReadText(FileIn(QStringLiteral("Log.txt")));
    EXPECT_TRUE(log.contains(QStringLiteral("| Quorvanta 4 | AlertLog::AddLog (30) | Alert:\n\t  kupno > 10\n\t\n\tsprzedaż < 5\n")))
        << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("| moduł z podziałem | A::B  (7) | tekst\n")));
    const std::vector<ParsedEntry> errors = ParseLog(FileIn(QStringLiteral("LogError.txt")));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].level, QStringLiteral("WYJĄTEK"));
    EXPECT_EQ(errors[0].text, QStringLiteral("std::invalid_argument: zły plik"));
    EXPECT_EQ(errors[1].text, QStringLiteral("Nieznany wyjątek."));
    EXPECT_EQ(ParseLog(FileIn(QStringLiteral("Log.txt"))).size(), 4u);
}

TEST_F(LogTest, EntriesWhileClosedWaitForTheNextInitAndOldContentIsKept)
{
    ASSERT_TRUE(AppPaths::EnsureFolder(AppPaths::AppDataFolder()));
    QFile old(FileIn(QStringLiteral("Log.txt")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(kOldEntry);
    old.close();

    for (int index = 0; index < Log::kMaxWaitingEntries + 5; ++index)
        Log::WriteError(QStringLiteral("przed otwarciem %1").arg(index), kModule, QStringLiteral("Test::Przed"), index);
    EXPECT_FALSE(Log::IsOpen());
    ASSERT_TRUE(Log::Init());
    Log::Close();
    Log::WriteInfo(QStringLiteral("po zamknięciu"), kModule, QStringLiteral("Test::Po"), 1);
    const std::vector<ParsedEntry> closedOnce = ParseLog(FileIn(QStringLiteral("Log.txt")));
    ASSERT_EQ(closedOnce.size(), static_cast<size_t>(Log::kMaxWaitingEntries) + 1);
    EXPECT_EQ(closedOnce[0].text, QStringLiteral("poprzednie uruchomienie"));
    EXPECT_EQ(closedOnce[1].text, QStringLiteral("przed otwarciem 5"));
    EXPECT_EQ(ParseLog(FileIn(QStringLiteral("LogError.txt"))).size(), static_cast<size_t>(Log::kMaxWaitingEntries));

    ASSERT_TRUE(Log::Init());
    Log::Close();
    const std::vector<ParsedEntry> reopened = ParseLog(FileIn(QStringLiteral("Log.txt")));
    ASSERT_EQ(reopened.size(), closedOnce.size() + 1);
    EXPECT_EQ(reopened.back().text, QStringLiteral("po zamknięciu"));
}

TEST_F(LogTest, StartUpDeletionRemovesOnlyTheLevelFiles)
{
    const QStringList all = {QStringLiteral("Log.txt"), QStringLiteral("LogAdditionalBuffer.txt"),
                             QStringLiteral("LogError.txt"), QStringLiteral("LogWarning.txt"), QStringLiteral("LogInfo.txt")};
    for (const QString& name : all)
    {
        QFile file(FileIn(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kOldEntry);
    }
    EXPECT_TRUE(Log::DeleteLevelFiles());
    const QStringList left = QDir(AppPaths::AppDataFolder()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList{QStringLiteral("Log.txt"), QStringLiteral("LogAdditionalBuffer.txt")}));

    // While the log is open there, the level files start anew instead of writing into deleted files.
    ASSERT_TRUE(Log::Init());
    Log::WriteError(QStringLiteral("pierwszy"), kModule, QStringLiteral("Test::Usuwanie"), 1);
    EXPECT_TRUE(Log::DeleteLevelFiles());
    Log::WriteError(QStringLiteral("drugi"), kModule, QStringLiteral("Test::Usuwanie"), 2);
    Log::Close();
    const std::vector<ParsedEntry> errors = ParseLog(FileIn(QStringLiteral("LogError.txt")));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, QStringLiteral("drugi"));
    EXPECT_EQ(ParseLog(FileIn(QStringLiteral("Log.txt"))).size(), 3u);
}

TEST_F(LogTest, WhereLogTxtCannotBeOpenedEntriesGoToStandardErrorUntilItCan)
{
    const QString blocker = m_home.Path() + QStringLiteral("/plik");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Log::WriteInfo(QStringLiteral("przed otwarciem"), kModule, QStringLiteral("Test::Blad"), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(Log::Init(blocker + QStringLiteral("/Log.txt")));
    EXPECT_FALSE(Log::IsOpen());
    Log::WriteError(QStringLiteral("na wyjście błędów"), kModule, QStringLiteral("Test::Blad"), 2);
    const QString standardError = QString::fromStdString(::testing::internal::GetCapturedStderr());
    EXPECT_TRUE(standardError.contains(QStringLiteral("przed otwarciem")));
    EXPECT_TRUE(standardError.contains(QStringLiteral("na wyjście błędów")));
    EXPECT_TRUE(standardError.contains(blocker + QStringLiteral("/Log.txt")));

    ASSERT_TRUE(Log::Init());
    Log::WriteInfo(QStringLiteral("do pliku"), kModule, QStringLiteral("Test::Blad"), 3);
    Log::Close();
    const std::vector<ParsedEntry> entries = ParseLog(FileIn(QStringLiteral("Log.txt")));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, QStringLiteral("do pliku"));
}

// On a disk that fills up, each file keeps whole entries only and none is emptied. The disk is
// a real one: a small file system in memory, which needs the right to mount one.
TEST_F(LogTest, OnAFullDiskEveryFileKeepsWholeEntriesAndNoneIsEmptied)
{
    QTemporaryDir mountPoint;
    if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "no right to mount a small file system";
    struct Unmount
    {
        ~Unmount()
        {
            Log::Close();
            ::umount(path.constData());
        }
        QByteArray path;
    } unmount{QFile::encodeName(mountPoint.path())};
    const QString path = QDir(mountPoint.path()).filePath(QStringLiteral("Log.txt"));
    ASSERT_TRUE(Log::Init(path));
    Log::WriteWarning(QStringLiteral("przed zapełnieniem"), kModule, QStringLiteral("LogTest"), __LINE__);
    const QString padding(300, QLatin1Char('x'));
    for (int i = 0; i < 200; ++i)
        Log::WriteInfo(QStringLiteral("wpis %1 %2 koniec").arg(i).arg(padding), kModule, QStringLiteral("LogTest"), __LINE__);
    Log::WriteWarning(QStringLiteral("po zapełnieniu"), kModule, QStringLiteral("LogTest"), __LINE__);
    Log::Close();

    const QString warnings = QDir(mountPoint.path()).filePath(Log::LevelFileName(LogLevel::Warning));
    const std::vector<ParsedEntry> entries = ParseLog(path);
    EXPECT_GT(entries.size(), 1u);
    for (const ParsedEntry& entry : entries)
        EXPECT_TRUE(entry.text.endsWith(QStringLiteral("koniec")) || entry.text.contains(QStringLiteral("zapełni")))
            << entry.text.toStdString();
    const std::vector<ParsedEntry> kept = ParseLog(warnings);
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.front().text, QStringLiteral("przed zapełnieniem"));
}
