#pragma once
// The base-level popup of the series tab ("Ustawienia" of "Typ wykresu"): the level that the
// active series' columns stand on. It makes its dialog on first use and fills it from the active
// series before each showing; after an apply the chart command target takes the level.

#include "charts/ui/ChartValuesPopupDlg.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>
#include <QLineEdit>

class RibbonControlPopupEx;

class ChartSeriesBaseSettingsDlg : public PopupWindowManagerEx
{
public:
    ChartSeriesBaseSettingsDlg(QWidget* parent, RibbonControlPopupEx* control);

    // False while the dialog does not exist or its text is no number (a decimal comma reads as
    // the point); the level is left untouched then.
    bool GetBaseLevel(double& level) const;
    ChartValuesPopupDlg* GetBaseDialog() const { return m_dialog; }
    QLineEdit* LevelEdit() const { return m_level; }

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    QPointer<ChartValuesPopupDlg> m_dialog;
    QPointer<QLineEdit> m_level;
};
