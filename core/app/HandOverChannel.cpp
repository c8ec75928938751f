#include "core/app/HandOverChannel.h"

#include "core/app/AppRunningDetector.h"
#include "core/app/HandOverConnection.h"
#include "core/app/HandOverMessage.h"
#include "platform/base/AppPaths.h"
#include "platform/base/LocalSocket.h"
#include "platform/base/Log.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <utility>

namespace
{
// A local socket's path must fit the system's limit with room to spare.
constexpr qsizetype kMaxSocketPathBytes = 100;

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
    m_connectionWaiting.reset();
    const QString path = SocketPath(m_messageName);
    QString errorText;
    if (!m_listener.Listen(path, errorText))
    {
        WriteChannelError(QStringLiteral("Nie można przyjmować plików od kolejnych uruchomień programu (\"%1\"): %2")
                              .arg(path, errorText),
                          "HandOverChannel::Listen", __LINE__);
        return false;
    }
    m_connectionWaiting = std::make_unique<QSocketNotifier>(m_listener.Fd(), QSocketNotifier::Read);
    connect(m_connectionWaiting.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
    return true;
}

void HandOverChannel::Accept()
{
    // Each connection is this channel's child and deletes itself when it ends.
    while (UniqueFd socket = m_listener.Accept())
        new HandOverConnection(std::move(socket), m_timeoutMs, [this](const QByteArray& bytes) { return Answer(bytes); }, this);
}

bool HandOverChannel::Answer(const QByteArray& bytes) const
{
    const std::optional<HandOverMessage> message = HandOverMessage::Decode(bytes);
    // A message meant for another channel gets no id, so the receiver refuses it.
    const std::uint32_t id = message && message->messageName == m_messageName ? m_messageId : 0;
    return message && m_receiver && m_receiver(id, message->pathBytes);
}

bool HandOverChannel::Send(const QString& messageName, const QString& path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const UniqueFd socket = LocalSocket::Connect(QFile::encodeName(SocketPath(messageName)), deadline);
    return socket && LocalSocket::SendAll(socket.Get(), HandOverMessage::Encode(messageName, path), deadline) &&
           LocalSocket::ReceiveByte(socket.Get(), deadline) == '1';
}
