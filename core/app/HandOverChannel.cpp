#include "core/app/HandOverChannel.h"

#include "core/app/AppRunningDetector.h"
#include "core/app/HandOverMessage.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <utility>

namespace
{
// A local socket's path must fit the system's limit with room to spare.
constexpr qsizetype kMaxSocketPathBytes = 100;
const char* const kReadBuffer = "handOverBytes";
const char* const kAnswered = "handOverAnswered";

void WriteChannelError(const QString& text, const char* where, int line)
{
    Log::WriteError(text, QString::fromUtf8(AppPaths::kProductName), QString::fromLatin1(where), line);
}
}

HandOverChannel::HandOverChannel(QString messageName, std::uint32_t messageId, int timeoutMs)
    : m_messageName(std::move(messageName))
    , m_messageId(messageId)
    , m_timeoutMs(timeoutMs)
{
}

HandOverChannel::~HandOverChannel() = default;

QString HandOverChannel::SocketPath(const QString& messageName)
{
    const QDir folder(AppRunningDetector::RuntimeFolder());
    const QString path = folder.filePath(messageName);
    if (path.toLocal8Bit().size() <= kMaxSocketPathBytes)
        return path;
    // A deep install folder: the name's digest keeps installs apart within the limit.
    const QByteArray digest = QCryptographicHash::hash(messageName.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder.filePath(QStringLiteral("RunAssocFile_") + QString::fromLatin1(digest));
}

bool HandOverChannel::Listen(Receiver receiver)
{
    m_receiver = std::move(receiver);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = SocketPath(m_messageName);
    if (!m_server->listen(path) && m_server->serverError() == QAbstractSocket::AddressInUseError)
    {
        QLocalServer::removeServer(path);
        m_server->listen(path);
    }
    if (!m_server->isListening())
    {
        WriteChannelError(QStringLiteral("Nie można przyjmować plików od kolejnych uruchomień programu (\"%1\"): %2")
                              .arg(path, m_server->errorString()),
                          "HandOverChannel::Listen", __LINE__);
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] { Accept(); });
    return true;
}

void HandOverChannel::Accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection())
    {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        QTimer::singleShot(m_timeoutMs, socket, [socket] { socket->abort(); });
        Read(socket);
    }
}

void HandOverChannel::Read(QLocalSocket* socket)
{
    if (socket->property(kAnswered).toBool())
        return;
    const QByteArray bytes = socket->property(kReadBuffer).toByteArray() + socket->readAll();
    switch (HandOverMessage::Check(bytes))
    {
    case HandOverMessage::Status::Incomplete:
        socket->setProperty(kReadBuffer, bytes);
        return;
    case HandOverMessage::Status::Invalid:
        socket->abort();
        return;
    case HandOverMessage::Status::Complete:
        break;
    }
    socket->setProperty(kAnswered, true);
    const std::optional<HandOverMessage> message = HandOverMessage::Decode(bytes);
    // A message meant for another channel gets no id, so the receiver refuses it.
    const std::uint32_t id = message && message->messageName == m_messageName ? m_messageId : 0;
    const bool opened = message && m_receiver && m_receiver(id, message->pathBytes);
    socket->write(opened ? "1" : "0");
    socket->disconnectFromServer();
}

bool HandOverChannel::Send(const QString& messageName, const QString& path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(SocketPath(messageName));
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return false;
    socket.write(HandOverMessage::Encode(messageName, path));
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() == 0)
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
    return socket.read(1) == "1";
}
