#pragma once
// One side of the edited alert in the definition dialog, buy or sell: the side's check box, its
// expression rows, the "dodaj nowe wyrażenie" button and, with more than one row, whether all
// expressions or at least one must hold. Main thread only.

#include <QWidget>

class AddExpressionButton;
class AlertDefinitionDlg;
class AlertSubexpressionsReportControl;
class BLDirectAlert;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

class DirectAlertPanelDlg : public QWidget
{
    Q_OBJECT

public:
    // The logic radio: 0 at least one expression true, 1 all of them.
    static constexpr int kAnyRadio = 0;
    static constexpr int kAllRadio = 1;

    // sideKind: 1 buy, else sell.
    DirectAlertPanelDlg(AlertDefinitionDlg& owner, unsigned sideKind, QWidget* parent = nullptr);

    void SetDirectAlert(BLDirectAlert* side);
    // One row per expression of the side; a side without expressions gets one empty row.
    void LoadExpressions();
    // No side, logic "all", one empty row, nothing waiting to be removed.
    void Reset();
    bool Validate();
    void WriteToSide();
    // The side follows its check box.
    bool OnCheckChanged();
    void SetSideChecked(bool checked);
    bool IsSideChecked() const;
    int LogicRadioValue() const;
    // The logic choice is shown only with more than one row; then the panel's row in the
    // definition report fits the panel.
    void FitToReport();

    AlertSubexpressionsReportControl& Report() { return *m_report; }
    QCheckBox& SideCheckBox() { return *m_checkBox; }
    QLabel& LogicLabel() { return *m_logicLabel; }
    QRadioButton& AnyRadio() { return *m_anyRadio; }
    QRadioButton& AllRadio() { return *m_allRadio; }
    AddExpressionButton& AddButton() { return *m_addButton; }
    BLDirectAlert* Side() const { return m_side; }
    unsigned SideKind() const { return m_sideKind; }

private:
    AlertDefinitionDlg& m_owner;
    const unsigned m_sideKind;
    BLDirectAlert* m_side = nullptr;
    QCheckBox* m_checkBox = nullptr;
    AlertSubexpressionsReportControl* m_report = nullptr;
    AddExpressionButton* m_addButton = nullptr;
    QLabel* m_logicLabel = nullptr;
    QButtonGroup* m_logicGroup = nullptr;
    QRadioButton* m_anyRadio = nullptr;
    QRadioButton* m_allRadio = nullptr;
};
