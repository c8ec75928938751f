#include "platform/base/FileBackup.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>

namespace FileBackup
{
namespace
{
constexpr int kMaxCopies = 100;

QString BackupName(const QString& path, int number)
{
    return path + (number == 1 ? QStringLiteral(".bak") : QStringLiteral(".bak%1").arg(number));
}

bool Exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QByteArray ContentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ReportFailure(const QString& path, const QString& reason, int line)
{
    Log::WriteError(QStringLiteral("Nie można zachować kopii pliku %1: %2").arg(path, reason),
                    QString::fromUtf8(AppPaths::kProductName), QStringLiteral("FileBackup"), line);
}

// Renames without ever replacing what lies at the destination, a folder included.
bool RenameNoReplace(const QString& from, const QString& to, int& error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    error = errno;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return false;
    // A file system without the flag: the program alone writes in its folders, so a check
    // before the rename does.
    if (Exists(to))
    {
        error = EEXIST;
        return false;
    }
    if (::rename(source.constData(), target.constData()) == 0)
        return true;
    error = errno;
    return false;
}
}

bool KeepCopy(const QString& path, QString& backupPath)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        ReportFailure(path, file.errorString(), __LINE__);
        return false;
    }
    const QByteArray content = file.readAll();
    const QFileDevice::Permissions permissions = file.permissions();
    file.close();

    for (int number = 1; number <= kMaxCopies; ++number)
    {
        const QString candidate = BackupName(path, number);
        QString reason;
        switch (AtomicFile::CreateNew(candidate, content, permissions, &reason))
        {
        case AtomicFile::CreateResult::Created:
            backupPath = candidate;
            return true;
        case AtomicFile::CreateResult::AlreadyExists:
            // A file that failed to be replaced before is not copied twice.
            if (ContentOf(candidate) == content)
            {
                backupPath = candidate;
                return true;
            }
            continue;
        case AtomicFile::CreateResult::Failed:
            ReportFailure(path, reason, __LINE__);
            return false;
        }
    }
    ReportFailure(path, QStringLiteral("istnieje już %1 kopii").arg(kMaxCopies), __LINE__);
    return false;
}

bool MoveAside(const QString& path, QString& backupPath)
{
    for (int number = 1; number <= kMaxCopies; ++number)
    {
        const QString candidate = BackupName(path, number);
        int error = 0;
        if (RenameNoReplace(path, candidate, error))
        {
            backupPath = candidate;
            return true;
        }
        if (error != EEXIST && error != ENOTEMPTY)
        {
            ReportFailure(path, QString::fromLocal8Bit(std::strerror(error)), __LINE__);
            return false;
        }
    }
    ReportFailure(path, QStringLiteral("istnieje już %1 kopii").arg(kMaxCopies), __LINE__);
    return false;
}

bool IsReadOnly(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.permission(QFileDevice::WriteOwner);
}

bool MayReplace(const QString& path, const std::function<bool(const QString&)>& isReadable, const QString& module,
                const QString& place)
{
    const QFileInfo info(path);
    if (!info.exists() || (info.isFile() && info.size() == 0))
        return true;
    if (IsReadOnly(path))
    {
        Log::WriteError(QStringLiteral("Nie zapisano pliku %1: plik jest tylko do odczytu.").arg(path), module, place,
                        __LINE__);
        return false;
    }
    if (isReadable(path))
        return true;
    QString backupPath;
    if (!KeepCopy(path, backupPath))
    {
        Log::WriteError(QStringLiteral("Nie zapisano pliku %1: jego nieczytelna treść zostałaby utracona.").arg(path),
                        module, place, __LINE__);
        return false;
    }
    Log::WriteWarning(QStringLiteral("Nieczytelny plik %1 zachowano jako %2.").arg(path, backupPath), module, place,
                      __LINE__);
    return true;
}
}
