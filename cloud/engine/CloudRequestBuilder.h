#pragma once
// Builds the addresses and bodies of the cloud REST requests: the base address of the cloud
// settings followed by the kind's path, with a time value in the queries that keeps caches
// from answering old content. Values put into the XML bodies are escaped, so an address or a
// code holding '&' or '<' cannot break a body or add elements to it. Any thread.

#include "cloud/engine/CloudRequestKind.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class CloudSettings;

class CloudRequestBuilder
{
public:
    // Seconds since 1970-01-01 00:00 UTC.
    using Clock = std::function<std::int64_t()>;

    // Without a clock the system's time is used.
    explicit CloudRequestBuilder(std::shared_ptr<const CloudSettings> settings, Clock clock = {});

    // The base address and the kind's path; for an edit or a delete the alert id still has to
    // follow. Empty for the kinds that are never sent.
    QString Address(CloudRequestKind kind) const;

    // The low 32 bits of the seconds as a signed decimal.
    static QString TimeText(std::int64_t seconds);
    static QString NotificationsBody(std::int32_t bits, bool once);
    // A user element (new_email, new_phoneno, new_phoneno_token) holding the value.
    static QString UserValueBody(const QString& element, const QString& value);
    static QString AlertBody(const QString& alertXml);
    // The value as element text: markup characters escaped, characters XML cannot hold dropped.
    static QString EscapeXmlText(const QString& value);

private:
    std::shared_ptr<const CloudSettings> m_settings;
    Clock m_clock;
};
