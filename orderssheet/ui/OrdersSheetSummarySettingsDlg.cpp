#include "orderssheet/ui/OrdersSheetSummarySettingsDlg.h"

#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetPaneGeometry.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr int kBandsKind = 1;
constexpr int kDistanceKind = 0;
}

OrdersSheetSummarySettingsDlg::OrdersSheetSummarySettingsDlg(RibbonControlPopupEx* control, QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_bands(new QRadioButton(QStringLiteral("widełki statyczne"), this))
    , m_distance(new QRadioButton(QStringLiteral("odległość od kursu"), this))
    , m_percent(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_bands);
    radios->addButton(m_distance);
    auto* percent = new QHBoxLayout;
    percent->addSpacing(20);
    percent->addWidget(m_percent);
    percent->addWidget(new QLabel(QStringLiteral("%"), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bands);
    layout->addWidget(m_distance);
    layout->addLayout(percent);
    layout->addLayout(buttons);
    connect(m_bands, &QRadioButton::clicked, this, [this] { ShowValue(kBandsKind); });
    connect(m_distance, &QRadioButton::clicked, this, [this] { ShowValue(kDistanceKind); });
    connect(m_ok, &QPushButton::clicked, this, &OrdersSheetSummarySettingsDlg::OnOk);
    connect(m_cancel, &QPushButton::clicked, this, &OrdersSheetSummarySettingsDlg::OnCancel);
}

void OrdersSheetSummarySettingsDlg::Fill(OrderSheetMainDlg* window)
{
    m_window = window;
    if (!window)
    {
        m_percent->clear();
        return;
    }
    const int kind = window->GetSettings().borderKind;
    m_bands->setChecked(kind == kBandsKind);
    m_distance->setChecked(kind != kBandsKind);
    ShowValue(kind);
}

void OrdersSheetSummarySettingsDlg::ShowValue(int kind)
{
    if (m_window)
        m_percent->setText(QString::asprintf("%0.2f", m_window->GetSettings().borderValue * 100.0));
    m_percent->setEnabled(kind != kBandsKind);
}

double OrdersSheetSummarySettingsDlg::ParsePercent(const QString& text)
{
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

void OrdersSheetSummarySettingsDlg::OnOk()
{
    if (!m_window)
    {
        Close();
        return;
    }
    const double value = ParsePercent(m_percent->text()) / 100.0;
    if (!OrdersSheetPaneGeometry::IsValidBorder(value))
    {
        ShowValue(m_distance->isChecked() ? kDistanceKind : kBandsKind);
        m_percent->selectAll();
        m_percent->setFocus();
        return;
    }
    QPointer<OrderSheetMainDlg> window = m_window;
    const int kind = m_distance->isChecked() ? kDistanceKind : kBandsKind;
    Close();
    if (window)
        window->Panes().SetRealBorder(kind, value);
}

void OrdersSheetSummarySettingsDlg::OnCancel()
{
    Close();
}

void OrdersSheetSummarySettingsDlg::Close()
{
    // The dialog stores the choice itself: no command follows the popup.
    if (m_control)
        m_control->ClosePopupBar(false);
}

void OrdersSheetSummarySettingsDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    {
        OnOk();
        return;
    }
    if (event->key() == Qt::Key_Escape)
    {
        OnCancel();
        return;
    }
    BasePopupBarDlg::keyPressEvent(event);
}
