#include "cloud/engine/CloudRequestBuilder.h"

#include "cloud/engine/CloudSettings.h"

#include <QList>

#include <chrono>
#include <utility>

namespace
{
const QString kBodyProlog = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");

bool IsXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}
}

CloudRequestBuilder::CloudRequestBuilder(std::shared_ptr<const CloudSettings> settings, Clock clock)
    : m_settings(std::move(settings))
    , m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] {
            return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
                .count();
        };
}

QString CloudRequestBuilder::Address(CloudRequestKind kind) const
{
    QString path;
    switch (kind)
    {
    case eGetUser:
    case eGetUserCloudData:
    case eGetChangeEmailError:
    case eGetChangeTelNumberError:
        path = QStringLiteral("user.xml?temp=") + TimeText(m_clock());
        break;
    case eGetCloudToken:
        path = QStringLiteral("token/.xml");
        break;
    case eGetAllAlerts:
        path = QStringLiteral("alertdefinition.xml?offset=0&limit=1000&_ts=") + TimeText(m_clock());
        break;
    case eGetAlertEvents:
        path = QStringLiteral("alertevent.xml?client=1&_ts=") + TimeText(m_clock());
        break;
    case eAddAlert:
    case eEditAlert:
    case eDeleteAlerts:
        path = QStringLiteral("alertdefinition/");
        break;
    case eChangeUserEmail:
        path = QStringLiteral("user/new_email");
        break;
    case eChangeTelNumber:
        path = QStringLiteral("user/new_phoneno");
        break;
    case eSendTelNumberToken:
        path = QStringLiteral("user/new_phoneno_token");
        break;
    case eChangeCloudAlertNotifications:
        path = QStringLiteral("user");
        break;
    case eRequestNotSet:
    case eGetAlert:
        return QString();
    }
    return m_settings->GetServerRest() + path;
}

QString CloudRequestBuilder::TimeText(std::int64_t seconds)
{
    return QString::number(static_cast<std::int32_t>(static_cast<std::uint32_t>(seconds & 0xFFFFFFFF)));
}

QString CloudRequestBuilder::NotificationsBody(std::int32_t bits, bool once)
{
    return kBodyProlog +
           QStringLiteral("<request><user><default_notifications>%1</default_notifications><settings>"
                          "<NewAlertDefaultOnce>%2</NewAlertDefaultOnce></settings></user></request>")
               .arg(bits)
               .arg(once ? 1 : 0);
}

QString CloudRequestBuilder::UserValueBody(const QString& element, const QString& value)
{
    return kBodyProlog + QStringLiteral("<request><user><%1>%2</%1></user></request>").arg(element, EscapeXmlText(value));
}

QString CloudRequestBuilder::AlertBody(const QString& alertXml)
{
    return QStringLiteral("<?xml version=\"1.0\"?>") + alertXml;
}

QString CloudRequestBuilder::EscapeXmlText(const QString& value)
{
    QString kept;
    kept.reserve(value.size());
    for (const char32_t c : value.toUcs4())
        if (IsXmlCharacter(c))
            kept.append(QString::fromUcs4(&c, 1));
    return kept.toHtmlEscaped();
}
