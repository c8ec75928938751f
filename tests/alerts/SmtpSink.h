#pragma once
// The local SMTP server of the mail tests (Debian's python3-aiosmtpd), run as a child process
// for one test: its port, and the mails it received, decoded.

#include <QJsonObject>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

// A test program that forks the server's process while its threads run makes the thread
// sanitizer lose track of the locks it saw: it then reports accesses made under one mutex as
// races. The tests that need the server skip under that sanitizer.
#if defined(__SANITIZE_THREAD__)
#define Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN() \
    GTEST_SKIP() << "the SMTP sink's child process confuses the thread sanitizer's lock tracking"
#else
#define Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN() static_cast<void>(0)
#endif

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
