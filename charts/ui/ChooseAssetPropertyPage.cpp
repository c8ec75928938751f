#include "charts/ui/ChooseAssetPropertyPage.h"

#include "charts/ui/AssetChoicePane.h"
#include "charts/ui/BLChooseAssetChartParams.h"
#include "core/mediator/ChooseAssetDlgComponent.h"

#include <QVBoxLayout>

ChooseAssetPropertyPage::ChooseAssetPropertyPage(BLChooseAssetChartParams& params, const AssetChoiceServices& services)
    : m_params(params)
    , m_services(services)
    , m_pane(new AssetChoicePane(services, this))
{
    setTitle(QStringLiteral("Wybór instrumentu"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pane);
    connect(m_pane, &AssetChoicePane::AssetPickedDirectly, this, &ChooseAssetPropertyPage::PressNext);
}

ChooseAssetPropertyPage::~ChooseAssetPropertyPage() = default;

bool ChooseAssetPropertyPage::IsUsable() const
{
    return m_pane->IsUsable();
}

void ChooseAssetPropertyPage::initializePage()
{
    m_pane->Component().SetFocusActivePage();
}

bool ChooseAssetPropertyPage::validatePage()
{
    return OnWizardNext();
}

bool ChooseAssetPropertyPage::OnWizardNext()
{
    QString message;
    const std::shared_ptr<Asset> chosen = m_pane->TakeChosenAsset(message);
    if (!chosen)
        return false;
    if (m_params.SelectedAsset(*chosen))
        return true;
    if (!message.isEmpty() && m_services.writeError)
        m_services.writeError(QStringLiteral("ChooseAssetPropertyPage::OnWizardNext"), 139,
                              QStringLiteral("Nie można przetworzyć wybranego instrumetnu"));
    return false;
}
