#pragma once
// The window manager of the Fibonacci time-zones popup: fifteen boxes, one for each zone from
// 0 to 610, switching the zones of the active formation. It keeps its levels only weakly and
// switches them in place on OK; levels gone meanwhile give nothing to write.

#include "charts/ui/FormationLevelChecksDlg.h"
#include "charts/ui/IFiboFormationPopupManager.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>

class ChartConsumer;

class FormationFiboTimzoneLevelsWindowManager : public PopupWindowManagerEx, public IFiboFormationPopupManager
{
public:
    FormationFiboTimzoneLevelsWindowManager(QWidget* parent, RibbonControlPopupEx* control, ChartConsumer* charts);

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;
    std::shared_ptr<FiboLevelsContainer> GetLevels() override;
    FormationLevelChecksDlg* GetDialog() const { return m_dialog; }

private:
    RibbonControlPopupEx* m_control;
    ChartConsumer* m_charts;
    QPointer<FormationLevelChecksDlg> m_dialog;
    std::weak_ptr<FiboLevelsContainer> m_levels;
};
