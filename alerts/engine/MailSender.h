#pragma once
// Sends the mail of a generated alert through an SMTP server with libcurl: plain, TLS from the
// start ("smtps://") or STARTTLS required. Headers are encoded (RFC 2047) with line breaks
// taken out, so the texts of an alert can never add headers; the body is UTF-8 in base64.
// The sender address is the login.
//
// SetupSender on the main thread, SendEmail and GetLastError on the mail thread; the settings
// are copied under a lock. A transfer gives up after the time-outs or when the abort flag is set.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>

class MailSender
{
public:
    static constexpr std::chrono::seconds kConnectTimeout{10};
    static constexpr std::chrono::seconds kTransferTimeout{30};

    void SetupSender(const QString& host, const QString& user, const QString& password, int port, bool ssl,
                     bool startTls);
    // False when the mail was not taken by the server; GetLastError says why (never the password).
    bool SendEmail(const QString& to, const QString& subject, const QString& body);
    QString GetLastError() const { return m_lastError; }
    // A set flag ends a transfer under way.
    void SetAbortFlag(const std::atomic<bool>* abort) { m_abort = abort; }

    // The whole message as it goes to the server, lines ended with CR LF.
    static QByteArray ComposeMessage(const QString& from, const QString& to, const QString& subject,
                                     const QString& body, const QDateTime& date);
    // An address as it may stand in an SMTP command: no line breaks, no angle brackets.
    static QString CleanAddress(const QString& address);

private:
    struct Server
    {
        QString host;
        QString user;
        QString password;
        int port = 0;
        bool ssl = false;
        bool startTls = false;
    };

    Server CopyServer() const;

    mutable std::mutex m_mutex;
    Server m_server;
    QString m_lastError;
    const std::atomic<bool>* m_abort = nullptr;
};
