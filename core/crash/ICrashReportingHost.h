#pragma once
// What the crash handler needs of the application mediator: the product's name, its
// application-data folder and the log. The mediator's operations of the same names answer.

#include <QString>

class ICrashReportingHost
{
public:
    virtual ~ICrashReportingHost() = default;

    virtual QString GetProductName() = 0;
    // The user's application-data folder of the product with the sub-folder, created when missing.
    virtual QString GetAppDataFolder(const QString& subFolder) = 0;
    virtual void WriteError(const QString& module, const QString& where, int line, const QString& text) = 0;
};
