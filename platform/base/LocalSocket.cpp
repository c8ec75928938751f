#include "platform/base/LocalSocket.h"

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>

namespace
{
bool WouldBlock(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK;
}

int RemainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX));
}

// True when the socket is ready for events (or has failed, which the next call reports) before
// the deadline.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd entry{fd, events, 0};
    for (;;)
    {
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool HasNoError(int fd)
{
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}
}

std::optional<sockaddr_un> LocalSocket::Address(const QByteArray& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // The path needs its terminating zero inside sun_path too.
    if (path.isEmpty() || path.contains('\0') || static_cast<size_t>(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return address;
}

UniqueFd LocalSocket::Connect(const QByteArray& path, const QDeadlineTimer& deadline)
{
    const std::optional<sockaddr_un> address = Address(path);
    if (!address)
        return {};
    UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket)
        return {};
    for (;;)
    {
        if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0)
            return socket;
        const int error = errno;
        if (error == EINPROGRESS || error == EINTR)
            return WaitFor(socket.Get(), POLLOUT, deadline) && HasNoError(socket.Get()) ? std::move(socket) : UniqueFd();
        // A full backlog of a local socket is not waited for by poll: try again shortly.
        if (!WouldBlock(error) || deadline.hasExpired())
            return {};
        ::poll(nullptr, 0, std::min(10, RemainingMs(deadline)));
    }
}

bool LocalSocket::SendAll(int fd, QByteArrayView bytes, const QDeadlineTimer& deadline)
{
    while (!bytes.isEmpty())
    {
        const ssize_t sent = ::send(fd, bytes.data(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0)
            bytes = bytes.sliced(sent);
        else if (sent < 0 && errno == EINTR)
            continue;
        else if (!(sent < 0 && WouldBlock(errno) && WaitFor(fd, POLLOUT, deadline)))
            return false;
    }
    return true;
}

std::optional<char> LocalSocket::ReceiveByte(int fd, const QDeadlineTimer& deadline)
{
    for (;;)
    {
        char byte = 0;
        const ssize_t received = ::recv(fd, &byte, 1, 0);
        if (received == 1)
            return byte;
        if (received < 0 && errno == EINTR)
            continue;
        if (!(received < 0 && WouldBlock(errno) && WaitFor(fd, POLLIN, deadline)))
            return std::nullopt;
    }
}

bool LocalSocket::ReceiveAvailable(int fd, QByteArray& bytes, qsizetype limit)
{
    char buffer[4096];
    while (bytes.size() < limit)
    {
        const qsizetype wanted = std::min<qsizetype>(sizeof buffer, limit - bytes.size());
        const ssize_t received = ::recv(fd, buffer, static_cast<size_t>(wanted), 0);
        if (received > 0)
            bytes.append(buffer, received);
        else if (received < 0 && errno == EINTR)
            continue;
        else
            return received < 0 && WouldBlock(errno);
    }
    return true;
}
