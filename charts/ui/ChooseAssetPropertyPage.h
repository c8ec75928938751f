#pragma once
// "Wybór instrumentu": the new-chart wizard's instrument page. Next (or Finish on a one-page
// wizard) takes the chosen instrument only when its page accepts it and the business object can
// chart it; picking an instrument directly presses that button.

#include "charts/ui/AssetChoiceServices.h"

#include <QWizardPage>

class AssetChoicePane;
class BLChooseAssetChartParams;

class ChooseAssetPropertyPage : public QWizardPage
{
    Q_OBJECT

public:
    ChooseAssetPropertyPage(BLChooseAssetChartParams& params, const AssetChoiceServices& services);
    ~ChooseAssetPropertyPage() override;

    // False when there is no provider to choose from: the wizard cannot run.
    bool IsUsable() const;
    bool OnWizardNext();

    AssetChoicePane& Pane() const { return *m_pane; }

    void initializePage() override;
    bool validatePage() override;

signals:
    void PressNext();

private:
    BLChooseAssetChartParams& m_params;
    const AssetChoiceServices& m_services;
    AssetChoicePane* m_pane;
};
