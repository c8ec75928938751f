#pragma once
// The date-picker popup under a ribbon split button (the transaction list's "Data sesji"): a
// month calendar; picking a day closes the popup and sends the control's picked-date
// notification, and the command target then asks GetCurrentSelection for the day.

#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QDate>
#include <QPointer>

#include <cstdint>
#include <optional>

class QCalendarWidget;
class RibbonBarBase;
class RibbonControlPopupEx;

class DatePickerPopupWindowManager : public PopupWindowManagerEx
{
public:
    // notifyCode: the notification the control sends when a day is picked.
    DatePickerPopupWindowManager(QWidget* parent, RibbonControlPopupEx* control, int notifyCode);

    // The day picked last; empty before the first pick.
    std::optional<QDate> GetCurrentSelection() const { return m_selection; }
    // Picks the day as the user's click does.
    void Pick(const QDate& date);
    QCalendarWidget* GetCalendar() const;

    // The day picked in the date picker of the control in the group of the ribbon; empty when
    // the ribbon, group, control or picker is missing, or nothing was picked.
    static std::optional<QDate> SelectionIn(const RibbonBarBase* ribbon, std::uint32_t groupId,
                                            std::uint32_t controlId);

protected:
    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    int m_notifyCode;
    std::optional<QDate> m_selection;
    QPointer<QCalendarWidget> m_calendar;
};
