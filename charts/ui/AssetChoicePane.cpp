#include "charts/ui/AssetChoicePane.h"

#include "core/mediator/ChooseAssetDlgComponent.h"
#include "core/mediator/ChooseAssetPage.h"
#include "core/mediator/MenuChooseProviderComponent.h"
#include "platform/modules/ProviderBase.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

AssetChoicePane::AssetChoicePane(const AssetChoiceServices& services, QWidget* parent)
    : QWidget(parent)
    , m_services(services)
    , m_component(std::make_unique<ChooseAssetDlgComponent>(services.providers))
    , m_providerButton(new QToolButton(this))
    , m_pageArea(new QWidget(this))
{
    m_providerButton->setObjectName(QStringLiteral("978"));
    m_providerButton->setText(QStringLiteral("..."));
    m_providerButton->setAutoRaise(true);
    m_providerButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(m_providerButton, &QToolButton::clicked, this, &AssetChoicePane::ChooseProviderFromMenu);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Wybór instrumentu dla źródła danych:"), this));
    top->addWidget(m_providerButton, 1);
    m_pageArea->setMinimumSize(360, 260);
    m_pageArea->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_pageArea, 1);

    connect(m_component.get(), &ChooseAssetDlgComponent::AssetPickedDirectly, this, &AssetChoicePane::AssetPickedDirectly);
    m_usable = m_component->Init();
    if (!m_usable)
        return;
    m_menu = std::make_unique<MenuChooseProviderComponent>(*m_component);
    m_menu->CreateMenu();
    ShowProviderPage(m_component->GetDefaultProvider());
}

AssetChoicePane::~AssetChoicePane() = default;

void AssetChoicePane::ShowProviderPage(ProviderBase* provider)
{
    ChooseAssetPage* page = m_component->ChangePage(provider, m_pageArea, m_pageArea->rect());
    m_providerButton->setText(page && provider ? provider->GetName() : QString());
}

std::shared_ptr<Asset> AssetChoicePane::TakeChosenAsset(QString& message)
{
    ChooseAssetPage* page = m_component->GetActivePage();
    if (!page)
        return nullptr;
    if (!page->Check(message))
    {
        if (!message.isEmpty() && m_services.showError)
            m_services.showError(message);
        return nullptr;
    }
    std::vector<std::shared_ptr<Asset>> chosen;
    page->GetChosenInstruments(chosen);
    if (chosen.empty() || !chosen.front())
        return nullptr;
    // An instrument made without a provider leaves the default provider as it was.
    if (ProviderBase* provider = chosen.front()->GetProvider(); provider && m_services.setDefaultProvider)
        m_services.setDefaultProvider(provider);
    return chosen.front();
}

void AssetChoicePane::ChooseProviderFromMenu()
{
    if (!m_menu)
        return;
    ChooseAssetPage* page = m_component->GetActivePage();
    ProviderBase* chosen = m_menu->ShowMenuAndChooseProvider(m_providerButton->mapToGlobal(m_providerButton->rect().bottomLeft()),
                                                             page ? page->GetProvider() : nullptr);
    if (chosen)
        ShowProviderPage(chosen);
}

bool AssetChoicePane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pageArea && event->type() == QEvent::Resize)
        m_component->ChangeSize(m_pageArea->rect(), m_pageArea);
    return QWidget::eventFilter(watched, event);
}
