#include "charts/ui/ChangeIntervalDlgQ4Classic.h"

#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ChangeIntervalDlgQ4Classic::ChangeIntervalDlgQ4Classic(RibbonControlPopupEx* control, QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_tick(new QRadioButton(QStringLiteral("Tikowy"), this))
    , m_day(new QRadioButton(QStringLiteral("Dzienny"), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_tick);
    radios->addButton(m_day);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tick);
    layout->addWidget(m_day);
    layout->addWidget(separator);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &ChangeIntervalDlgQ4Classic::OnOk);
    connect(m_cancel, &QPushButton::clicked, this, [this] { Close(false); });
    ShowInterval();
}

void ChangeIntervalDlgQ4Classic::SetApplicable(bool applicable)
{
    m_applicable = applicable;
    m_ok->setEnabled(applicable);
}

void ChangeIntervalDlgQ4Classic::ShowInterval()
{
    m_tick->setChecked(m_currentInterval == kTick);
    m_day->setChecked(m_currentInterval != kTick);
}

int ChangeIntervalDlgQ4Classic::GetChosenInterval() const
{
    return m_tick->isChecked() ? kTick : kDay;
}

void ChangeIntervalDlgQ4Classic::OnOk()
{
    if (!m_applicable)
        return;
    const bool unchanged = (m_tick->isChecked() && m_currentInterval == kTick) || (m_day->isChecked() && m_currentInterval == kDay);
    Close(!unchanged);
}

void ChangeIntervalDlgQ4Classic::Close(bool apply)
{
    if (m_control)
        m_control->ClosePopupBar(apply);
}

void ChangeIntervalDlgQ4Classic::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    {
        OnOk();
        return;
    }
    BasePopupBarDlg::keyPressEvent(event);
}
