#include "alerts/engine/MailSender.h"

#include "platform/base/CurlLibrary.h"

#include <cstring>
#include <mutex>

namespace
{
struct Upload
{
    QByteArray data;
    qsizetype offset = 0;
};

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* user)
{
    auto* upload = static_cast<Upload*>(user);
    const qsizetype room = static_cast<qsizetype>(size * count);
    const qsizetype left = upload->data.size() - upload->offset;
    const qsizetype taken = left < room ? left : room;
    std::memcpy(buffer, upload->data.constData() + upload->offset, static_cast<std::size_t>(taken));
    upload->offset += taken;
    return static_cast<std::size_t>(taken);
}

int CheckAbort(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* abort = static_cast<const std::atomic<bool>*>(user);
    return abort && abort->load() ? 1 : 0;
}

QString WithoutLineBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// An encoded word when the text is not plain printable ASCII.
QByteArray EncodeHeader(const QString& text)
{
    const QString clean = WithoutLineBreaks(text);
    bool plain = true;
    for (const QChar c : clean)
        plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7F;
    if (plain)
        return clean.toLatin1();
    // Words of at most 45 bytes of text each, so that no header line grows past the limit.
    const QByteArray bytes = clean.toUtf8();
    QByteArray encoded;
    qsizetype start = 0;
    while (start < bytes.size())
    {
        qsizetype end = qMin(start + 45, bytes.size());
        // Never split a UTF-8 sequence.
        while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        if (!encoded.isEmpty())
            encoded += "\r\n ";
        encoded += "=?UTF-8?B?" + bytes.mid(start, end - start).toBase64() + "?=";
        start = end;
    }
    return encoded;
}

QByteArray WrapBase64(const QByteArray& data)
{
    const QByteArray base64 = data.toBase64();
    QByteArray wrapped;
    for (qsizetype at = 0; at < base64.size(); at += 76)
        wrapped += base64.mid(at, 76) + "\r\n";
    return wrapped;
}
}

void MailSender::SetupSender(const QString& host, const QString& user, const QString& password, int port, bool ssl,
                             bool startTls)
{
    const std::lock_guard lock(m_mutex);
    m_server = Server{host.trimmed(), user.trimmed(), password, port, ssl, startTls};
}

MailSender::Server MailSender::CopyServer() const
{
    const std::lock_guard lock(m_mutex);
    return m_server;
}

QString MailSender::CleanAddress(const QString& address)
{
    QString clean = WithoutLineBreaks(address).trimmed();
    clean.remove(QLatin1Char('<'));
    clean.remove(QLatin1Char('>'));
    return clean;
}

QByteArray MailSender::ComposeMessage(const QString& from, const QString& to, const QString& subject,
                                      const QString& body, const QDateTime& date)
{
    QString normalised = body;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QByteArray message;
    message += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    message += "From: <" + CleanAddress(from).toUtf8() + ">\r\n";
    message += "To: <" + CleanAddress(to).toUtf8() + ">\r\n";
    message += "Subject: " + EncodeHeader(subject) + "\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n";
    message += "\r\n";
    message += WrapBase64(normalised.toUtf8());
    return message;
}

bool MailSender::SendEmail(const QString& to, const QString& subject, const QString& body)
{
    const Server server = CopyServer();
    const QString where = QStringLiteral("%1:%2").arg(server.host).arg(server.port);
    if (server.host.isEmpty())
    {
        m_lastError = QStringLiteral("Mail alertu nie został wysłany: nie podano serwera poczty wychodzącej (SMTP).");
        return false;
    }
    const QString recipient = CleanAddress(to);
    if (recipient.isEmpty())
    {
        m_lastError = QStringLiteral("Mail alertu nie został wysłany: nie podano adresu odbiorcy.");
        return false;
    }
    QString libraryError;
    const CurlFunctions* functions = CurlLibrary::Functions(&libraryError);
    if (!functions)
    {
        m_lastError = QStringLiteral("Mail alertu nie został wysłany: %1").arg(libraryError);
        return false;
    }
    const CurlFunctions& api = *functions;
    CURL* curl = api.easy_init();
    if (!curl)
    {
        m_lastError = QStringLiteral("Mail alertu nie został wysłany: nie udało się przygotować połączenia.");
        return false;
    }
    const QString scheme = server.ssl ? QStringLiteral("smtps") : QStringLiteral("smtp");
    const QByteArray url = QStringLiteral("%1://%2:%3").arg(scheme, server.host).arg(server.port).toUtf8();
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    const QByteArray from = "<" + CleanAddress(server.user).toUtf8() + ">";
    const QByteArray rcpt = "<" + recipient.toUtf8() + ">";
    Upload upload{ComposeMessage(server.user, recipient, subject, body, QDateTime::currentDateTime()), 0};
    curl_slist* recipients = api.slist_append(nullptr, rcpt.constData());
    char errorText[CURL_ERROR_SIZE] = {};

    api.easy_setopt(curl, CURLOPT_URL, url.constData());
    if (server.startTls)
        api.easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!user.isEmpty())
    {
        api.easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        api.easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    api.easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    api.easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    api.easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    api.easy_setopt(curl, CURLOPT_READFUNCTION, &ReadUpload);
    api.easy_setopt(curl, CURLOPT_READDATA, &upload);
    api.easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(upload.data.size()));
    api.easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(kConnectTimeout.count()));
    api.easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(kTransferTimeout.count()));
    api.easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    api.easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    api.easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CheckAbort);
    api.easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(m_abort));
    api.easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode result = api.easy_perform(curl);
    long response = 0;
    api.easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response);
    api.slist_free_all(recipients);
    api.easy_cleanup(curl);
    if (result == CURLE_OK)
    {
        m_lastError.clear();
        return true;
    }
    QString reason = QString::fromUtf8(errorText[0] ? errorText : api.easy_strerror(result));
    if (response != 0)
        reason += QStringLiteral(" (odpowiedź serwera %1)").arg(response);
    m_lastError = QStringLiteral("Mail alertu do %1 nie został wysłany przez serwer %2: %3").arg(recipient, where, reason);
    return false;
}
