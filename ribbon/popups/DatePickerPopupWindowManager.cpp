#include "ribbon/popups/DatePickerPopupWindowManager.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "ribbon/controls/RibbonControlPopupEx.h"

#include <QCalendarWidget>
#include <QLocale>

DatePickerPopupWindowManager::DatePickerPopupWindowManager(QWidget* parent, RibbonControlPopupEx* control,
                                                           int notifyCode)
    : PopupWindowManagerEx(parent)
    , m_control(control)
    , m_notifyCode(notifyCode)
{
}

void DatePickerPopupWindowManager::Pick(const QDate& date)
{
    if (!date.isValid())
        return;
    m_selection = date;
    if (m_control)
        m_control->ClosePopupWithNotify(m_notifyCode);
}

QCalendarWidget* DatePickerPopupWindowManager::GetCalendar() const
{
    return m_calendar;
}

QWidget* DatePickerPopupWindowManager::CreatePopupWindow(QWidget* host)
{
    m_calendar = new QCalendarWidget(host);
    m_calendar->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QObject::connect(m_calendar, &QCalendarWidget::clicked, m_calendar, [this](const QDate& date) { Pick(date); });
    QObject::connect(m_calendar, &QCalendarWidget::activated, m_calendar, [this](const QDate& date) { Pick(date); });
    return m_calendar;
}

void DatePickerPopupWindowManager::UpdatePopupWindow()
{
    if (!m_calendar)
        return;
    // No session lies ahead, so no day after today can be picked.
    m_calendar->setMaximumDate(QDate::currentDate());
    m_calendar->setSelectedDate(m_selection.value_or(QDate::currentDate()));
}

std::optional<QDate> DatePickerPopupWindowManager::SelectionIn(const RibbonBarBase* ribbon, std::uint32_t groupId,
                                                               std::uint32_t controlId)
{
    for (int index = 0; ribbon && index < ribbon->GetTabCount(); ++index)
    {
        const RibbonTabBase* tab = ribbon->GetTab(index);
        const RibbonGroupBase* group = tab ? tab->FindGroup(groupId) : nullptr;
        const auto* control = group ? qobject_cast<RibbonControlPopupEx*>(group->FindControl(controlId)) : nullptr;
        if (!control)
            continue;
        const auto* picker = dynamic_cast<const DatePickerPopupWindowManager*>(control->GetPopupWindowManager());
        return picker ? picker->GetCurrentSelection() : std::nullopt;
    }
    return std::nullopt;
}
