#pragma once
// The local SMTP server of the mail tests (Debian's python3-aiosmtpd), run as a child process
// for one test: its port, and the mails it received, decoded.

#include <QJsonObject>
#include <QProcess>
#include <QString>

#include <chrono>
#include <vector>

class SmtpSink
{
public:
    // With a login the server requires AUTH with exactly that login and password.
    explicit SmtpSink(const QString& login = QString(), const QString& password = QString());
    ~SmtpSink();

    // 0 when the server did not start.
    int Port() const { return m_port; }
    // Waits until count mails arrived in all; the mails so far.
    std::vector<QJsonObject> WaitForMails(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    void ReadLines();

    QProcess m_process;
    int m_port = 0;
    std::vector<QJsonObject> m_mails;
};
