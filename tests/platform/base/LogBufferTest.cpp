#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/LogBuffer.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{
const QString kModule = QStringLiteral("Quorvanta 4");

QStringList Lines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString Text(int number)
{
    return QStringLiteral("wpis %1").arg(number);
}

class LogBufferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Log::Init());
        LogBuffer::Init();
    }
    void TearDown() override
    {
        LogBuffer::Close();
        Log::Close();
    }

    QString BufferFile() const { return QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("LogAdditionalBuffer.txt")); }
    QString ErrorLog() const { return QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("LogError.txt")); }

    TempHome m_home;
};
}

TEST_F(LogBufferTest, KeepsTheLastEntriesAndWritesThemOnlyOnDemand)
{
    for (int number = 0; number < LogBuffer::kCapacity + 10; ++number)
        LogBuffer::AddLog(Text(number), kModule, QStringLiteral("Test::Bufor"), number);
    EXPECT_FALSE(QFile::exists(BufferFile()));

    ASSERT_TRUE(LogBuffer::SaveBufferContent());
    QStringList lines = Lines(BufferFile());
    ASSERT_EQ(lines.size(), LogBuffer::kCapacity);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("| Quorvanta 4 | Test::Bufor (10) | wpis 10")));
    EXPECT_TRUE(lines.last().endsWith(Text(LogBuffer::kCapacity + 9)));

    LogBuffer::AddLog(QStringLiteral("nowy"), kModule, QStringLiteral("Test::Bufor"), 1);
    ASSERT_TRUE(LogBuffer::SaveBufferContent());
    lines = Lines(BufferFile());
    ASSERT_EQ(lines.size(), LogBuffer::kCapacity);
    EXPECT_TRUE(lines.first().endsWith(Text(11)));
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("nowy")));
}

TEST_F(LogBufferTest, SaveFailsVisiblyWhenClosedOrUnwritable)
{
    LogBuffer::AddLog(Text(1), kModule, QStringLiteral("Test::Bufor"), 1);
    LogBuffer::Close();
    EXPECT_FALSE(LogBuffer::SaveBufferContent());

    const QString blocker = m_home.Path() + QStringLiteral("/plik");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    LogBuffer::Init(blocker + QStringLiteral("/LogAdditionalBuffer.txt"));
    LogBuffer::AddLog(Text(2), kModule, QStringLiteral("Test::Bufor"), 2);
    EXPECT_FALSE(LogBuffer::SaveBufferContent());

    const QString errors = Lines(ErrorLog()).join(QLatin1Char('\n'));
    EXPECT_TRUE(errors.contains(QStringLiteral("Bufor logów dodatkowych nie jest otwarty"))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("Nie udało się zapisać bufora logów dodatkowych do pliku")));
}

TEST_F(LogBufferTest, ThreadsAddWhileAnotherSaves)
{
    constexpr int kThreads = 4;
    constexpr int kPerThread = 600;
    std::atomic<bool> adding = true;
    std::thread saver([&adding] {
        while (adding)
            EXPECT_TRUE(LogBuffer::SaveBufferContent());
    });
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread)
        threads.emplace_back([thread] {
            for (int index = 0; index < kPerThread; ++index)
                LogBuffer::AddLog(QStringLiteral("wątek %1 wpis %2").arg(thread).arg(index), kModule,
                                  QStringLiteral("Test::Watki"), index);
        });
    for (auto& thread : threads)
        thread.join();
    adding = false;
    saver.join();
    ASSERT_TRUE(LogBuffer::SaveBufferContent());

    static const QRegularExpression entry(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \| INFO \| \d+ \| Quorvanta 4 \| Test::Watki \(\d+\) \| wątek \d wpis \d+$)"));
    const QStringList lines = Lines(BufferFile());
    EXPECT_EQ(lines.size(), LogBuffer::kCapacity);
    for (const QString& line : lines)
        ASSERT_TRUE(entry.match(line).hasMatch()) << line.toStdString();
}
