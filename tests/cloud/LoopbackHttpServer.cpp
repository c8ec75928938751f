#include "LoopbackHttpServer.h"

#include <QList>

#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace
{
constexpr int kPollMs = 20;
constexpr qsizetype kMaxRequestBytes = 1 << 20;
constexpr int kMaxConnections = 10000;

// A TLS handshake or read that stalls is given up after this.
constexpr timeval kTlsStall{2, 0};
}

struct LoopbackHttpServer::TlsContext
{
    std::unique_ptr<SSL_CTX, decltype(&SSL_CTX_free)> context{SSL_CTX_new(TLS_server_method()), SSL_CTX_free};
};

// One accepted connection, plain or encrypted.
class LoopbackHttpServer::Connection
{
public:
    explicit Connection(int socket) : m_socket(socket) {}
    ~Connection()
    {
        if (m_tls)
            SSL_shutdown(m_tls.get());
        ::close(m_socket);
    }

    bool StartTls(SSL_CTX* context)
    {
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &kTlsStall, sizeof(kTlsStall));
        m_tls.reset(SSL_new(context));
        if (!m_tls || SSL_set_fd(m_tls.get(), m_socket) != 1 || SSL_accept(m_tls.get()) != 1)
        {
            m_tls.reset();
            return false;
        }
        return true;
    }

    // Data may wait inside the TLS layer when the socket has none.
    bool Readable(int timeoutMs) const
    {
        if (m_tls && SSL_pending(m_tls.get()) > 0)
            return true;
        pollfd waiting{m_socket, POLLIN, 0};
        return ::poll(&waiting, 1, timeoutMs) > 0;
    }

    ssize_t Read(char* buffer, std::size_t size)
    {
        if (!m_tls)
            return ::recv(m_socket, buffer, size, 0);
        return SSL_read(m_tls.get(), buffer, static_cast<int>(size));
    }

    bool WriteAll(const QByteArray& data)
    {
        qsizetype written = 0;
        while (written < data.size())
        {
            const auto left = static_cast<std::size_t>(data.size() - written);
            const ssize_t sent = m_tls ? SSL_write(m_tls.get(), data.constData() + written, static_cast<int>(left))
                                       : ::send(m_socket, data.constData() + written, left, MSG_NOSIGNAL);
            if (sent <= 0)
                return false;
            written += sent;
        }
        return true;
    }

    // Closing with nothing left to linger on sends a reset instead of an orderly end.
    void Reset()
    {
        m_tls.reset();
        const linger abort{1, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_LINGER, &abort, sizeof(abort));
    }

private:
    int m_socket;
    std::unique_ptr<SSL, decltype(&SSL_free)> m_tls{nullptr, SSL_free};
};

LoopbackHttpServer::LoopbackHttpServer(Handler handler, std::optional<Tls> tls) : m_handler(std::move(handler))
{
    if (tls)
    {
        m_tls = std::make_unique<TlsContext>();
        SSL_CTX* context = m_tls->context.get();
        if (!context ||
            SSL_CTX_use_certificate_chain_file(context, tls->certificateFile.toLocal8Bit().constData()) != 1 ||
            SSL_CTX_use_PrivateKey_file(context, tls->keyFile.toLocal8Bit().constData(), SSL_FILETYPE_PEM) != 1)
            return;
    }
    m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_socket < 0)
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    if (::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || ::listen(m_socket, 16) != 0 ||
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    {
        ::close(m_socket);
        m_socket = -1;
        return;
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread(&LoopbackHttpServer::Serve, this);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stopping = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_socket >= 0)
        ::close(m_socket);
}

QString LoopbackHttpServer::BaseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2/rest/").arg(m_tls ? QStringLiteral("https") : QStringLiteral("http")).arg(m_port);
}

std::vector<LoopbackHttpServer::Request> LoopbackHttpServer::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackHttpServer::Serve()
{
    // The TLS layer writes to sockets that the client may have closed; that must fail the
    // write, not end the test program.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    for (int served = 0; served < kMaxConnections && !m_stopping;)
    {
        pollfd waiting{m_socket, POLLIN, 0};
        if (::poll(&waiting, 1, kPollMs) <= 0)
            continue;
        const int socket = ::accept(m_socket, nullptr, nullptr);
        if (socket < 0)
            continue;
        ++served;
        Connection connection(socket);
        if (!m_tls || connection.StartTls(m_tls->context.get()))
            Answer(connection);
    }
}

void LoopbackHttpServer::Answer(Connection& connection)
{
    Request request;
    if (!ReadRequest(connection, request))
        return;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }
    const Reply reply = m_handler(request);
    if (!Sleep(reply.delay) || reply.hangUp)
        return;
    if (reply.reset)
    {
        connection.Reset();
        return;
    }
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\n";
    answer += "Content-Type: " + reply.contentType + "\r\n";
    for (const QByteArray& header : reply.headers)
        answer += header + "\r\n";
    answer += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
    connection.WriteAll(answer + reply.body);
}

bool LoopbackHttpServer::ReadRequest(Connection& connection, Request& request)
{
    QByteArray data;
    qsizetype headerEnd = -1;
    qsizetype bodyLength = 0;
    char buffer[4096];
    for (;;)
    {
        if (headerEnd >= 0 && data.size() >= headerEnd + 4 + bodyLength)
            break;
        if (m_stopping || data.size() > kMaxRequestBytes)
            return false;
        if (!connection.Readable(kPollMs))
            continue;
        const ssize_t received = connection.Read(buffer, sizeof(buffer));
        if (received <= 0)
            return false;
        data.append(buffer, received);
        if (headerEnd < 0 && (headerEnd = data.indexOf("\r\n\r\n")) >= 0)
        {
            const QList<QByteArray> lines = data.left(headerEnd).split('\n');
            const QList<QByteArray> requestLine = lines.front().trimmed().split(' ');
            if (requestLine.size() != 3)
                return false;
            request.method = requestLine[0];
            request.target = requestLine[1];
            for (qsizetype i = 1; i < lines.size(); ++i)
            {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    request.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
            }
            bodyLength = request.headers["content-length"].toLongLong();
        }
    }
    request.body = data.mid(headerEnd + 4, bodyLength);
    const QByteArray authorization = request.headers["authorization"];
    if (authorization.startsWith("Basic "))
    {
        const QByteArray pair = QByteArray::fromBase64(authorization.mid(6));
        const qsizetype colon = pair.indexOf(':');
        request.user = QString::fromUtf8(pair.left(colon));
        request.password = QString::fromUtf8(pair.mid(colon + 1));
    }
    return true;
}

bool LoopbackHttpServer::Sleep(std::chrono::milliseconds time) const
{
    const auto until = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < until)
    {
        if (m_stopping)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
