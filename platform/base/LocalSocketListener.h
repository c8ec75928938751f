#pragma once
// A listening local socket that only the user's own processes can reach, made with the system's
// calls (see LocalSocket). It takes over its path from a socket or file left there by a process
// that died, so it must only be made by the process that holds the right to the path, and it
// removes its socket file when it goes, unless another listener has replaced it meanwhile.

#include "platform/base/UniqueFd.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

class LocalSocketListener
{
public:
    LocalSocketListener() = default;
    ~LocalSocketListener();
    LocalSocketListener(const LocalSocketListener&) = delete;
    LocalSocketListener& operator=(const LocalSocketListener&) = delete;

    // Listens at path, non-blocking; false with the reason in errorText when it cannot.
    bool Listen(const QString& path, QString& errorText);
    // The listening socket, to watch for connections; -1 before Listen succeeds.
    int Fd() const { return m_fd.Get(); }
    // The next waiting connection, non-blocking and closed on exec; invalid when none waits.
    UniqueFd Accept();

private:
    void Close();

    UniqueFd m_fd;
    QByteArray m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};
