#pragma once
// Starts other programs and opens addresses and folders in the desktop's own application;
// tests install a fake (DialogServices).

#include <QString>
#include <QStringList>
#include <QUrl>

class IShellService
{
public:
    virtual ~IShellService() = default;
    // Starts the program detached in the working folder (the current one when empty); false
    // when it could not be started.
    virtual bool OpenProcess(const QString& program, const QStringList& arguments, const QString& workingFolder) = 0;
    // Opens a web address, a file or a folder; false when nothing could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};
