#include "charts/ui/ChartValuesPopupDlg.h"

#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

ChartValuesPopupDlg::ChartValuesPopupDlg(RibbonControlPopupEx* control, QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_fields(new QFormLayout)
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addWidget(separator);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, [this] { Close(true); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Close(false); });
}

void ChartValuesPopupDlg::AddField(const QString& label, QWidget* field)
{
    field->setParent(this);
    field->installEventFilter(this);
    m_fields->addRow(label, field);
}

bool ChartValuesPopupDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched != this)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
        {
            Close(true);
            return true;
        }
    }
    return BasePopupBarDlg::eventFilter(watched, event);
}

void ChartValuesPopupDlg::Close(bool apply)
{
    if (m_control)
        m_control->ClosePopupBar(apply);
}
