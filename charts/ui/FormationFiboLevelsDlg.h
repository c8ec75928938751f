#pragma once
// The levels popup of the Fibonacci tools: one row a level with its on/off box, "Poziom N" and
// its percentage; rows are added (at most 20), removed (at least 1) and put back to the chart
// library's defaults; OK and Enter close with apply, Cancel and Escape without. It edits a copy:
// the levels reach the formation only through the parameter code after OK.

#include "ribbon/popups/BasePopupBarDlg.h"

#include <memory>
#include <vector>

class FiboLevelsContainer;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class RibbonControlPopupEx;

class FormationFiboLevelsDlg : public BasePopupBarDlg
{
    Q_OBJECT

public:
    static constexpr int kMaxRows = 20;
    static constexpr int kMinRows = 1;

    FormationFiboLevelsDlg(RibbonControlPopupEx* control, QWidget* parent);

    // Null keeps one empty row and gives no levels back: the formation has none to edit.
    void Fill(const std::shared_ptr<const FiboLevelsContainer>& levels);
    // A new container from the rows, or null when the popup was filled from none.
    std::shared_ptr<FiboLevelsContainer> GetLevels() const;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    QLineEdit* ValueEdit(int row) const;
    QCheckBox* EnabledBox(int row) const;
    QLabel* RowLabel(int row) const;
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* DefaultButton() const { return m_default; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    int SelectedRow() const { return m_selected; }
    void SelectRow(int row);
    void AddRow(double value, bool enabled);
    void RemoveSelectedRow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row
    {
        QCheckBox* enabled;
        QLabel* label;
        QLineEdit* value;
    };

    // The value as the edit shows it: two decimals, and "%" while it has no focus.
    void ShowValue(QLineEdit* edit, double value) const;
    double ReadValue(const QLineEdit* edit) const;
    void Relayout();
    void UpdateButtons();
    void Close(bool apply);

    RibbonControlPopupEx* m_control;
    QGridLayout* m_rowsLayout;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_default;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    std::vector<Row> m_rows;
    int m_selected = -1;
    bool m_negativesAllowed = true;
    bool m_hasSource = false;
};
