#include "charts/ui/FormationFiboLevelsWindowManager.h"

#include "charts/ui/FormationParamValues.h"
#include "platform/modules/ChartConsumer.h"

FormationFiboLevelsWindowManager::FormationFiboLevelsWindowManager(QWidget* parent, RibbonControlPopupEx* control,
                                                                   ChartConsumer* charts)
    : PopupWindowManagerEx(parent)
    , m_control(control)
    , m_charts(charts)
{
}

QWidget* FormationFiboLevelsWindowManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new FormationFiboLevelsDlg(m_control, host);
    return m_dialog;
}

void FormationFiboLevelsWindowManager::UpdatePopupWindow()
{
    if (m_dialog)
        m_dialog->Fill(FormationParamValues::GetActiveFiboLevels(m_charts ? m_charts->GetActiveObjects() : nullptr));
}

std::shared_ptr<FiboLevelsContainer> FormationFiboLevelsWindowManager::GetLevels()
{
    return m_dialog ? m_dialog->GetLevels() : nullptr;
}
