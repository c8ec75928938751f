#include "core/mediator/MenuChooseProviderComponent.h"

#include "core/mediator/ChooseAssetDlgComponent.h"
#include "platform/modules/ProviderBase.h"

#include <QMenu>

MenuChooseProviderComponent::MenuChooseProviderComponent(ChooseAssetDlgComponent& component)
    : m_component(component)
{
}

MenuChooseProviderComponent::~MenuChooseProviderComponent() = default;

void MenuChooseProviderComponent::CreateMenu()
{
    m_menu = std::make_unique<QMenu>();
    for (ProviderBase* provider : m_component.GetProviders())
    {
        QAction* action = m_menu->addAction(provider->GetName());
        action->setCheckable(true);
        action->setData(QVariant::fromValue(static_cast<void*>(provider)));
    }
}

ProviderBase* MenuChooseProviderComponent::ShowMenuAndChooseProvider(const QPoint& point, ProviderBase* current)
{
    if (!m_menu)
        return nullptr;
    for (QAction* action : m_menu->actions())
        action->setChecked(action->data().value<void*>() == current);
    QAction* chosen = m_menu->exec(point);
    return chosen ? static_cast<ProviderBase*>(chosen->data().value<void*>()) : nullptr;
}
