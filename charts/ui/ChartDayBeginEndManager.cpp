#include "charts/ui/ChartDayBeginEndManager.h"

#include "charts/ui/ChartValuesPopupDlg.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"

#include <QTimeEdit>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kSecondsPerDay = 24 * 60 * 60;

QTimeEdit* TimeEdit()
{
    auto* edit = new QTimeEdit;
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    return edit;
}

double DayFraction(const QTime& time)
{
    return double(time.msecsSinceStartOfDay() / 1000) / kSecondsPerDay;
}

QTime TimeOf(double fraction)
{
    // The end of the day (1.0) is shown as the last minute.
    const int seconds = std::clamp(int(std::lround(fraction * kSecondsPerDay)), 0, kSecondsPerDay - 60);
    return QTime(0, 0).addSecs(seconds);
}
}

ChartDayBeginEndManager::ChartDayBeginEndManager(QWidget* parent, RibbonControlPopupEx* control)
    : PopupWindowManagerEx(parent)
    , m_control(control)
{
}

void ChartDayBeginEndManager::GetDayBeginEnd(double& begin, double& end) const
{
    if (!m_dialog || !m_begin || !m_end)
        return;
    begin = DayFraction(m_begin->time());
    end = DayFraction(m_end->time());
}

QWidget* ChartDayBeginEndManager::CreatePopupWindow(QWidget* host)
{
    m_dialog = new ChartValuesPopupDlg(m_control, host);
    m_begin = TimeEdit();
    m_end = TimeEdit();
    m_dialog->AddField(QStringLiteral("Początek dnia"), m_begin);
    m_dialog->AddField(QStringLiteral("Koniec dnia"), m_end);
    return m_dialog;
}

void ChartDayBeginEndManager::UpdatePopupWindow()
{
    if (!m_dialog)
        return;
    ChartConsumer* charts = GetChartConsumer();
    ActiveObjectsContainer* active = charts ? charts->GetActiveObjects() : nullptr;
    double begin = 9.0 / 24.0;
    double end = 17.0 / 24.0;
    if (active)
        active->GetLinearScaleDayBeginEnd(begin, end);
    m_begin->setTime(TimeOf(begin));
    m_end->setTime(TimeOf(end));
    m_begin->setFocus();
}
