#pragma once
// The window manager of the Gann fan levels popup: nine boxes from 8x1 to 1x8 showing or hiding
// the fan's lines. It keeps its levels only weakly and switches them in place on OK.

#include "charts/ui/FormationLevelChecksDlg.h"
#include "charts/ui/IGannFanLevelsPopupManager.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>

class ChartConsumer;

class FormationGannFanLevelsWindowManager : public PopupWindowManagerEx, public IGannFanLevelsPopupManager
{
public:
    FormationGannFanLevelsWindowManager(QWidget* parent, RibbonControlPopupEx* control, ChartConsumer* charts);

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;
    std::shared_ptr<GannFanLevelsContainer> GetLevels() override;
    FormationLevelChecksDlg* GetDialog() const { return m_dialog; }

private:
    RibbonControlPopupEx* m_control;
    ChartConsumer* m_charts;
    QPointer<FormationLevelChecksDlg> m_dialog;
    std::weak_ptr<GannFanLevelsContainer> m_levels;
};
