#pragma once
// A plain copy of the local alerts' settings as the alert module uses them: the mail
// server and address, the sounds, how long an alert window stays, and the properties a new
// alert starts with.

#include <QString>

#include <cstdint>

struct AlertsGeneralSettingsValues
{
    // Kinds of mail encryption.
    static constexpr std::int32_t kNoEncryption = 0;
    static constexpr std::int32_t kSslTls = 1;
    static constexpr std::int32_t kStartTls = 2;

    QString destinationAddress;
    QString host;
    QString user;
    QString password;  // in clear
    std::int32_t port = 0;
    std::int32_t encryption = kNoEncryption;
    QString buySound;   // path
    QString sellSound;  // path
    std::uint32_t windowTime = 0;  // seconds
    bool generateOnce = false;
    bool generateSynchroniously = false;
    bool informSound = false;
    bool informMail = false;
    bool informWindow = false;
};
