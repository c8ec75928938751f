#include "AlertsFakes.h"
#include "SmtpSink.h"

#include "alerts/engine/MailSender.h"
#include "alerts/engine/MailSenderThread.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <thread>

namespace
{
QString Unfolded(const QByteArray& message)
{
    return QString::fromUtf8(message).replace(QStringLiteral("\r\n "), QStringLiteral(" "));
}

QString Body(const QJsonObject& mail)
{
    QString body = mail.value(QStringLiteral("body")).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (body.endsWith(QLatin1Char('\n')))
        body.chop(1);
    return body;
}
}

TEST(MailSenderTest, HeadersAreEncodedAndUserTextCannotAddHeaders)
{
    const QByteArray message = MailSender::ComposeMessage(
        QStringLiteral("alerty@example.com"), QStringLiteral("inwestor@example.com\r\nBcc: obcy@example.com"),
        QStringLiteral("Zażółć(kupno)\r\nBcc: obcy@example.com"), QStringLiteral("linia 1\nlinia 2"),
        QDateTime(QDate(2026, 3, 5), QTime(9, 4, 7), Qt::UTC));
    const QList<QByteArray> lines = message.split('\n');
    for (const QByteArray& line : lines)
        EXPECT_FALSE(line.startsWith("Bcc:")) << line.constData();
    EXPECT_TRUE(message.startsWith("Date: ")) << message.left(40).constData();
    EXPECT_TRUE(message.contains("Mar 2026 09:04:07 +0000\r\n")) << message.left(40).constData();
    EXPECT_TRUE(message.contains("Subject: =?UTF-8?B?"));
    EXPECT_TRUE(message.contains("Content-Type: text/plain; charset=UTF-8\r\n"));
    // Every line ends with CR LF.
    EXPECT_EQ(message.count('\n'), message.count("\r\n"));
    EXPECT_FALSE(Unfolded(message).contains(QStringLiteral("Zażółć")));
}

TEST(MailSenderTest, AMailReachesALocalServerWithItsTextsDecoded)
{
    Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN();
    SmtpSink sink(QStringLiteral("alerty@example.com"), QStringLiteral("tajne"));
    ASSERT_NE(sink.Port(), 0);
    MailSender sender;
    sender.SetupSender(QStringLiteral("127.0.0.1"), QStringLiteral("alerty@example.com"), QStringLiteral("tajne"),
                       sink.Port(), false, false);
    ASSERT_TRUE(sender.SendEmail(QStringLiteral("inwestor@example.com"), QStringLiteral("Miedź(kupno): kurs = 12.50"),
                                 QStringLiteral("Wygenerowano alert kupno\nAlert: Miedź")))
        << sender.GetLastError().toStdString();
    const std::vector<QJsonObject> mails = sink.WaitForMails(1);
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].value(QStringLiteral("from")).toString(), QStringLiteral("alerty@example.com"));
    EXPECT_EQ(mails[0].value(QStringLiteral("to")).toArray().first().toString(), QStringLiteral("inwestor@example.com"));
    EXPECT_EQ(mails[0].value(QStringLiteral("subject")).toString(), QStringLiteral("Miedź(kupno): kurs = 12.50"));
    EXPECT_EQ(Body(mails[0]), QStringLiteral("Wygenerowano alert kupno\nAlert: Miedź"));
}

TEST(MailSenderTest, RefusedOrUnreachableServersGiveAClearErrorWithoutThePassword)
{
    Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN();
    SmtpSink sink(QStringLiteral("alerty@example.com"), QStringLiteral("tajne"));
    ASSERT_NE(sink.Port(), 0);
    struct Case
    {
        const char* what;
        QString host;
        int port;
        QString password;
    } cases[] = {
        {"wrong password", QStringLiteral("127.0.0.1"), sink.Port(), QStringLiteral("zle-haslo")},
        {"nobody listens", QStringLiteral("127.0.0.1"), 1, QStringLiteral("zle-haslo")},
        {"no server", QString(), 25, QStringLiteral("zle-haslo")},
    };
    for (const Case& c : cases)
    {
        MailSender sender;
        sender.SetupSender(c.host, QStringLiteral("alerty@example.com"), c.password, c.port, false, false);
        EXPECT_FALSE(sender.SendEmail(QStringLiteral("inwestor@example.com"), QStringLiteral("t"), QStringLiteral("b")))
            << c.what;
        const QString error = sender.GetLastError();
        EXPECT_TRUE(error.startsWith(QStringLiteral("Mail alertu"))) << c.what << ": " << error.toStdString();
        EXPECT_FALSE(error.contains(c.password)) << c.what;
    }
    EXPECT_TRUE(sink.WaitForMails(0).empty());
}

TEST(MailSenderThreadTest, AFailedMailIsLoggedAndTheNextIsSent)
{
    const LogCapture log;
    Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN();
    SmtpSink sink;
    ASSERT_NE(sink.Port(), 0);
    MailSenderThread mails;
    mails.SetupSender(QStringLiteral("127.0.0.1"), QStringLiteral("alerty@example.com"), QString(), sink.Port(), false,
                      false);
    mails.Send(QString(), QStringLiteral("bez adresu"), QStringLiteral("b"));
    mails.Send(QStringLiteral("inwestor@example.com"), QStringLiteral("drugi"), QStringLiteral("b"));
    const std::vector<QJsonObject> received = sink.WaitForMails(1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].value(QStringLiteral("subject")).toString(), QStringLiteral("drugi"));
    EXPECT_TRUE(log.WaitFor(QStringLiteral("MailSenderThread::Execute")));
    EXPECT_TRUE(log.Text().contains(QStringLiteral("nie podano adresu odbiorcy")));
}

TEST(MailSenderThreadTest, MailsStillQueuedAtStopAreNeverSentAndStopIsQuick)
{
    Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN();
    SmtpSink sink;
    ASSERT_NE(sink.Port(), 0);
    MailSenderThread mails;
    mails.SetupSender(QStringLiteral("127.0.0.1"), QStringLiteral("alerty@example.com"), QString(), sink.Port(), false,
                      false);
    for (int i = 0; i < 40; ++i)
        mails.Send(QStringLiteral("inwestor@example.com"), QStringLiteral("mail %1").arg(i), QStringLiteral("b"));
    const auto start = std::chrono::steady_clock::now();
    mails.StopSending();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    const std::size_t sentBeforeStop = sink.WaitForMails(40, std::chrono::milliseconds(1500)).size();
    EXPECT_LT(sentBeforeStop, 40u);
}
