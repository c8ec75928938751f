#include "LoopbackHttpServer.h"

#include <QList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace
{
constexpr int kPollMs = 20;
constexpr qsizetype kMaxRequestBytes = 1 << 20;
constexpr int kMaxConnections = 10000;

bool WriteAll(int connection, const QByteArray& data)
{
    qsizetype written = 0;
    while (written < data.size())
    {
        const ssize_t sent = ::send(connection, data.constData() + written, static_cast<size_t>(data.size() - written),
                                    MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        written += sent;
    }
    return true;
}
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : m_handler(std::move(handler))
{
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
    return QStringLiteral("http://127.0.0.1:%1/rest/").arg(m_port);
}

std::vector<LoopbackHttpServer::Request> LoopbackHttpServer::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackHttpServer::Serve()
{
    for (int served = 0; served < kMaxConnections && !m_stopping;)
    {
        pollfd waiting{m_socket, POLLIN, 0};
        if (::poll(&waiting, 1, kPollMs) <= 0)
            continue;
        const int connection = ::accept(m_socket, nullptr, nullptr);
        if (connection < 0)
            continue;
        ++served;
        Answer(connection);
        ::close(connection);
    }
}

void LoopbackHttpServer::Answer(int connection)
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
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\n";
    answer += "Content-Type: " + reply.contentType + "\r\n";
    for (const QByteArray& header : reply.headers)
        answer += header + "\r\n";
    answer += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
    WriteAll(connection, answer + reply.body);
}

bool LoopbackHttpServer::ReadRequest(int connection, Request& request)
{
    QByteArray data;
    qsizetype headerEnd = -1;
    qsizetype bodyLength = 0;
    char buffer[4096];
    for (;;)
    {
        if (headerEnd >= 0 && data.size() >= headerEnd + 4 + bodyLength)
            break;
        pollfd waiting{connection, POLLIN, 0};
        if (m_stopping || data.size() > kMaxRequestBytes)
            return false;
        if (::poll(&waiting, 1, kPollMs) <= 0)
            continue;
        const ssize_t received = ::recv(connection, buffer, sizeof(buffer), 0);
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
