#pragma once
// What the notifications of generated alerts read of the alerts' general settings at the
// moment they are used: where mails go and through which server, and the two sounds.

#include <QString>

#include <cstdint>

struct AlertNotificationSettings
{
    // Kinds of mail encryption.
    static constexpr std::int32_t kNoEncryption = 0;
    static constexpr std::int32_t kSslTls = 1;
    static constexpr std::int32_t kStartTls = 2;

    QString destinationAddress;
    QString host;
    QString user;
    QString password;  // in clear; never written to a log
    std::int32_t port = 0;
    std::int32_t encryption = kNoEncryption;
    QString buySound;   // path
    QString sellSound;  // path
};
