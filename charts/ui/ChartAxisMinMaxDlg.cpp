#include "charts/ui/ChartAxisMinMaxDlg.h"

#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ChartAxisMinMaxDlg::ChartAxisMinMaxDlg(RibbonControlPopupEx* control, QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_min(new QLineEdit(this))
    , m_max(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Min"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Max"), this), 0, 1);
    layout->addWidget(m_min, 1, 0);
    layout->addWidget(m_max, 1, 1);
    layout->addWidget(separator, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    for (QLineEdit* edit : {m_min, m_max})
        edit->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, [this] { Close(true); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Close(false); });
}

void ChartAxisMinMaxDlg::SetValues(const QString& minimum, const QString& maximum)
{
    m_min->setText(minimum);
    m_max->setText(maximum);
    m_minTurn = true;
    FocusNextEdit();
}

void ChartAxisMinMaxDlg::FocusNextEdit()
{
    QLineEdit* edit = m_minTurn ? m_min : m_max;
    edit->selectAll();
    edit->setFocus();
    m_minTurn = !m_minTurn;
}

QString ChartAxisMinMaxDlg::MinText() const
{
    return m_min->text();
}

QString ChartAxisMinMaxDlg::MaxText() const
{
    return m_max->text();
}

bool ChartAxisMinMaxDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_min || watched == m_max))
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        {
            FocusNextEdit();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
        {
            Close(true);
            return true;
        }
    }
    return BasePopupBarDlg::eventFilter(watched, event);
}

void ChartAxisMinMaxDlg::Close(bool apply)
{
    if (m_control)
        m_control->ClosePopupBar(apply);
}
