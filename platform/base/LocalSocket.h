#pragma once
// Stream sockets between processes of this machine, on the system's calls: the hand-over between
// two starts needs nothing more, and Qt's network library would be loaded at every start for it.
// Every socket is made non-blocking and closed on exec; waiting is done with poll, never longer
// than the caller's deadline, and a signal that interrupts a call only repeats it.

#include "platform/base/UniqueFd.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>

#include <optional>
#include <sys/un.h>

namespace LocalSocket
{
// The address of the socket file at path; nothing when the path is empty or does not fit.
std::optional<sockaddr_un> Address(const QByteArray& path);

// A socket connected to the one listening at path; invalid when none listens there, the path
// does not fit, or the deadline passes first.
UniqueFd Connect(const QByteArray& path, const QDeadlineTimer& deadline);

// False when the peer has gone or the deadline passes before every byte is sent. A peer that has
// gone gives an error, never a signal that would end the process.
bool SendAll(int fd, QByteArrayView bytes, const QDeadlineTimer& deadline);

// The next byte; nothing when the peer closes first or the deadline passes.
std::optional<char> ReceiveByte(int fd, const QDeadlineTimer& deadline);

// Appends the bytes that have arrived until bytes holds limit, without waiting; false when the
// peer has closed its end or the socket failed.
bool ReceiveAvailable(int fd, QByteArray& bytes, qsizetype limit);
}
