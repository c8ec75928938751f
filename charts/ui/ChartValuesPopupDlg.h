#pragma once
// The dialog of the chart's small value popups (margins, day range of the linear time scale,
// base level): labelled fields over OK and Cancel. OK and Enter in a field close the popup with
// apply, so the chart command target reads the fields; Cancel closes it without.

#include "ribbon/popups/BasePopupBarDlg.h"

#include <QString>

class QFormLayout;
class QPushButton;
class RibbonControlPopupEx;

class ChartValuesPopupDlg : public BasePopupBarDlg
{
    Q_OBJECT

public:
    ChartValuesPopupDlg(RibbonControlPopupEx* control, QWidget* parent);

    // The dialog takes the field; Enter in it applies.
    void AddField(const QString& label, QWidget* field);

    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close(bool apply);

    RibbonControlPopupEx* m_control;
    QFormLayout* m_fields;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
