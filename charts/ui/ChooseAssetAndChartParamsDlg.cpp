#include "charts/ui/ChooseAssetAndChartParamsDlg.h"

#include "charts/ui/AssetChoicePane.h"
#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChartTypeButtons.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

ChooseAssetAndChartParamsDlg::ChooseAssetAndChartParamsDlg(BLChooseAssetChartParams& params, AssetChoiceServices services)
    : m_params(params)
    , m_services(std::move(services))
    , m_pane(new AssetChoicePane(m_services, this))
    , m_tick(new QRadioButton(QStringLiteral("Tikowy"), this))
    , m_day(new QRadioButton(QStringLiteral("Dzienny"), this))
{
    setWindowTitle(QStringLiteral("Nowy wykres"));
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->SetAppIcon(this);

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
    layout->addWidget(m_pane, 1);
    layout->addWidget(chartGroup);
    layout->addWidget(buttons);

    connect(m_pane, &AssetChoicePane::AssetPickedDirectly, this, &ChooseAssetAndChartParamsDlg::OnOk);
    if (m_params.GetLastChosenInterval() == DataRequestParams::kTick)
        OnTick();
    else
        OnDay();
    const int chartType = m_params.GetLastChosenChartType();
    if (m_chartTypes[chartType >= 0 && chartType < 4 ? chartType : 0]->isEnabled())
        OnChartType(chartType >= 0 && chartType < 4 ? chartType : 0);
}

ChooseAssetAndChartParamsDlg::~ChooseAssetAndChartParamsDlg() = default;

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
    QString message;
    if (std::shared_ptr<Asset> chosen = m_pane->TakeChosenAsset(message))
    {
        m_params.SetAsset(std::make_shared<Asset>(*chosen));
        accept();
    }
}
