#pragma once
// The value-range popup of the chart's value-axis tab: makes its dialog on first use, fills it
// with the active scale's range before each showing, and gives the command target the two
// numbers typed, read like the C library's atof (text that is no number reads as 0).

#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>

#include "charts/ui/ChartAxisMinMaxDlg.h"
class RibbonControlPopupEx;

class ChartMinMaxWindowManager : public PopupWindowManagerEx
{
public:
    ChartMinMaxWindowManager(QWidget* parent, RibbonControlPopupEx* control);

    // Both 0 before the dialog exists.
    void GetEnteredMinMax(double& minimum, double& maximum) const;
    ChartAxisMinMaxDlg* GetMinMaxDialog() const { return m_dialog; }
    // The leading number of the text, a comma read as the decimal point; 0 when none.
    static double ParseNumber(const QString& text);

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    QPointer<ChartAxisMinMaxDlg> m_dialog;
};
