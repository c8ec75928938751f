#pragma once
// The instrument-choice part shared by "Nowy wykres" and the wizard's instrument page: the
// provider button with its menu of providers above the chosen provider's instrument page.
// TakeChosenAsset runs the accept steps both share.

#include "charts/ui/AssetChoiceServices.h"
#include "platform/modules/Asset.h"

#include <QWidget>

#include <memory>

class ChooseAssetDlgComponent;
class MenuChooseProviderComponent;
class ProviderBase;
class QToolButton;

class AssetChoicePane : public QWidget
{
    Q_OBJECT

public:
    AssetChoicePane(const AssetChoiceServices& services, QWidget* parent);
    ~AssetChoicePane() override;

    // False when there is no provider to choose from: the pane then has no page.
    bool IsUsable() const { return m_usable; }
    void ShowProviderPage(ProviderBase* provider);
    // The instrument the active page accepts, with its provider made the default one; null when
    // there is no page, the page refuses (its message shown) or nothing is chosen.
    std::shared_ptr<Asset> TakeChosenAsset(QString& message);

    ChooseAssetDlgComponent& Component() const { return *m_component; }
    QToolButton* ProviderButton() const { return m_providerButton; }

signals:
    void AssetPickedDirectly();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseProviderFromMenu();

    const AssetChoiceServices& m_services;
    std::unique_ptr<ChooseAssetDlgComponent> m_component;
    std::unique_ptr<MenuChooseProviderComponent> m_menu;
    QToolButton* m_providerButton;
    QWidget* m_pageArea;
    bool m_usable = false;
};
