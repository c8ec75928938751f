#include "core/help/HelpQ4Classic.h"

#include "platform/base/AppPaths.h"
#include "platform/ui/IMessageBoxService.h"
#include "platform/ui/IShellService.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QUrl>

#include <utility>

HelpQ4Classic::HelpQ4Classic(std::shared_ptr<IShellService> shell, std::shared_ptr<IMessageBoxService> messageBox)
    : m_shell(std::move(shell))
    , m_messageBox(std::move(messageBox))
{
}

void HelpQ4Classic::ShowHelp()
{
    const QString address = QString::fromLatin1(kHelpAddress);
    if (m_shell && m_shell->OpenUrl(QUrl(address)))
        return;
    if (m_messageBox)
        m_messageBox->Show(QString::fromLatin1(AppPaths::kProductName),
                           QStringLiteral("Nie udało się otworzyć pomocy w przeglądarce. Pomoc programu jest dostępna "
                                          "pod adresem %1")
                               .arg(address),
                           MB_OK | MB_ICONWARNING);
}
