#include "platform/base/AtomicFile.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace AtomicFile
{
namespace
{
QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes a new directory entry survive a crash.
void SyncFolder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0)
    {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}
}

bool Write(const QString& path, const QByteArray& content, QString* errorText)
{
    auto fail = [&path, errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        else
            Log::WriteError(QStringLiteral("Nie udało się zapisać pliku %1: %2").arg(path, reason),
                            QString::fromUtf8(AppPaths::kProductName), QStringLiteral("AtomicFile::Write"), __LINE__);
        return false;
    };

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // A write may only fill Qt's buffer and fail when it is flushed, and a full disk may show
    // only when the data is synced; the commit would rename a short file over the old one all
    // the same, so every step is checked before it.
    QString reason;
    if (file.write(content) != content.size() || !file.flush())
        reason = file.errorString();
    else if (::fsync(file.handle()) != 0 && errno != EINVAL)
        reason = SystemError(errno);
    if (!reason.isEmpty())
    {
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

CreateResult CreateNew(const QString& path, const QByteArray& content, QFileDevice::Permissions permissions, QString* errorText)
{
    auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return CreateResult::Failed;
    };

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));

    // The temporary file starts readable by the owner only; the content is complete on disk
    // before the file gets its name, and link() refuses to replace an existing name.
    QTemporaryFile file(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return fail(file.errorString());
    if (!file.setPermissions(permissions))
        return fail(file.errorString());
    if (file.write(content) != content.size() || !file.flush())
        return fail(file.errorString());
    if (::fsync(file.handle()) != 0)
        return fail(SystemError(errno));

    if (::link(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(info.absoluteFilePath()).constData()) != 0)
    {
        const int error = errno;
        if (error == EEXIST)
            return CreateResult::AlreadyExists;
        return fail(SystemError(error));
    }
    SyncFolder(info.absolutePath());
    return CreateResult::Created;
}
}
