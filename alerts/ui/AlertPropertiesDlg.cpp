#include "alerts/ui/AlertPropertiesDlg.h"

#include "alerts/engine/AlertProps.h"
#include "alerts/ui/AlertArgumentDrop.h"
#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/AlertNameValidator.h"
#include "alerts/ui/AssociatedAlertComboBox.h"
#include "alerts/ui/ErrorFramePainter.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/DDBaseDataObject.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{
QLabel* RightLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}
}

AlertPropertiesDlg::AlertPropertiesDlg(AlertDefinitionDlg& owner, AlertNameValidator& validator, QWidget* parent)
    : QWidget(parent)
    , m_owner(owner)
    , m_validator(validator)
{
    setObjectName(QStringLiteral("alertPropertiesPanel"));
    setAcceptDrops(true);

    auto* propertiesBox = new QGroupBox(QStringLiteral("Właściwości alertu"), this);
    m_nameEdit = new QLineEdit(propertiesBox);
    m_nameEdit->setObjectName(QStringLiteral("alertName"));
    m_combo = new AssociatedAlertComboBox(propertiesBox);
    m_combo->setObjectName(QStringLiteral("associatedArgument"));
    m_combo->setMinimumContentsLength(18);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_onlyOnce = new QCheckBox(QStringLiteral(" tylko raz"), propertiesBox);
    m_synchronous = new QCheckBox(QStringLiteral(" synchronicznie"), propertiesBox);
    auto* grid = new QGridLayout(propertiesBox);
    grid->addWidget(RightLabel(QStringLiteral("Nazwa:"), propertiesBox), 0, 0);
    grid->addWidget(m_nameEdit, 0, 1, 1, 2);
    grid->addWidget(RightLabel(QStringLiteral("Informuj o:"), propertiesBox), 1, 0);
    grid->addWidget(m_combo, 1, 1, 1, 2);
    grid->addWidget(RightLabel(QStringLiteral("Parametry:"), propertiesBox), 2, 0);
    grid->addWidget(m_onlyOnce, 2, 1);
    grid->addWidget(m_synchronous, 2, 2);

    auto* notifyBox = new QGroupBox(QStringLiteral("Sposób powiadomienia"), this);
    m_sound = new QCheckBox(QStringLiteral(" dźwięk"), notifyBox);
    m_window = new QCheckBox(QStringLiteral(" okno"), notifyBox);
    m_mail = new QCheckBox(QStringLiteral(" mail"), notifyBox);
    auto* notifyLayout = new QVBoxLayout(notifyBox);
    notifyLayout->addWidget(m_sound);
    notifyLayout->addWidget(m_window);
    notifyLayout->addWidget(m_mail);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(propertiesBox, 2);
    layout->addWidget(notifyBox, 1);
    setStyleSheet(QString::fromLatin1(ErrorFramePainter::StyleSheet()));

    connect(m_nameEdit, &QLineEdit::textEdited, this, [this] { ValidateName(); });
    m_nameEdit->installEventFilter(this);
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &AlertPropertiesDlg::OnAssociatedSelChange);
    Reset();
}

void AlertPropertiesDlg::SetAlertProps(AlertProps* properties)
{
    m_properties = properties;
    if (!properties)
        return;
    m_onlyOnce->setChecked(properties->OnlyOnce());
    m_synchronous->setChecked(properties->Synchronious());
    m_sound->setChecked(properties->Sound());
    m_window->setChecked(properties->Window());
    m_mail->setChecked(properties->Mail());
    m_nameEdit->setText(properties->Name());
    m_combo->setEnabled(false);
}

void AlertPropertiesDlg::Reset()
{
    m_properties = nullptr;
    for (QCheckBox* box : {m_onlyOnce, m_synchronous, m_sound, m_window, m_mail})
        box->setChecked(false);
    m_nameEdit->clear();
    m_combo->setEnabled(false);
    ClearErrors();
}

void AlertPropertiesDlg::WriteToAlertProps()
{
    if (!m_properties)
        return;
    if (!m_properties->OnlyOnce() && m_onlyOnce->isChecked())
        m_properties->SetLastGenerated(AlertProps::kNoneGenerated);
    m_properties->SetOnlyOnce(m_onlyOnce->isChecked());
    m_properties->SetSynchronious(m_synchronous->isChecked());
    m_properties->SetSound(m_sound->isChecked());
    m_properties->SetWindow(m_window->isChecked());
    m_properties->SetMail(m_mail->isChecked());
    m_properties->SetName(m_nameEdit->text());
}

bool AlertPropertiesDlg::ValidateName()
{
    const QString name = m_nameEdit->text();
    const bool ownName = m_properties && !name.isEmpty() && name == m_properties->Name();
    const bool valid = ownName || m_validator.IsValid(name);
    ErrorFramePainter::SetValid(*m_nameEdit, valid);
    if (!valid)
    {
        m_errorKind = name.isEmpty() ? eEmptyName : eRepeatedName;
        ErrorFramePainter::SetValid(*m_combo, true);
    }
    return valid;
}

bool AlertPropertiesDlg::ValidateAssociatedArgument()
{
    const bool valid = m_owner.AssociatedArgument().IsValid();
    ErrorFramePainter::SetValid(*m_combo, valid);
    if (!valid)
    {
        m_errorKind = eInvalidAssociatedArgument;
        ErrorFramePainter::SetValid(*m_nameEdit, true);
    }
    return valid;
}

void AlertPropertiesDlg::ClearErrors()
{
    ErrorFramePainter::SetValid(*m_nameEdit, true);
    ErrorFramePainter::SetValid(*m_combo, true);
    m_errorKind = eNoError;
}

QString AlertPropertiesDlg::GetErrorText() const
{
    switch (m_errorKind)
    {
    case eEmptyName:
        return QStringLiteral("Nieprawidłowy parametr alertu. Pusta nazwa.");
    case eRepeatedName:
        return QStringLiteral("Nieprawidłowy parametr alertu. Powtórzona nazwa");
    case eInvalidAssociatedArgument:
        return QStringLiteral("Niepoprawny argument powiązany");
    default:
        return QString();
    }
}

QString AlertPropertiesDlg::ArgumentText(const AlertExprArgDesc& argument)
{
    if (!argument.IsValid())
        return QString();
    return argument.GetArgumentName() + QLatin1Char(' ') + argument.GetArgumentDescription();
}

void AlertPropertiesDlg::ShowAssociatedArgument()
{
    m_combo->SelectByText(ArgumentText(m_owner.AssociatedArgument()));
}

bool AlertPropertiesDlg::CanDrop(const QPoint& point) const
{
    return m_combo->geometry().translated(m_combo->parentWidget()->mapTo(this, QPoint(0, 0))).contains(point);
}

bool AlertPropertiesDlg::OnDrop(const DDBaseDataObject* object)
{
    if (!object || !object->HasAlertArg())
        return false;
    m_owner.SetAssociatedArgument(object->GetAlertArgDescription());
    ShowAssociatedArgument();
    ValidateAssociatedArgument();
    return true;
}

void AlertPropertiesDlg::OnAssociatedSelChange(int index)
{
    const auto& candidates = m_owner.Candidates();
    if (index >= 0 && static_cast<std::size_t>(index) < candidates.size())
        m_owner.SetAssociatedArgument(candidates[static_cast<std::size_t>(index)].argument);
    ShowAssociatedArgument();
    ValidateAssociatedArgument();
}

void AlertPropertiesDlg::dragEnterEvent(QDragEnterEvent* event)
{
    AlertArgumentDrop::Enter(event);
}

void AlertPropertiesDlg::dragMoveEvent(QDragMoveEvent* event)
{
    AlertArgumentDrop::Move(event, [this](const QPoint& point) { return CanDrop(point); });
}

void AlertPropertiesDlg::dropEvent(QDropEvent* event)
{
    AlertArgumentDrop::Drop(event, [this](const QPoint& point) { return CanDrop(point); },
                            [this](const DDBaseDataObject* object) { return OnDrop(object); });
}

bool AlertPropertiesDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_nameEdit && event->type() == QEvent::FocusOut)
        ValidateName();
    return QWidget::eventFilter(watched, event);
}
