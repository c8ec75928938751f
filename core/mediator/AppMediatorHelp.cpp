// The application mediator's part in the application news and the version-information page.

#include "core/help/AppNewsProgram.h"
#include "core/help/VersionInfoManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/MediatorHelpHost.h"
#include "platform/ui/DialogServices.h"

void AppMediator::RunAppNewsProgram()
{
    if (!m_helpHost)
        m_helpHost = std::make_unique<MediatorHelpHost>(*this);
    if (!m_appNews)
        m_appNews = std::make_unique<AppNewsProgram>(*m_helpHost, DialogServices::Shell());
    m_appNews->RunAppNewsProgram();
}

bool AppMediator::IsProgramVersionChanged()
{
    if (!m_helpHost)
        m_helpHost = std::make_unique<MediatorHelpHost>(*this);
    return ::IsProgramVersionChanged(*m_helpHost);
}

void AppMediator::ShowVersionInfoPage()
{
    if (const std::shared_ptr<IShellService> shell = DialogServices::Shell())
        VersionInfoManager::Instance().OpenPageInBrowser(*shell);
}
