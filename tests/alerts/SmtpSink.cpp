#include "SmtpSink.h"
#include "tests/support/TestPaths.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

SmtpSink::SmtpSink(const QString& login, const QString& password)
{
    QStringList arguments{TestPaths::SmtpSink()};
    if (!login.isEmpty())
        arguments << login << password;
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    QDeadlineTimer deadline(10000);
    while (m_port == 0 && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning)
    {
        m_process.waitForReadyRead(200);
        while (m_process.canReadLine())
        {
            const QJsonObject line = QJsonDocument::fromJson(m_process.readLine()).object();
            m_port = line.value(QStringLiteral("port")).toInt();
        }
    }
}

SmtpSink::~SmtpSink()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

void SmtpSink::ReadLines()
{
    while (m_process.canReadLine())
        m_mails.push_back(QJsonDocument::fromJson(m_process.readLine()).object());
}

std::vector<QJsonObject> SmtpSink::WaitForMails(std::size_t count, std::chrono::milliseconds timeout)
{
    QDeadlineTimer deadline(timeout.count());
    ReadLines();
    while (m_mails.size() < count && !deadline.hasExpired())
    {
        m_process.waitForReadyRead(100);
        ReadLines();
    }
    return m_mails;
}
