#pragma once
// The user's cloud account as the cloud link knows it: the login and password of the default
// data provider, and what the server last said of the account. The message manager keeps the
// main thread's copy, the worker thread its own.

#include <QString>

#include <cstdint>

struct CloudUserData
{
    static constexpr std::int32_t kDefaultNotifications = 0x76;

    QString login;
    QString password;
    QString id;
    QString email;
    QString cloudLogin;
    QString newEmail;
    QString newEmailLimitCode;
    QString phoneNo;
    QString newPhoneNo;
    // Bits 0x02 push, 0x04 mail, 0x10 SMS, 0x20 sound, 0x40 window.
    std::int32_t defaultNotifications = kDefaultNotifications;
    bool newAlertDefaultOnce = true;
};
