#include "core/help/HelpQ4Classic.h"

#include "core/help/IHelpHost.h"
#include "platform/ui/IShellService.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QUrl>

#include <utility>

HelpQ4Classic::HelpQ4Classic(IHelpHost& host, std::shared_ptr<IShellService> shell)
    : m_host(host)
    , m_shell(std::move(shell))
{
}

void HelpQ4Classic::ShowHelp()
{
    const QString address = QString::fromLatin1(kHelpAddress);
    if (m_shell && m_shell->OpenUrl(QUrl(address)))
        return;
    m_host.ShowMessageBox(QString(),
                          QStringLiteral("Nie udało się otworzyć pomocy w przeglądarce. Pomoc programu jest dostępna "
                                         "pod adresem %1")
                              .arg(address),
                          MB_OK | MB_ICONWARNING);
}
