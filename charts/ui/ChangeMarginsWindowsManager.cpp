#include "charts/ui/ChangeMarginsWindowsManager.h"

#include "charts/ui/ChartValuesPopupDlg.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

#include <QSpinBox>

namespace
{
QSpinBox* PercentEdit()
{
    auto* edit = new QSpinBox;
    edit->setRange(0, ChangeMarginsWindowsManager::kMaxMargin);
    edit->setSuffix(QStringLiteral(" %"));
    return edit;
}
}

ChangeMarginsWindowsManager::ChangeMarginsWindowsManager(QWidget* parent, RibbonControlPopupEx* control)
    : PopupWindowManagerEx(parent)
    , m_control(control)
{
}

std::shared_ptr<ChartMargins> ChangeMarginsWindowsManager::GetMargins() const
{
    if (!m_dialog || !m_top || !m_bottom || !m_right)
        return nullptr;
    auto margins = std::make_shared<ChartMargins>();
    margins->top = m_top->value();
    margins->bottom = m_bottom->value();
    margins->right = m_right->value();
    return margins;
}

QWidget* ChangeMarginsWindowsManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new ChartValuesPopupDlg(m_control, host);
    m_top = PercentEdit();
    m_bottom = PercentEdit();
    m_right = PercentEdit();
    m_dialog->AddField(QStringLiteral("Górny"), m_top);
    m_dialog->AddField(QStringLiteral("Dolny"), m_bottom);
    m_dialog->AddField(QStringLiteral("Prawy"), m_right);
    return m_dialog;
}

void ChangeMarginsWindowsManager::UpdatePopupWindow()
{
    if (!m_dialog)
        return;
    ChartConsumer* charts = GetChartConsumer();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    const ChartMargins margins = active ? active->GetMargins() : ChartMargins();
    m_top->setValue(margins.top);
    m_bottom->setValue(margins.bottom);
    m_right->setValue(margins.right);
    m_top->selectAll();
    m_top->setFocus();
}
