#include "orderssheet/ui/OrdersSheetSummSettContainer.h"


OrdersSheetSummSettContainer::OrdersSheetSummSettContainer(RibbonControlPopupEx* control,
                                                           CmdTargetOrdersSheet::WindowSource window)
    : m_control(control)
    , m_window(std::move(window))
{
}

QWidget* OrdersSheetSummSettContainer::CreatePopupWindow(QWidget* host)
{
    m_dialog = new OrdersSheetSummarySettingsDlg(m_control, host);
    return m_dialog;
}

void OrdersSheetSummSettContainer::UpdatePopupWindow()
{
    if (m_dialog)
        m_dialog->Fill(m_window ? m_window() : nullptr);
}
