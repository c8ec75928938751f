#pragma once
// The interval popup of the chart's "Dane" group: makes its dialog on first use and, before each
// showing, fills it from the active chart (its interval, or OK disabled when the chart cannot
// change it). The edition's chart processor reads the choice after an apply.

#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>

#include "charts/ui/ChangeIntervalDlgQ4Classic.h"
class RibbonControlPopupEx;

class ChangeIntervalWindowManagerQ4Classic : public PopupWindowManagerEx
{
public:
    ChangeIntervalWindowManagerQ4Classic(QWidget* parent, RibbonControlPopupEx* control);

    // The interval of the checked radio button; 0 before the dialog exists.
    int GetChosenInterval() const;
    ChangeIntervalDlgQ4Classic* GetIntervalDialog() const { return m_dialog; }

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    QPointer<ChangeIntervalDlgQ4Classic> m_dialog;
};
