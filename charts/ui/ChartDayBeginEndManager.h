#pragma once
// The day-range popup of the linear time scale: the hours of a day the scale shows. It makes
// its dialog on first use and fills it from the active chart before each showing; after an
// apply the chart command target takes the two times as fractions of a day.

#include "charts/ui/ChartValuesPopupDlg.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>
#include <QTimeEdit>

class RibbonControlPopupEx;

class ChartDayBeginEndManager : public PopupWindowManagerEx
{
public:
    ChartDayBeginEndManager(QWidget* parent, RibbonControlPopupEx* control);

    // Leaves both untouched while the dialog does not exist.
    void GetDayBeginEnd(double& begin, double& end) const;
    ChartValuesPopupDlg* GetDayDialog() const { return m_dialog; }
    QTimeEdit* BeginEdit() const { return m_begin; }
    QTimeEdit* EndEdit() const { return m_end; }

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    QPointer<ChartValuesPopupDlg> m_dialog;
    QPointer<QTimeEdit> m_begin;
    QPointer<QTimeEdit> m_end;
};
