#pragma once
// The expression rows of one side panel: one SubExpressionRecord per comparison, the in-place
// edit in which a constant is typed into the right operand, and the drop target on which data
// series dragged from other windows become operands. Rows removed from the grid keep their
// expressions in the side until the side is written on "OK". Main thread only.

#include <QLineEdit>
#include <QWidget>

#include <deque>
#include <vector>

class AlertDefinitionDlg;
class AlertExprArgDesc;
class BLDirectAlert;
class DDBaseDataObject;
class DirectAlertPanelDlg;
class SimpleExpr;
class SubExpressionRecord;
class QVBoxLayout;

// The edit over a right operand cell; a number, "." or "," as the decimal separator.
class AlertSubexpressionsReportInplaceEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit AlertSubexpressionsReportInplaceEdit(QWidget* parent);

signals:
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class AlertSubexpressionsReportControl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLeftNameItem = 0;
    static constexpr int kLeftValueItem = 1;
    static constexpr int kOperatorItem = 2;
    static constexpr int kRightNameItem = 3;
    static constexpr int kRightValueItem = 4;
    static constexpr int kRemoveItem = 5;

    // sideKind: 1 buy, else sell; it gives a new row its operator.
    AlertSubexpressionsReportControl(AlertDefinitionDlg& owner, unsigned sideKind, QWidget* parent = nullptr);

    void Init(DirectAlertPanelDlg* panel) { m_panel = panel; }
    // expression null: an empty row. index -1 appends.
    SubExpressionRecord& AddExpressionRow(const SimpleExpr* expression, int expressionIndex, int index = -1);
    // The only row is emptied instead; an existing expression waits in the removed queue.
    void RemoveRow(SubExpressionRecord& record);
    // Every row and the removed queue go: nothing of the alert edited before stays behind.
    void RemoveAllRecords();
    bool ValidateRows();
    bool HasEmptyRow() const;
    void ClearErrorMarks();
    void ForgetArgument(const AlertExprArgDesc& argument);
    // The removed expressions leave the side, then every row writes itself.
    void WriteToSide(BLDirectAlert& side);
    // point in this report's coordinates; only the operand cells take a drop.
    bool CanDrop(const QPoint& point);
    bool OnDrop(const DDBaseDataObject* object);
    // Starts typing a constant into the row's right operand.
    void BeginEdit(SubExpressionRecord& record);

    int RowCount() const { return static_cast<int>(m_records.size()); }
    SubExpressionRecord& Record(int row) { return *m_records[static_cast<std::size_t>(row)]; }
    const std::deque<int>& RemovedExpressions() const { return m_removedExpressions; }
    AlertDefinitionDlg& Owner() { return m_owner; }
    DirectAlertPanelDlg* Panel() { return m_panel; }
    unsigned SideKind() const { return m_sideKind; }
    int DropColumn() const { return m_dropColumn; }
    AlertSubexpressionsReportInplaceEdit& InplaceEdit() { return *m_edit; }
    // The row being typed into, or none.
    SubExpressionRecord* EditedRecord() { return m_editedRecord; }
    void EndEdit(bool apply);

signals:
    // Rows were added or removed: the panel fits its height.
    void rowsChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RowsChanged();

    AlertDefinitionDlg& m_owner;
    const unsigned m_sideKind;
    DirectAlertPanelDlg* m_panel = nullptr;
    QVBoxLayout* m_layout = nullptr;
    std::vector<SubExpressionRecord*> m_records;
    // Expressions of the side (by their index as loaded) whose rows were removed.
    std::deque<int> m_removedExpressions;
    int m_dropColumn = -1;
    int m_dropRow = -1;
    AlertSubexpressionsReportInplaceEdit* m_edit = nullptr;
    SubExpressionRecord* m_editedRecord = nullptr;
};
