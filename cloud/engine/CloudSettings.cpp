#include "cloud/engine/CloudSettings.h"

#include "platform/base/Log.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/base/TextHelper.h"

#include <QSettings>
#include <QUrl>

#include <utility>

namespace
{
constexpr const char* kFile = "CloudSettings";
}

CloudSettings::CloudSettings(QString serverRest) : m_serverRest(std::move(serverRest))
{
}

QString CloudSettings::ConfiguredServerRest(const QSettings& profile)
{
    const QString configured = profile.value(QLatin1String(kServerRestKey)).toString().trimmed();
    if (!configured.isEmpty() && IsUsableAddress(configured))
        return configured;
    if (!configured.isEmpty())
        Log::WriteWarning(QStringLiteral("Nieprawidłowy adres serwera Chmury w ustawieniach: \"%1\"").arg(configured),
                          QStringLiteral("CloudAlert"), QStringLiteral("CloudSettings::ConfiguredServerRest"), __LINE__);
    return QString::fromLatin1(kDefaultServerRest);
}

bool CloudSettings::IsUsableAddress(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("http")) &&
           !url.host().isEmpty() && url.userInfo().isEmpty();
}

QString CloudSettings::GetServerRest() const
{
    const SafeAutoLock lock(m_lock, "CloudSettings::GetServerRest", kFile);
    return m_serverRest;
}

void CloudSettings::SetServerNewIp(std::string address)
{
    const QString text = TextHelper::AnsiToUnicode(QByteArray::fromStdString(address));
    if (text == QLatin1String(kNoChange))
        return;
    if (!IsUsableAddress(text))
    {
        Log::WriteWarning(QStringLiteral("Odrzucony adres serwera Chmury: \"%1\"").arg(text), QStringLiteral("CloudAlert"),
                          QStringLiteral("CloudSettings::SetServerNewIp"), __LINE__);
        return;
    }
    const SafeAutoLock lock(m_lock, "CloudSettings::SetServerNewIp", kFile);
    m_serverRest = text;
}
