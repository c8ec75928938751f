#pragma once
// A small HTTP/1.1 server of the tests on 127.0.0.1 (a free port): it reads each request,
// answers it through the test's handler and closes the connection. It records every request
// with its headers, body and basic-authentication credentials. It serves only this machine
// and stops with the object; a request that waits is given up then. Given a certificate and
// its key it speaks HTTPS instead.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class LoopbackHttpServer
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray target;
        std::map<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;
        QString user;
        QString password;
    };

    struct Reply
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/xml; charset=utf-8";
        // Extra header lines, each without its line end.
        std::vector<QByteArray> headers;
        // Waits this long before answering (given up when the server stops).
        std::chrono::milliseconds delay{0};
        // Closes the connection without an answer.
        bool hangUp = false;
        // Resets the connection without an answer.
        bool reset = false;
    };

    // PEM files of the server's certificate and its private key.
    struct Tls
    {
        QString certificateFile;
        QString keyFile;
    };

    using Handler = std::function<Reply(const Request&)>;

    // Without a usable certificate the server does not listen.
    explicit LoopbackHttpServer(Handler handler, std::optional<Tls> tls = std::nullopt);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool IsListening() const { return m_socket >= 0; }
    int Port() const { return m_port; }
    // "http://127.0.0.1:<port>/rest/", or https.
    QString BaseUrl() const;
    std::vector<Request> Requests() const;

private:
    class Connection;
    struct TlsContext;

    void Serve();
    void Answer(Connection& connection);
    bool ReadRequest(Connection& connection, Request& request);
    bool Sleep(std::chrono::milliseconds time) const;

    Handler m_handler;
    std::unique_ptr<TlsContext> m_tls;
    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping = false;
    mutable std::mutex m_mutex;
    std::vector<Request> m_requests;
    std::thread m_thread;
};
