#pragma once
// The window manager of the Fibonacci levels popup: makes its dialog, fills it from the active
// formation's levels each time it opens, and gives the edited levels to the parameter code.

#include "charts/ui/FormationFiboLevelsDlg.h"
#include "charts/ui/IFiboFormationPopupManager.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>

class ChartConsumer;

class FormationFiboLevelsWindowManager : public PopupWindowManagerEx, public IFiboFormationPopupManager
{
public:
    FormationFiboLevelsWindowManager(QWidget* parent, RibbonControlPopupEx* control, ChartConsumer* charts);

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;
    std::shared_ptr<FiboLevelsContainer> GetLevels() override;
    FormationFiboLevelsDlg* GetDialog() const { return m_dialog; }

private:
    RibbonControlPopupEx* m_control;
    ChartConsumer* m_charts;
    QPointer<FormationFiboLevelsDlg> m_dialog;
};
