#pragma once
// The interval popup's dialog: "Tikowy" or "Dzienny" for the active chart. OK closes the popup
// with apply only when the choice differs from the chart's interval (an interval other than
// tick or day always applies); nothing happens while the chart cannot change its interval.
// Enter is OK.

#include "ribbon/popups/BasePopupBarDlg.h"

class QPushButton;
class QRadioButton;
class RibbonControlPopupEx;

class ChangeIntervalDlgQ4Classic : public BasePopupBarDlg
{
    Q_OBJECT

public:
    static constexpr int kTick = 1;
    static constexpr int kDay = 5;

    ChangeIntervalDlgQ4Classic(RibbonControlPopupEx* control, QWidget* parent);

    void SetApplicable(bool applicable);
    bool IsApplicable() const { return m_applicable; }
    void SetCurrentInterval(int interval) { m_currentInterval = interval; }
    int GetCurrentInterval() const { return m_currentInterval; }
    void ShowInterval();
    // The interval of the checked radio button.
    int GetChosenInterval() const;
    void OnOk();

    QRadioButton* TickRadio() const { return m_tick; }
    QRadioButton* DayRadio() const { return m_day; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Close(bool apply);

    RibbonControlPopupEx* m_control;
    QRadioButton* m_tick;
    QRadioButton* m_day;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_applicable = true;
    int m_currentInterval = kTick;
};
