#include "charts/ui/ChooseAssetAndChartParamsDlg.h"

#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChartTypeButtons.h"
#include "core/mediator/ChooseAssetDlgComponent.h"
#include "core/mediator/ChooseAssetPage.h"
#include "core/mediator/MenuChooseProviderComponent.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

ChooseAssetAndChartParamsDlg::ChooseAssetAndChartParamsDlg(BLChooseAssetChartParams& params, AssetChoiceServices services)
    : m_params(params)
    , m_services(std::move(services))
    , m_component(std::make_unique<ChooseAssetDlgComponent>(m_services.providers))
    , m_providerButton(new QToolButton(this))
    , m_pageArea(new QWidget(this))
    , m_tick(new QRadioButton(QStringLiteral("Tikowy"), this))
    , m_day(new QRadioButton(QStringLiteral("Dzienny"), this))
{
    setWindowTitle(QStringLiteral("Nowy wykres"));
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->SetAppIcon(this);

    m_providerButton->setObjectName(QStringLiteral("978"));
    m_providerButton->setText(QStringLiteral("..."));
    m_providerButton->setAutoRaise(true);
    connect(m_providerButton, &QToolButton::clicked, this, &ChooseAssetAndChartParamsDlg::ChooseProviderFromMenu);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Wybór instrumentu dla źródła danych:"), this));
    top->addWidget(m_providerButton, 1);

    m_pageArea->setMinimumSize(360, 260);
    m_pageArea->installEventFilter(this);

    auto* chartGroup = new QGroupBox(QStringLiteral("Typ wykresu"), this);
    auto* chartLayout = new QGridLayout(chartGroup);
    chartLayout->addWidget(m_tick, 0, 0);
    chartLayout->addWidget(m_day, 1, 0);
    ChartTypeButtons::Create(chartGroup, m_chartTypes);
    for (int type = 0; type < 4; ++type)
    {
        chartLayout->addWidget(m_chartTypes[type], 0, 1 + type, 2, 1);
        connect(m_chartTypes[type], &QToolButton::clicked, this, [this, type] { OnChartType(type); });
    }
    connect(m_tick, &QRadioButton::clicked, this, &ChooseAssetAndChartParamsDlg::OnTick);
    connect(m_day, &QRadioButton::clicked, this, &ChooseAssetAndChartParamsDlg::OnDay);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ChooseAssetAndChartParamsDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pageArea, 1);
    layout->addWidget(chartGroup);
    layout->addWidget(buttons);

    connect(m_component.get(), &ChooseAssetDlgComponent::AssetPickedDirectly, this, &ChooseAssetAndChartParamsDlg::OnOk);
    if (m_component->Init())
    {
        m_menu = std::make_unique<MenuChooseProviderComponent>(*m_component);
        m_menu->CreateMenu();
        ShowProviderPage(m_component->GetDefaultProvider());
    }
    if (m_params.GetLastChosenInterval() == DataRequestParams::kTick)
        OnTick();
    else
        OnDay();
    const int chartType = m_params.GetLastChosenChartType();
    if (m_chartTypes[chartType >= 0 && chartType < 4 ? chartType : 0]->isEnabled())
        OnChartType(chartType >= 0 && chartType < 4 ? chartType : 0);
}

ChooseAssetAndChartParamsDlg::~ChooseAssetAndChartParamsDlg() = default;

void ChooseAssetAndChartParamsDlg::ShowProviderPage(ProviderBase* provider)
{
    ChooseAssetPage* page = m_component->ChangePage(provider, m_pageArea, m_pageArea->rect());
    m_providerButton->setText(page && provider ? provider->GetName() : QString());
}

void ChooseAssetAndChartParamsDlg::ChooseProviderFromMenu()
{
    if (!m_menu)
        return;
    ChooseAssetPage* page = m_component->GetActivePage();
    ProviderBase* chosen = m_menu->ShowMenuAndChooseProvider(m_providerButton->mapToGlobal(m_providerButton->rect().bottomLeft()),
                                                             page ? page->GetProvider() : nullptr);
    if (chosen)
        ShowProviderPage(chosen);
}

void ChooseAssetAndChartParamsDlg::OnTick()
{
    m_tick->setChecked(true);
    m_params.SetInterval(DataRequestParams::kTick);
    m_chartTypes[2]->setEnabled(false);
    m_chartTypes[3]->setEnabled(false);
    OnChartType(0);
}

void ChooseAssetAndChartParamsDlg::OnDay()
{
    m_day->setChecked(true);
    m_params.SetInterval(DataRequestParams::kDay);
    m_chartTypes[2]->setEnabled(true);
    m_chartTypes[3]->setEnabled(true);
}

void ChooseAssetAndChartParamsDlg::OnChartType(int chartType)
{
    for (int type = 0; type < 4; ++type)
        m_chartTypes[type]->setChecked(type == chartType);
    m_params.SetChartType(chartType);
}

void ChooseAssetAndChartParamsDlg::OnOk()
{
    ChooseAssetPage* page = m_component->GetActivePage();
    if (!page)
        return;
    QString message;
    if (!page->Check(message))
    {
        if (!message.isEmpty() && m_services.showError)
            m_services.showError(message);
        return;
    }
    std::vector<std::shared_ptr<Asset>> chosen;
    page->GetChosenInstruments(chosen);
    if (chosen.empty() || !chosen.front())
        return;
    // An instrument made without a provider leaves the default provider as it was.
    if (ProviderBase* provider = chosen.front()->GetProvider(); provider && m_services.setDefaultProvider)
        m_services.setDefaultProvider(provider);
    m_params.SetAsset(std::make_shared<Asset>(*chosen.front()));
    accept();
}

bool ChooseAssetAndChartParamsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pageArea && event->type() == QEvent::Resize)
        m_component->ChangeSize(m_pageArea->rect(), m_pageArea);
    return QDialog::eventFilter(watched, event);
}
