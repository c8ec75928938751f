#include "platform/base/LocalSocketListener.h"

#include "platform/base/LocalSocket.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

LocalSocketListener::~LocalSocketListener()
{
    Close();
}

bool LocalSocketListener::Listen(const QString& path, QString& errorText)
{
    Close();
    const QByteArray target = QFile::encodeName(path);
    if (!LocalSocket::Address(target))
    {
        errorText = QStringLiteral("ścieżka gniazda jest dłuższa, niż system pozwala");
        return false;
    }
    // The socket is bound in a folder that only the user can enter, made the user's own there,
    // and only then moved to its path: no other user can reach it at any moment, whatever the
    // umask, and the move replaces a leftover at the path at once.
    QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.q4-XXXXXX";
    if (!::mkdtemp(folder.data()))
    {
        errorText = qt_error_string(errno);
        return false;
    }
    const QByteArray staging = folder + "/s";
    const std::optional<sockaddr_un> address = LocalSocket::Address(staging);
    UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    struct stat status = {};
    const bool listening = address && socket &&
                           ::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
                           ::chmod(staging.constData(), S_IRUSR | S_IWUSR) == 0 &&
                           ::lstat(staging.constData(), &status) == 0 && ::listen(socket.Get(), SOMAXCONN) == 0 &&
                           ::rename(staging.constData(), target.constData()) == 0;
    const int error = address ? errno : ENAMETOOLONG;
    if (!listening)
        ::unlink(staging.constData());
    ::rmdir(folder.constData());
    if (!listening)
    {
        errorText = qt_error_string(error);
        return false;
    }
    m_fd = std::move(socket);
    m_path = target;
    m_device = status.st_dev;
    m_inode = status.st_ino;
    return true;
}

UniqueFd LocalSocketListener::Accept()
{
    for (;;)
    {
        const int connection = ::accept4(m_fd.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0)
            return UniqueFd(connection);
        // A connection its sender gave up before it was taken is not the end of the queue.
        if (errno != EINTR && errno != ECONNABORTED)
            return {};
    }
}

void LocalSocketListener::Close()
{
    if (!m_fd)
        return;
    struct stat status = {};
    if (::lstat(m_path.constData(), &status) == 0 && status.st_dev == m_device && status.st_ino == m_inode)
        ::unlink(m_path.constData());
    m_fd.Reset();
}
