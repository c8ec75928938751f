#include "charts/ui/FormationGannFanLevelsWindowManager.h"

#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/FormationLevels.h"

namespace
{

// The boxes in order: the vertical levels, the base, the horizontal ones.
std::vector<GannLevel*> LevelsInOrder(GannFanLevelsContainer& levels)
{
    std::vector<GannLevel*> ordered;
    for (std::size_t i = 0; i < levels.VerticalLevelsAmount(); ++i)
        ordered.push_back(&levels.VerticalLevel(i));
    ordered.push_back(&levels.BaseLevel());
    for (std::size_t i = 0; i < levels.HorizontalLevelsAmount(); ++i)
        ordered.push_back(&levels.HorizontalLevel(i));
    return ordered;
}

}

FormationGannFanLevelsWindowManager::FormationGannFanLevelsWindowManager(QWidget* parent, RibbonControlPopupEx* control,
                                                                         ChartConsumer* charts)
    : PopupWindowManagerEx(parent)
    , m_control(control)
    , m_charts(charts)
{
}

QWidget* FormationGannFanLevelsWindowManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new FormationLevelChecksDlg(m_control,
                                           {{1050, QStringLiteral("8x1")}, {1054, QStringLiteral("4x1")},
                                            {1056, QStringLiteral("3x1")}, {1057, QStringLiteral("2x1")},
                                            {1059, QStringLiteral("1x1")}, {1061, QStringLiteral("1x2")},
                                            {1062, QStringLiteral("1x3")}, {1063, QStringLiteral("1x4")},
                                            {1064, QStringLiteral("1x8")}},
                                           host);
    return m_dialog;
}

void FormationGannFanLevelsWindowManager::UpdatePopupWindow()
{
    ActiveObjectsContainer* active = m_charts ? m_charts->GetActiveObjects() : nullptr;
    const auto nested = active ? FormationLevels::Unwrap<GannFanFormationLevelsParam>(
                                     active->GetActiveFormationParameter(FormationParam::GannLevels))
                               : nullptr;
    const std::shared_ptr<GannFanLevelsContainer> levels = nested ? nested->Levels() : nullptr;
    m_levels = levels;
    if (!m_dialog)
        return;
    std::vector<std::optional<bool>> states;
    if (levels)
        for (const GannLevel* level : LevelsInOrder(*levels))
            states.push_back(level->visible);
    m_dialog->SetStates(states);
}

std::shared_ptr<GannFanLevelsContainer> FormationGannFanLevelsWindowManager::GetLevels()
{
    std::shared_ptr<GannFanLevelsContainer> levels = m_levels.lock();
    if (!levels || !m_dialog)
        return nullptr;
    const std::vector<GannLevel*> ordered = LevelsInOrder(*levels);
    for (std::size_t i = 0; i < ordered.size(); ++i)
        if (m_dialog->Box(i))
            ordered[i]->visible = m_dialog->IsChecked(i);
    return levels;
}
