#include "charts/ui/MoreFormationOptionsPopupManager.h"

#include "charts/ui/MoreFormationOptionsPopupDlg.h"

MoreFormationOptionsPopupManager::MoreFormationOptionsPopupManager(QWidget* parent, RibbonControlPopupEx* control,
                                                                   ChartConsumer* charts,
                                                                   MoreOptionsPopupBarDlgBase::Options options)
    : PopupWindowManagerEx(parent)
    , m_control(control)
    , m_charts(charts)
    , m_options(std::move(options))
{
}

bool MoreFormationOptionsPopupManager::OnMouseHitTest(const QPoint& point) const
{
    return m_childArea.contains(point) || PopupWindowManagerEx::OnMouseHitTest(point);
}

MoreFormationOptionsPopupDlg* MoreFormationOptionsPopupManager::GetOptionsDialog() const
{
    return m_dialog;
}

QWidget* MoreFormationOptionsPopupManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new MoreFormationOptionsPopupDlg(m_control, m_charts, *this, m_options, host);
    return m_dialog;
}

void MoreFormationOptionsPopupManager::UpdatePopupWindow()
{
    if (m_dialog)
        m_dialog->FillValues();
}
