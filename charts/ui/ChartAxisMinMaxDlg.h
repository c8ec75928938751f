#pragma once
// The value-range popup's dialog: the minimum and maximum of the active value scale. It opens
// with the minimum selected; Tab moves between the two edits, Enter and OK close the popup with
// apply, Cancel without.

#include "ribbon/popups/BasePopupBarDlg.h"

class QLineEdit;
class QPushButton;
class RibbonControlPopupEx;

class ChartAxisMinMaxDlg : public BasePopupBarDlg
{
    Q_OBJECT

public:
    ChartAxisMinMaxDlg(RibbonControlPopupEx* control, QWidget* parent);

    void SetValues(const QString& minimum, const QString& maximum);
    // Selects the whole text of the edit whose turn it is and focuses it; the turn passes.
    void FocusNextEdit();
    QString MinText() const;
    QString MaxText() const;

    QLineEdit* MinEdit() const { return m_min; }
    QLineEdit* MaxEdit() const { return m_max; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close(bool apply);

    RibbonControlPopupEx* m_control;
    QLineEdit* m_min;
    QLineEdit* m_max;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_minTurn = true;
};
