#pragma once
// The manager of the summary-settings popup: makes its dialog on first use and fills it from
// the sheet's current window before every showing.

#include "orderssheet/ui/CmdTargetOrdersSheet.h"
#include "orderssheet/ui/OrdersSheetSummarySettingsDlg.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>

class RibbonControlPopupEx;

class OrdersSheetSummSettContainer : public PopupWindowManagerEx
{
public:
    OrdersSheetSummSettContainer(RibbonControlPopupEx* control, CmdTargetOrdersSheet::WindowSource window);

    OrdersSheetSummarySettingsDlg* GetSettingsDialog() const { return m_dialog; }

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    CmdTargetOrdersSheet::WindowSource m_window;
    QPointer<OrdersSheetSummarySettingsDlg> m_dialog;
};
