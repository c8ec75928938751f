#pragma once
// The help of this edition: the maker's online help page, opened in the user's browser. When no
// browser opens it, the user is told where the help is.

#include "core/help/HelpBase.h"

#include <memory>

class IMessageBoxService;
class IShellService;

class HelpQ4Classic : public HelpBase
{
public:
    static constexpr const char* kHelpAddress = "https://www.kelvora.example/pomoc/quorvanta4";

    HelpQ4Classic(std::shared_ptr<IShellService> shell, std::shared_ptr<IMessageBoxService> messageBox);

    void ShowHelp() override;

private:
    std::shared_ptr<IShellService> m_shell;
    std::shared_ptr<IMessageBoxService> m_messageBox;
};
