#include "charts/ui/FormationLevelChecksDlg.h"

#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

FormationLevelChecksDlg::FormationLevelChecksDlg(RibbonControlPopupEx* control, const std::vector<Check>& checks,
                                                 QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    auto* layout = new QVBoxLayout(this);
    for (const Check& check : checks)
    {
        auto* box = new QCheckBox(check.label, this);
        box->setProperty("controlId", check.id);
        box->installEventFilter(this);
        layout->addWidget(box);
        m_boxes.push_back(box);
    }
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    layout->addWidget(separator);
    auto* footer = new QHBoxLayout;
    footer->addWidget(m_ok);
    footer->addWidget(m_cancel);
    layout->addLayout(footer);
    connect(m_ok, &QPushButton::clicked, this, [this] { Close(true); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Close(false); });
    SetStates({});
}

void FormationLevelChecksDlg::SetStates(const std::vector<std::optional<bool>>& states)
{
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
    {
        const bool exists = i < states.size() && states[i].has_value();
        m_boxes[i]->setEnabled(exists);
        m_boxes[i]->setChecked(exists && *states[i]);
    }
}

bool FormationLevelChecksDlg::IsChecked(std::size_t index) const
{
    return index < m_boxes.size() && m_boxes[index]->isChecked();
}

QCheckBox* FormationLevelChecksDlg::BoxById(std::uint32_t id) const
{
    for (QCheckBox* box : m_boxes)
        if (box->property("controlId").toUInt() == id)
            return box;
    return nullptr;
}

bool FormationLevelChecksDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
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

void FormationLevelChecksDlg::Close(bool apply)
{
    if (m_control)
        m_control->ClosePopupBar(apply);
}
