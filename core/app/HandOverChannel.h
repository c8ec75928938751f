#pragma once
// The running instance's end of the hand-over: a local socket in the user's runtime folder,
// named after the hand-over message so that every install has its own, that only the user's
// own processes can reach. Each connection sends one HandOverMessage and gets one byte back,
// '1' when the file was opened; a message that is malformed, too long or does not arrive
// in time is dropped with the connection. The second start's end is Send.
// Main thread only.

#include "platform/base/LocalSocketListener.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class HandOverChannel : public QObject
{
public:
    static constexpr int kTimeoutMs = 3000;

    // Given the id of the message the sender named (0 when it named another) and the path's
    // bytes; true when the file was opened.
    using Receiver = std::function<bool(std::uint32_t messageId, const QByteArray& pathBytes)>;

    // timeoutMs: how long a connection may take to deliver its message.
    HandOverChannel(QString messageName, std::uint32_t messageId, int timeoutMs = kTimeoutMs);
    ~HandOverChannel() override;

    // Starts listening; false, with the reason in the log, when it cannot. A socket left by an
    // instance that died is replaced: the caller holds the single-instance lock.
    bool Listen(Receiver receiver);

    // The second start: sends the path and waits at most timeoutMs in all; true when the
    // running instance answered that it opened the file.
    static bool Send(const QString& messageName, const QString& path, int timeoutMs = kTimeoutMs);
    // The socket's full path for the message name.
    static QString SocketPath(const QString& messageName);

private:
    void Accept();
    bool Answer(const QByteArray& bytes) const;

    const QString m_messageName;
    const std::uint32_t m_messageId;
    const int m_timeoutMs;
    Receiver m_receiver;
    LocalSocketListener m_listener;
    // Declared after the listener, so it goes before the listener's socket is closed.
    std::unique_ptr<QSocketNotifier> m_connectionWaiting;
};
