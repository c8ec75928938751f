#include "charts/ui/ChangeIntervalWindowManagerQ4Classic.h"

#include "charts/ui/ChangeIntervalDlgQ4Classic.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

ChangeIntervalWindowManagerQ4Classic::ChangeIntervalWindowManagerQ4Classic(QWidget* parent, RibbonControlPopupEx* control)
    : PopupWindowManagerEx(parent)
    , m_control(control)
{
}

int ChangeIntervalWindowManagerQ4Classic::GetChosenInterval() const
{
    return m_dialog ? m_dialog->GetChosenInterval() : 0;
}

QWidget* ChangeIntervalWindowManagerQ4Classic::CreatePopupWindow(QWidget* host)
{
    m_dialog = new ChangeIntervalDlgQ4Classic(m_control, host);
    return m_dialog;
}

void ChangeIntervalWindowManagerQ4Classic::UpdatePopupWindow()
{
    if (!m_dialog)
        return;
    ChartConsumer* charts = GetChartConsumer();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    int interval = 0;
    int multiplicity = 0;
    int count = 0;
    if (active && active->GetMaxIntervalMultiplicity(interval, multiplicity, true, count) != 0)
    {
        m_dialog->SetApplicable(true);
        m_dialog->SetCurrentInterval(interval);
        m_dialog->ShowInterval();
        return;
    }
    m_dialog->SetApplicable(false);
}
