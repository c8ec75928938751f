#include "platform/base/AtomicFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

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

TEST(AtomicFileTest, FailureKeepsOldFileAndReportsReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.txt"));
    ASSERT_TRUE(AtomicFile::Write(path, "old"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString reason;
    const bool written = AtomicFile::Write(path, "new", &reason);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (getuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    EXPECT_FALSE(written);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
}
