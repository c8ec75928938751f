#include "core/mediator/ChooseAssetDlgComponent.h"

#include "core/mediator/ChooseAssetPage.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

#include <algorithm>

ChooseAssetDlgComponent::ChooseAssetDlgComponent(Providers providers)
    : m_source(std::move(providers))
{
    if (!m_source.all)
        m_source.all = [] {
            std::vector<ProviderBase*> providers;
            if (IAppMediator* mediator = PluginBase::GetAppMediator())
                mediator->GetProviders(providers);
            return providers;
        };
    if (!m_source.defaultProvider)
        m_source.defaultProvider = [] {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->GetDefaultProvider() : nullptr;
        };
}

bool ChooseAssetDlgComponent::Init()
{
    m_providers = m_source.all();
    m_providers.erase(std::remove(m_providers.begin(), m_providers.end(), nullptr), m_providers.end());
    if (m_providers.empty())
        return false;
    m_defaultProvider = m_source.defaultProvider();
    if (std::find(m_providers.begin(), m_providers.end(), m_defaultProvider) == m_providers.end())
        m_defaultProvider = m_providers.front();
    return true;
}

ChooseAssetPage* ChooseAssetDlgComponent::ChangePage(ProviderBase* provider, QWidget* parent, const QRect& rect)
{
    if (!provider || !parent)
        return nullptr;
    if (m_activePage && m_activePage->GetProvider() == provider && m_activePage->parentWidget() == parent)
    {
        m_activePage->setGeometry(rect);
        return m_activePage;
    }
    delete m_activePage;
    m_activePage = new ChooseAssetPage(provider, parent);
    connect(m_activePage, &ChooseAssetPage::AssetPickedDirectly, this, &ChooseAssetDlgComponent::AssetPickedDirectly);
    m_activePage->setGeometry(rect);
    m_activePage->show();
    m_activePage->SetFocusToFilter();
    return m_activePage;
}

ChooseAssetPage* ChooseAssetDlgComponent::GetActivePage() const
{
    return m_activePage;
}

void ChooseAssetDlgComponent::SetFocusActivePage()
{
    if (m_activePage)
        m_activePage->SetFocusToFilter();
}

void ChooseAssetDlgComponent::ChangeSize(const QRect& rect, QWidget* parent)
{
    if (m_activePage && m_activePage->parentWidget() == parent)
        m_activePage->setGeometry(rect);
}
