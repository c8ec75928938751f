#include "charts/ui/FormationFiboTimzoneLevelsWindowManager.h"

#include "charts/ui/FormationParamValues.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/FormationLevels.h"

#include <algorithm>

namespace
{

std::vector<FormationLevelChecksDlg::Check> Checks()
{
    const std::uint32_t ids[] = {1044, 1049, 1051, 1053, 1055, 1058, 1060, 1081, 1084, 1086, 1098, 1100, 1102, 1104, 1107};
    const char* const labels[] = {"0", "1", "2", "3", "5", "8", "13", "21", "34", "55", "89", "144", "233", "377", "610"};
    std::vector<FormationLevelChecksDlg::Check> checks;
    for (std::size_t i = 0; i < std::size(ids); ++i)
        checks.push_back({ids[i], QString::fromLatin1(labels[i])});
    return checks;
}

}

FormationFiboTimzoneLevelsWindowManager::FormationFiboTimzoneLevelsWindowManager(QWidget* parent,
                                                                                 RibbonControlPopupEx* control,
                                                                                 ChartConsumer* charts)
    : PopupWindowManagerEx(parent)
    , m_control(control)
    , m_charts(charts)
{
}

QWidget* FormationFiboTimzoneLevelsWindowManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new FormationLevelChecksDlg(m_control, Checks(), host);
    return m_dialog;
}

void FormationFiboTimzoneLevelsWindowManager::UpdatePopupWindow()
{
    const std::shared_ptr<FiboLevelsContainer> levels =
        FormationParamValues::GetActiveFiboLevels(m_charts ? m_charts->GetActiveObjects() : nullptr);
    m_levels = levels;
    if (!m_dialog)
        return;
    // A shorter level list leaves the boxes past its end disabled.
    std::vector<std::optional<bool>> states;
    for (std::size_t i = 0; levels && i < levels->Size(); ++i)
        states.push_back(levels->Level(i).enabled);
    m_dialog->SetStates(states);
}

std::shared_ptr<FiboLevelsContainer> FormationFiboTimzoneLevelsWindowManager::GetLevels()
{
    std::shared_ptr<FiboLevelsContainer> levels = m_levels.lock();
    if (!levels || !m_dialog)
        return nullptr;
    for (std::size_t i = 0; i < levels->Size(); ++i)
        if (m_dialog->Box(i))
            levels->Level(i).enabled = m_dialog->IsChecked(i);
    return levels;
}
