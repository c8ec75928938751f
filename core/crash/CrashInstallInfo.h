#pragma once
// What the crash reporter is installed with: the program's name and version, the subject that
// names the report, where reports would be delivered and the reporter's flags. No password is
// part of it: delivery beyond the local report file is set up outside the program.

#include <QString>

#include <cstdint>

struct CrashInstallInfo
{
    QString applicationName;
    QString applicationVersion;
    QString emailTo;
    QString emailSubject;
    QString url;
    // -1: the transport is not used.
    int httpPriority = -1;
    int smtpPriority = -1;
    int mapiPriority = -1;
    std::uint32_t flags = 0;
    QString privacyPolicyUrl;
    QString restartCommandLine;
    QString smtpLogin;
    // The user and code that SetupCrashReporting gave; every report names them.
    QString user;
    QString code;
};
