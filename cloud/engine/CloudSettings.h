#pragma once
// The base address of the cloud REST endpoint, to which every request path is appended. It
// starts as the configured address (the registry profile's "Cloud/ServerRest", else the
// built-in one) and is replaced when a data provider reports a new server. The request
// builders read it on the main thread and on the worker, providers replace it on theirs.

#include "platform/base/SafeCriticalSection.h"

#include <QString>

#include <string>

class QSettings;

class CloudSettings
{
public:
    static constexpr const char* kDefaultServerRest = "https://chmura.kelvora.pl/rest/";
    static constexpr const char* kServerRestKey = "Cloud/ServerRest";
    // The address a provider sends when the server stays the same.
    static constexpr const char* kNoChange = "999";

    explicit CloudSettings(QString serverRest = QString::fromLatin1(kDefaultServerRest));

    // The profile's address when it holds a usable one, else the built-in address.
    static QString ConfiguredServerRest(const QSettings& profile);
    // An absolute http or https address with a host and without user or password.
    static bool IsUsableAddress(const QString& address);

    QString GetServerRest() const;
    // Takes the provider's 8-bit text as the whole new base address, unchanged ("/" is not
    // added). "999" and unusable addresses (logged) keep the current one.
    void SetServerNewIp(std::string address);

private:
    mutable SafeCriticalSection m_lock{QStringLiteral("CloudSettings_Lock")};
    QString m_serverRest;
};
