#pragma once
// The crash reporter as the application object sets it up: the user and code that a report
// carries, installed with the program's version and uninstalled at the end.

#include <QString>

class ICrashReportHandler
{
public:
    virtual ~ICrashReportHandler() = default;

    virtual void SetUserData(const QString& user, const QString& code) = 0;
    // False when the reporter could not be installed.
    virtual bool Install(const QString& version) = 0;
    virtual void Uninstall() = 0;
};
