#pragma once
// Starts programs with QProcess and opens addresses with the desktop's handlers.

#include "platform/ui/IShellService.h"

class QtShellService : public IShellService
{
public:
    bool OpenProcess(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
    bool OpenUrl(const QUrl& url) override;
};
