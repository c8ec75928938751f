#include "charts/ui/FormationFiboLevelsDlg.h"

#include "platform/base/TextHelper.h"
#include "platform/modules/FormationLevels.h"
#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kDecimals = 2;
}

FormationFiboLevelsDlg::FormationFiboLevelsDlg(RibbonControlPopupEx* control, QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_rowsLayout(new QGridLayout)
    , m_add(new QPushButton(QStringLiteral("Dodaj"), this))
    , m_remove(new QPushButton(QStringLiteral("Usuń"), this))
    , m_default(new QPushButton(QStringLiteral("Domyślne"), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_rowsLayout);
    auto* edits = new QHBoxLayout;
    edits->addWidget(m_add);
    edits->addWidget(m_remove);
    edits->addWidget(m_default);
    layout->addLayout(edits);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    layout->addWidget(separator);
    auto* footer = new QHBoxLayout;
    footer->addStretch();
    footer->addWidget(m_ok);
    footer->addWidget(m_cancel);
    layout->addLayout(footer);
    connect(m_add, &QPushButton::clicked, this, [this] {
        AddRow(0.0, true);
        SelectRow(RowCount() - 1);
    });
    connect(m_remove, &QPushButton::clicked, this, [this] { RemoveSelectedRow(); });
    connect(m_default, &QPushButton::clicked, this,
            [this] { Fill(FiboLevelsContainer::CreateDefalutFiboLevels(m_negativesAllowed)); });
    connect(m_ok, &QPushButton::clicked, this, [this] { Close(true); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Close(false); });
    Fill(nullptr);
}

void FormationFiboLevelsDlg::Fill(const std::shared_ptr<const FiboLevelsContainer>& levels)
{
    for (const Row& row : m_rows)
    {
        delete row.enabled;
        delete row.label;
        delete row.value;
    }
    m_rows.clear();
    m_selected = -1;
    m_hasSource = levels != nullptr;
    m_negativesAllowed = levels ? levels->NegativesAllowed() : true;
    const std::size_t count = levels ? std::min<std::size_t>(levels->Size(), kMaxRows) : 0;
    for (std::size_t i = 0; i < count; ++i)
        AddRow(levels->Level(i).value, levels->Level(i).enabled);
    if (m_rows.empty())
        AddRow(0.0, true);
    SelectRow(0);
}

std::shared_ptr<FiboLevelsContainer> FormationFiboLevelsDlg::GetLevels() const
{
    if (!m_hasSource)
        return nullptr;
    auto levels = std::make_shared<FiboLevelsContainer>();
    levels->SetNegativesAllowed(m_negativesAllowed);
    for (const Row& row : m_rows)
        levels->AddLevel({ReadValue(row.value), row.enabled->isChecked()});
    return levels;
}

QLineEdit* FormationFiboLevelsDlg::ValueEdit(int row) const
{
    return row >= 0 && row < RowCount() ? m_rows[static_cast<std::size_t>(row)].value : nullptr;
}

QCheckBox* FormationFiboLevelsDlg::EnabledBox(int row) const
{
    return row >= 0 && row < RowCount() ? m_rows[static_cast<std::size_t>(row)].enabled : nullptr;
}

QLabel* FormationFiboLevelsDlg::RowLabel(int row) const
{
    return row >= 0 && row < RowCount() ? m_rows[static_cast<std::size_t>(row)].label : nullptr;
}

void FormationFiboLevelsDlg::SelectRow(int row)
{
    m_selected = row >= 0 && row < RowCount() ? row : -1;
    for (int i = 0; i < RowCount(); ++i)
        m_rows[static_cast<std::size_t>(i)].label->setStyleSheet(i == m_selected ? QStringLiteral("font-weight: bold")
                                                                                 : QString());
    UpdateButtons();
}

void FormationFiboLevelsDlg::AddRow(double value, bool enabled)
{
    if (RowCount() >= kMaxRows)
        return;
    Row row{new QCheckBox(this), new QLabel(this), new QLineEdit(this)};
    row.enabled->setChecked(enabled);
    row.value->installEventFilter(this);
    ShowValue(row.value, value);
    m_rows.push_back(row);
    Relayout();
}

void FormationFiboLevelsDlg::RemoveSelectedRow()
{
    if (RowCount() <= kMinRows || m_selected < 0)
        return;
    const Row row = m_rows[static_cast<std::size_t>(m_selected)];
    m_rows.erase(m_rows.begin() + m_selected);
    delete row.enabled;
    delete row.label;
    delete row.value;
    Relayout();
    SelectRow(std::min(m_selected, RowCount() - 1));
}

void FormationFiboLevelsDlg::ShowValue(QLineEdit* edit, double value) const
{
    if (!m_negativesAllowed && value < 0.0)
        value = 0.0;
    const QString text = TextHelper::ToString(value, kDecimals);
    edit->setText(edit->hasFocus() ? text : text + QLatin1Char('%'));
}

double FormationFiboLevelsDlg::ReadValue(const QLineEdit* edit) const
{
    QString text = edit->text();
    text.remove(QLatin1Char('%'));
    const double value = TextHelper::ToDouble(text);
    return !m_negativesAllowed && value < 0.0 ? 0.0 : value;
}

void FormationFiboLevelsDlg::Relayout()
{
    for (int i = 0; i < RowCount(); ++i)
    {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        row.label->setText(QStringLiteral("Poziom %1").arg(i + 1));
        m_rowsLayout->addWidget(row.enabled, i, 0);
        m_rowsLayout->addWidget(row.label, i, 1);
        m_rowsLayout->addWidget(row.value, i, 2);
    }
    UpdateButtons();
    adjustSize();
}

void FormationFiboLevelsDlg::UpdateButtons()
{
    m_add->setEnabled(RowCount() < kMaxRows);
    m_remove->setEnabled(RowCount() > kMinRows && m_selected >= 0);
}

bool FormationFiboLevelsDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    // The buttons are watched while the rows are not made yet: only an edit can be a row's.
    if (!edit)
        return BasePopupBarDlg::eventFilter(watched, event);
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [edit](const Row& row) { return row.value == edit; });
    if (found != m_rows.end())
    {
        if (event->type() == QEvent::FocusIn)
        {
            SelectRow(static_cast<int>(found - m_rows.begin()));
            edit->setText(edit->text().remove(QLatin1Char('%')));
        }
        else if (event->type() == QEvent::FocusOut && !edit->text().endsWith(QLatin1Char('%')))
            edit->setText(edit->text() + QLatin1Char('%'));
        else if (event->type() == QEvent::KeyPress)
        {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
            {
                Close(key != Qt::Key_Escape);
                return true;
            }
            if (key == Qt::Key_Up || key == Qt::Key_Down)
            {
                ShowValue(edit, ReadValue(edit) + (key == Qt::Key_Up ? 1.0 : -1.0));
                return true;
            }
        }
    }
    return BasePopupBarDlg::eventFilter(watched, event);
}

void FormationFiboLevelsDlg::Close(bool apply)
{
    if (m_control)
        m_control->ClosePopupBar(apply);
}
