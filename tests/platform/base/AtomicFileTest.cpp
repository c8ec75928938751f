#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

namespace
{
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The log of one test, in its own folder.
class TestLog
{
public:
    explicit TestLog(const QString& folder) : m_folder(folder) { Log::Init(folder + QStringLiteral("/Log.txt")); }
    ~TestLog() { Log::Close(); }
    TestLog(const TestLog&) = delete;
    TestLog& operator=(const TestLog&) = delete;

    QString Errors() const { return QString::fromUtf8(ReadAll(m_folder + QStringLiteral("/LogError.txt"))); }

private:
    QString m_folder;
};

// Files of this process cannot grow past the limit while the object lives: a write beyond it
// fails as on a full disk, wherever the file lies.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        // The signal would end the process instead of failing the write.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_active = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsActive() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};

// A file system of a few kilobytes mounted over a folder while the object lives.
class TinyFileSystem
{
public:
    explicit TinyFileSystem(const QString& folder) : m_folder(QFile::encodeName(folder))
    {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") == 0;
        if (!m_mounted)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TinyFileSystem()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;

    bool IsMounted() const { return m_mounted; }
    QString Error() const { return m_error; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_error;
};

// Writes into the file until the file system has no room left; true when it got full.
bool FillUp(const QString& path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(1024, 'f');
    while (filler.write(block) == block.size())
        ;
    return filler.error() != QFileDevice::NoError;
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

TEST(AtomicFileTest, WriteThatFailsLeavesTheOldFileAndIsLogged)
{
    struct Case
    {
        const char* name;
        qsizetype size;
    };
    // A small write only fills Qt's buffer and fails when it is flushed; a large one fails at once.
    const Case cases[] = {{"buffered", 6000}, {"direct", 1 << 20}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const TestLog log(dir.path());
        const QString path = dir.filePath(QStringLiteral("state.xml"));
        ASSERT_TRUE(AtomicFile::Write(path, "old"));
        {
            const FileSizeLimit limit(4096);
            ASSERT_TRUE(limit.IsActive());
            EXPECT_FALSE(AtomicFile::Write(path, QByteArray(c.size, 'n')));
        }
        EXPECT_EQ(ReadAll(path), QByteArray("old"));
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("state.xml*"), QStringLiteral(".state.xml*")},
                                             QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("state.xml")});
        EXPECT_TRUE(log.Errors().contains(QStringLiteral("Nie udało się zapisać pliku ") + path)) << log.Errors().toStdString();
    }
}

TEST(AtomicFileTest, FullFileSystemKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("tiny"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const TinyFileSystem tiny(folder);
    if (!tiny.IsMounted())
        GTEST_SKIP() << "cannot mount a small file system here (it needs root): " << tiny.Error().toStdString();
    const QString path = folder + QStringLiteral("/LastSession.q4s");
    ASSERT_TRUE(AtomicFile::Write(path, "old session"));
    ASSERT_TRUE(FillUp(folder + QStringLiteral("/filler")));

    for (const qsizetype size : {qsizetype(100), qsizetype(100000)})
    {
        QString reason;
        EXPECT_FALSE(AtomicFile::Write(path, QByteArray(size, 'n'), &reason)) << size;
        EXPECT_FALSE(reason.isEmpty());
    }
    EXPECT_EQ(ReadAll(path), QByteArray("old session"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase),
              (QStringList{QStringLiteral("filler"), QStringLiteral("LastSession.q4s")}));
}
