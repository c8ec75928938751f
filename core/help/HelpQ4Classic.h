#pragma once
// The help of this edition: the maker's online help page, opened in the user's browser. When no
// browser opens it, the user is told where the help is.

#include "core/help/HelpBase.h"

#include <memory>

class IHelpHost;
class IShellService;

class HelpQ4Classic : public HelpBase
{
public:
    static constexpr const char* kHelpAddress = "https://www.kelvora.example/pomoc/quorvanta4";

    HelpQ4Classic(IHelpHost& host, std::shared_ptr<IShellService> shell);

    void ShowHelp() override;

private:
    IHelpHost& m_host;
    std::shared_ptr<IShellService> m_shell;
};
