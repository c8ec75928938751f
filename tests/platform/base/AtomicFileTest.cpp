#include "platform/base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

TEST(AtomicFileTest, WritesAndReplacesWholeFileCreatingFolders)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/c.txt"));
    ASSERT_TRUE(AtomicFile::Write(path, "first"));
    ASSERT_TRUE(AtomicFile::Write(path, "second"));
    EXPECT_EQ(ReadAll(path), QByteArray("second"));
}

TEST(AtomicFileTest, FailureReportsReasonAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(AtomicFile::Write(blocker, "old"));
    QString reason;
    EXPECT_FALSE(AtomicFile::Write(blocker + QStringLiteral("/inside.txt"), "new", &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(ReadAll(blocker), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(AtomicFileTest, CreateNewNeverReplacesAndSetsPermissionsFromTheStart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new/file.bin"));
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    EXPECT_EQ(AtomicFile::CreateNew(path, "first", ownerOnly), AtomicFile::CreateResult::Created);
    EXPECT_EQ(QFile::permissions(path) & 0x7077, ownerOnly);
    EXPECT_EQ(AtomicFile::CreateNew(path, "second", ownerOnly), AtomicFile::CreateResult::AlreadyExists);
    EXPECT_EQ(ReadAll(path), QByteArray("first"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("new"))).entryList(QDir::Files | QDir::Hidden).size(), 1);

    QString reason;
    EXPECT_EQ(AtomicFile::CreateNew(path + QStringLiteral("/inside"), "x", ownerOnly, &reason), AtomicFile::CreateResult::Failed);
    EXPECT_FALSE(reason.isEmpty());
}
