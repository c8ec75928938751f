#pragma once
// The summary-settings popup of the sheet's ribbon: the range of real supply and demand of the
// window it was filled from, either the market's price bands ("widełki statyczne", kind 1) or a
// distance from the last price ("odległość od kursu", kind 0) in percent. Only OK stores; a
// percentage outside 0..100 is refused and the stored value shown again, the popup left open.

#include "ribbon/popups/BasePopupBarDlg.h"

#include <QPointer>

#include <optional>

class OrderSheetMainDlg;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RibbonControlPopupEx;

class OrdersSheetSummarySettingsDlg : public BasePopupBarDlg
{
    Q_OBJECT

public:
    OrdersSheetSummarySettingsDlg(RibbonControlPopupEx* control, QWidget* parent);

    // Shows the window's border and remembers the window; null leaves the controls empty.
    void Fill(OrderSheetMainDlg* window);
    void OnOk();
    void OnCancel();

    // The percentage as typed, "," or "." for the decimal point; a text that is no number gives 0.
    static double ParsePercent(const QString& text);

    QRadioButton* BandsRadio() const { return m_bands; }
    QRadioButton* DistanceRadio() const { return m_distance; }
    QLineEdit* PercentEdit() const { return m_percent; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The stored value into the edit, enabled for the distance kind only.
    void ShowValue(int kind);
    void Close();

    RibbonControlPopupEx* m_control;
    QPointer<OrderSheetMainDlg> m_window;
    QRadioButton* m_bands;
    QRadioButton* m_distance;
    QLineEdit* m_percent;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
