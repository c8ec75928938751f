#include "cloud/ui/CloudAlertPropSubDlg.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertsGeneralSettingsBase.h"
#include "cloud/ui/CloudAlertDefinitionDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CloudAlertPropSubDlg::CloudAlertPropSubDlg(CloudAlertDefinitionDlg& owner)
    : CloudAlertDefSubDlgBase(owner)
    , m_name(new QLineEdit)
    , m_startSide(new QComboBox)
    , m_sound(new QCheckBox(QStringLiteral(" dźwięk")))
    , m_window(new QCheckBox(QStringLiteral(" okno")))
    , m_mail(new QCheckBox(QStringLiteral(" mail")))
    , m_sms(new QCheckBox(QStringLiteral(" sms")))
    , m_push(new QCheckBox(QStringLiteral(" push")))
    , m_once(new QCheckBox(QStringLiteral(" tylko raz")))
{
    m_startSide->addItem(QStringLiteral("Kupno"), 0);
    m_startSide->addItem(QStringLiteral("Sprzedaż"), 1);
    m_startSide->addItem(QStringLiteral("Obie"), 2);
    m_startSide->setCurrentIndex(2);

    // Five rows must fit the band's 160 pixels.
    auto* properties = new QGroupBox(QStringLiteral("Właściwości alertu"), this);
    auto* fields = new QFormLayout;
    fields->setVerticalSpacing(2);
    fields->addRow(QStringLiteral("Nazwa:"), m_name);
    fields->addRow(QStringLiteral("Zacznij od strony:"), m_startSide);
    auto* channels = new QGroupBox(QStringLiteral("Sposób powiadomienia"));
    auto* boxes = new QHBoxLayout(channels);
    boxes->setContentsMargins(6, 2, 6, 2);
    for (QCheckBox* box : {m_sound, m_window, m_mail, m_sms, m_push})
        boxes->addWidget(box);
    auto* parameters = new QHBoxLayout;
    parameters->addWidget(new QLabel(QStringLiteral("Parametry:")));
    parameters->addWidget(m_once);
    parameters->addStretch();
    auto* column = new QVBoxLayout(properties);
    column->setContentsMargins(6, 2, 6, 2);
    column->setSpacing(2);
    column->addLayout(fields);
    column->addWidget(channels);
    column->addLayout(parameters);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(properties);

    connect(m_once, &QCheckBox::clicked, this, [this] { SetBothSidesInUse(m_bothInUse); });
}

void CloudAlertPropSubDlg::Load(const std::shared_ptr<const CloudAlertData>& alert,
                                const CloudAlertsGeneralSettingsBase& defaults, const QString& newAlertName)
{
    if (alert)
    {
        m_once->setChecked(alert->once);
        m_window->setChecked(alert->notifications & CloudAlertData::kWindowBit);
        m_mail->setChecked(alert->notifications & CloudAlertData::kMailBit);
        m_sms->setChecked(alert->notifications & CloudAlertData::kSmsBit);
        m_sound->setChecked(alert->notifications & CloudAlertData::kSoundBit);
        m_push->setChecked(alert->notifications & CloudAlertData::kPushBit);
        m_name->setText(alert->name);
        return;
    }
    m_mail->setChecked(defaults.IsMail());
    m_sms->setChecked(defaults.IsSms());
    m_window->setChecked(defaults.IsWindow());
    m_sound->setChecked(defaults.IsSound());
    m_push->setChecked(defaults.IsPush());
    m_once->setChecked(defaults.IsOnce());
    m_name->setText(newAlertName);
}

QString CloudAlertPropSubDlg::GetName() const
{
    return m_name->text();
}

int CloudAlertPropSubDlg::GetStartSide() const
{
    return m_startSide->currentIndex();
}

std::uint8_t CloudAlertPropSubDlg::GetNotifications() const
{
    std::uint8_t bits = 0;
    if (m_push->isChecked())
        bits |= CloudAlertData::kPushBit;
    if (m_mail->isChecked())
        bits |= CloudAlertData::kMailBit;
    if (m_sms->isChecked())
        bits |= CloudAlertData::kSmsBit;
    if (m_sound->isChecked())
        bits |= CloudAlertData::kSoundBit;
    if (m_window->isChecked())
        bits |= CloudAlertData::kWindowBit;
    return bits;
}

bool CloudAlertPropSubDlg::IsOnce() const
{
    return m_once->isChecked();
}

void CloudAlertPropSubDlg::SetBothSidesInUse(bool bothInUse)
{
    m_bothInUse = bothInUse;
    m_startSide->setEnabled(bothInUse && !m_once->isChecked());
}
