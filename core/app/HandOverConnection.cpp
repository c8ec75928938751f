#include "core/app/HandOverConnection.h"

#include "core/app/HandOverMessage.h"
#include "platform/base/LocalSocket.h"

#include <QPointer>

#include <utility>

HandOverConnection::HandOverConnection(UniqueFd socket, int timeoutMs, Answerer answerer, QObject* parent)
    : QObject(parent)
    , m_socket(std::move(socket))
    , m_readable(m_socket.Get(), QSocketNotifier::Read)
    , m_answerer(std::move(answerer))
{
    connect(&m_readable, &QSocketNotifier::activated, this, [this] { Receive(); });
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { End(); });
    m_timeout.start(timeoutMs);
}

void HandOverConnection::Receive()
{
    // One byte past the largest message is enough to know the sender sends too much.
    const bool open = LocalSocket::ReceiveAvailable(m_socket.Get(), m_bytes, HandOverMessage::kMaxBytes + 1);
    const HandOverMessage::Status status = HandOverMessage::Check(m_bytes);
    if (status == HandOverMessage::Status::Complete)
        Answer();
    else if (status == HandOverMessage::Status::Invalid || !open)
        End();
}

void HandOverConnection::Answer()
{
    // Opening the file may run an event loop (a message box): nothing of this connection may
    // run meanwhile, and the connection may be gone when it returns.
    m_readable.setEnabled(false);
    m_timeout.stop();
    const QPointer<HandOverConnection> alive(this);
    const bool opened = m_answerer(m_bytes);
    if (!alive)
        return;
    // One byte into the socket's empty buffer never waits.
    LocalSocket::SendAll(m_socket.Get(), opened ? "1" : "0", QDeadlineTimer(0));
    End();
}

void HandOverConnection::End()
{
    m_readable.setEnabled(false);
    m_timeout.stop();
    // Not deleted at once: this may run inside the notifier's own signal.
    deleteLater();
}
