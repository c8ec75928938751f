#include "cloud/ui/CloudAlertDefinitionDlg.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertsGeneralSettingsBase.h"
#include "cloud/ui/CloudAlertAssetCtrl.h"
#include "cloud/ui/CloudAlertDefAssetSubDlg.h"
#include "cloud/ui/CloudAlertKindSubDlg.h"
#include "cloud/ui/CloudAlertPropSubDlg.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "platform/modules/Asset.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>

const QString CloudAlertDefinitionDlg::kCaption = QStringLiteral("Definicja alertu w Chmurze");
const QString CloudAlertDefinitionDlg::kEditCaptionSuffix = QStringLiteral("- edycja alertu w Chmurze");

namespace
{
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
}

CloudAlertDefinitionDlg::CloudAlertDefinitionDlg(Services services, QWidget* parent)
    : ModuleWndBase(parent)
    , Wnd(this)
    , m_services(std::move(services))
{
    setWindowFlag(Qt::Dialog);
    setWindowTitle(kCaption);
    setAcceptDrops(true);
    m_boldFont = font();
    m_boldFont.setWeight(QFont::Medium);
    resize(460, 335);

    m_asset = new CloudAlertDefAssetSubDlg(*this, m_services.defaultProvider ? m_services.defaultProvider() : nullptr);
    m_buy = new CloudAlertKindSubDlg(*this, 0);
    m_sell = new CloudAlertKindSubDlg(*this, 1);
    m_properties = new CloudAlertPropSubDlg(*this);
    m_properties->StartSideCombo()->setEnabled(false);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, [this] { OnOk(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { OnCancel(); });
    Fit();
}

CloudAlertDefinitionDlg::~CloudAlertDefinitionDlg() = default;

void CloudAlertDefinitionDlg::LoadAlert(const std::shared_ptr<const CloudAlertData>& alert)
{
    m_asset->setEnabled(true);
    std::shared_ptr<CloudAlertsGeneralSettingsBase> defaults =
        m_services.generalSettings ? m_services.generalSettings() : nullptr;
    if (!defaults)
        defaults = std::make_shared<CloudAlertsGeneralSettingsBase>();
    if (!alert)
    {
        m_edited.reset();
        m_asset->Field()->ResetTyped();
        m_buy->Load(nullptr);
        m_sell->Load(nullptr);
        m_properties->Load(nullptr, *defaults, m_services.newAlertName ? m_services.newAlertName() : QString());
        setWindowTitle(kCaption);
        OnSideStateChanged();
        return;
    }
    m_edited = std::make_shared<CloudAlertData>(*alert);
    m_asset->SetByIsin(m_edited->isin);
    setWindowTitle(m_edited->name + QLatin1Char(' ') + kEditCaptionSuffix);
    m_buy->Load(m_edited);
    m_sell->Load(m_edited);
    m_properties->Load(m_edited, *defaults, QString());
    OnSideStateChanged();
}

std::shared_ptr<CloudAlertData> CloudAlertDefinitionDlg::BuildAlertData(bool editing)
{
    auto record = std::make_shared<CloudAlertData>();
    const QString instrument = m_asset->GetInstrumentName();
    if (instrument.isEmpty())
        return Fail(QStringLiteral("Instrument nie został wybrany.")), nullptr;
    record->isin = m_asset->GetIsin();
    if (record->isin.isEmpty())
        return Fail(QStringLiteral("Wpisano niepoprawną nazwę instrumentu.")), nullptr;
    record->instrument = instrument;
    record->buyDefined = m_buy->IsInUse();
    record->sellDefined = m_sell->IsInUse();
    if (!record->buyDefined && !record->sellDefined)
        return Fail(QStringLiteral("Żaden alert kierunkowy nie został zdefiniowany.\n"
                                   "Przynajmniej jeden alert kierunkowy musi być zdefiniowany.\n")),
               nullptr;
    if (record->buyDefined &&
        !ReadSide(*m_buy, QStringLiteral("kupna"), record->buyItemType, record->buyOperator, record->buyValue))
        return nullptr;
    if (record->sellDefined &&
        !ReadSide(*m_sell, QStringLiteral("sprzedaży"), record->sellItemType, record->sellOperator, record->sellValue))
        return nullptr;
    const QString name = m_properties->GetName();
    if (name.isEmpty())
        return Fail(QStringLiteral("Nie wprowadzono nazwy alertu.")), nullptr;
    const bool lookUp = !editing || !m_edited || name != m_edited->name;
    if (lookUp && m_services.alertExists && m_services.alertExists(name))
        return Fail(QStringLiteral("Istnieje już alert o nazwie \"%1\". Wprowadź inną nazwę alertu.").arg(name)),
               nullptr;
    record->SetName(name);
    record->notifications = m_properties->GetNotifications();
    record->once = m_properties->IsOnce();
    return record;
}

bool CloudAlertDefinitionDlg::ReadSide(CloudAlertKindSubDlg& side, const QString& sideName, std::int32_t& itemType,
                                       std::int32_t& op, double& value) const
{
    itemType = side.GetCondition();
    if (itemType == 0)
        return Fail(QStringLiteral("Warunek alertu %1 nie został wybrany.").arg(sideName)), false;
    op = side.GetOperator();
    if (op == -1)
        return Fail(QStringLiteral("Operator alertu %1 nie został wybrany.").arg(sideName)), false;
    const std::optional<double> number = side.GetValue();
    if (!number)
        return Fail(QStringLiteral("Niepoprawnie ustawiona wartość alertu %1.").arg(sideName)), false;
    value = *number;
    return true;
}

void CloudAlertDefinitionDlg::OnOk()
{
    const bool editing = m_edited != nullptr;
    const std::shared_ptr<CloudAlertData> record = BuildAlertData(editing);
    if (!record)
        return;
    // The start side is not sent apart from the two side flags: the server derives it from them.
    record->buyDefined = m_buy->IsInUse();
    record->sellDefined = m_sell->IsInUse();
    const QString xml = CloudAlertData::WriteRequestXml(*record, editing);
    if (editing)
        m_services.editAlert(xml, m_edited->id);
    else
        m_services.addAlert(xml);
    Finish();
}

void CloudAlertDefinitionDlg::OnCancel()
{
    Finish();
}

void CloudAlertDefinitionDlg::OnQuickAddAssetChosen()
{
    if (m_services.quickAddChosenAsset)
        m_asset->SetInstrument(m_services.quickAddChosenAsset());
}

void CloudAlertDefinitionDlg::OnSideStateChanged()
{
    m_properties->SetBothSidesInUse(m_buy->IsInUse() && m_sell->IsInUse());
}

void CloudAlertDefinitionDlg::Fit()
{
    Layout();
    resize(width(), m_properties->geometry().bottom() + 1 + kBelowProperties);
}

int CloudAlertDefinitionDlg::SeriesPrecision(int seriesId) const
{
    return m_asset->GetSeriesPrecision(seriesId);
}

void CloudAlertDefinitionDlg::resizeEvent(QResizeEvent* event)
{
    ModuleWndBase::resizeEvent(event);
    Layout();
    const int right = width() - kInset;
    const int top = height() - kInset - kButtonHeight;
    m_cancelButton->setGeometry(right - kButtonWidth, top, kButtonWidth, kButtonHeight);
    m_okButton->setGeometry(right - 2 * kButtonWidth - 6, top, kButtonWidth, kButtonHeight);
}

void CloudAlertDefinitionDlg::closeEvent(QCloseEvent* event)
{
    Finish();
    event->accept();
}

LResult CloudAlertDefinitionDlg::WindowProc(const WindowMessage& message)
{
    if (message.message == WM_QUICK_ADD_ASSET_CHOSEN)
    {
        OnQuickAddAssetChosen();
        return 0;
    }
    return Wnd::WindowProc(message);
}

void CloudAlertDefinitionDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(CloudAlertAssetCtrl::kAssetDragFormat))
        event->acceptProposedAction();
}

void CloudAlertDefinitionDlg::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    m_asset->Field()->DropData(*event->mimeData());
}

void CloudAlertDefinitionDlg::Fail(const QString& text) const
{
    if (m_services.showMessageBox)
        m_services.showMessageBox(QString(), text, kIconError);
}

void CloudAlertDefinitionDlg::Layout()
{
    const int left = kInset;
    const int bandWidth = std::max(0, width() - 2 * kInset);
    int top = kInset;
    for (QWidget* band : {static_cast<QWidget*>(m_asset), static_cast<QWidget*>(m_buy), static_cast<QWidget*>(m_sell)})
    {
        band->setGeometry(left, top, bandWidth, kBandHeight);
        top += kBandHeight + kGap;
    }
    m_properties->setGeometry(left, top, bandWidth,
                              m_properties->IsExpanded() ? kPropertiesExpandedHeight : kPropertiesFoldedHeight);
}

// The window goes away and the manager forgets it: it remembers the rectangle first.
void CloudAlertDefinitionDlg::Finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_edited.reset();
    const QRect rect = geometry();
    hide();
    if (m_services.closed)
        m_services.closed(rect);
    deleteLater();
}
