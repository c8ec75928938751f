#pragma once
// Records the programs and addresses asked for; starts and opens nothing.

#include "platform/ui/IShellService.h"

#include <vector>

class FakeShellService : public IShellService
{
public:
    struct Started
    {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    bool OpenProcess(const QString& program, const QStringList& arguments, const QString& workingFolder) override
    {
        m_started.push_back({program, arguments, workingFolder});
        return m_succeeds;
    }
    bool OpenUrl(const QUrl& url) override
    {
        m_opened.push_back(url);
        return m_succeeds;
    }

    void SetSucceeds(bool succeeds) { m_succeeds = succeeds; }
    const std::vector<Started>& StartedProcesses() const { return m_started; }
    const std::vector<QUrl>& OpenedUrls() const { return m_opened; }

private:
    bool m_succeeds = true;
    std::vector<Started> m_started;
    std::vector<QUrl> m_opened;
};
