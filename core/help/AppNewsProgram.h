#pragma once
// The application-news program: once, a minute after start, the program starts the news
// program that "VersionInfo.xml" of the installation names, when the running "Kelvora OnLine"
// provider reports news for this user. The two texts read last are kept between runs of
// RunAppNewsProgram; a file that cannot be read leaves them as they were.

#include "core/help/AppNewsInfo.h"

#include <QStringList>

#include <memory>

class IHelpHost;
class IShellService;

class AppNewsProgram
{
public:
    static constexpr const char* kNewsProviderName = "Kelvora OnLine";
    static constexpr const char* kNewsMode = "NORMAL";

    AppNewsProgram(IHelpHost& host, std::shared_ptr<IShellService> shell);

    // True when the news program was started. The version text, the provider's number and
    // "NORMAL" go to the program as three arguments, so a version text with spaces stays whole.
    bool RunAppNewsProgram();

    const AppNewsInfo& Info() const { return m_info; }

private:
    // Worked out once and kept.
    const QString& InfoPath();

    IHelpHost& m_host;
    std::shared_ptr<IShellService> m_shell;
    AppNewsInfo m_info;
    QString m_infoPath;
};
