#pragma once
// "Wybór instrumentu": the new-chart wizard's instrument page. Next (or Finish on a one-page
// wizard) takes the chosen instrument only when its page accepts it and the business object can
// chart it; picking an instrument directly presses that button.

#include "charts/ui/AssetChoiceServices.h"

#include <QWizardPage>

#include <memory>

class BLChooseAssetChartParams;
class ChooseAssetDlgComponent;
class MenuChooseProviderComponent;
class ProviderBase;
class QToolButton;

class ChooseAssetPropertyPage : public QWizardPage
{
    Q_OBJECT

public:
    ChooseAssetPropertyPage(BLChooseAssetChartParams& params, const AssetChoiceServices& services);
    ~ChooseAssetPropertyPage() override;

    // False when there is no provider to choose from: the wizard cannot run.
    bool IsUsable() const { return m_usable; }
    bool OnWizardNext();
    void ShowProviderPage(ProviderBase* provider);

    ChooseAssetDlgComponent& Component() const { return *m_component; }
    QToolButton* ProviderButton() const { return m_providerButton; }

    void initializePage() override;
    bool validatePage() override;

signals:
    void PressNext();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseProviderFromMenu();

    BLChooseAssetChartParams& m_params;
    const AssetChoiceServices& m_services;
    std::unique_ptr<ChooseAssetDlgComponent> m_component;
    std::unique_ptr<MenuChooseProviderComponent> m_menu;
    QToolButton* m_providerButton;
    QWidget* m_pageArea;
    bool m_usable = false;
};
