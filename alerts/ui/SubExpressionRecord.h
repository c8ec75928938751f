#pragma once
// One expression row of a side panel: left operand, compare operator, right operand and the
// remove button. The row keeps its edits until the side is written on "OK"; every change of an
// argument operand is counted in the definition dialog's list of used arguments.
//
// The row refers to its expression by the expression's index in the side as it was loaded:
// the side is not touched before it is written, so the index stays the expression's identity
// (a pointer into the side would not survive the removals that come first).

#include "alerts/engine/ConstArgumentValue.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <QWidget>

class AlertArgDescReportRecordItem;
class AlertOperatorComboBox;
class AlertSubexpressionsReportControl;
class BLDirectAlert;
class QToolButton;
class SimpleExpr;

class SubExpressionRecord : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kNoOperator = 6;
    static constexpr int kRemoveImageId = 1471;

    // expression null: an empty row with the given operator; otherwise the row of the side's
    // expression at expressionIndex.
    SubExpressionRecord(AlertSubexpressionsReportControl& report, const SimpleExpr* expression, int expressionIndex,
                        int emptyOperator);
    ~SubExpressionRecord() override;

    int GetOperator() const { return m_operator; }
    void SetOperator(int op);
    void SetLeftArgument(const AlertExprArgDesc& argument);
    void SetRightArgument(const AlertExprArgDesc& argument);
    // item 1 (left) or 4 (right). An empty text keeps the operand; a text that is no number is
    // refused and its cell marked. True when the operand became the constant.
    bool SetConstantFromText(int item, const QString& text);
    void Clear();
    // Releases a non-constant operand that is this argument.
    void ForgetArgument(const AlertExprArgDesc& argument);
    bool IsOperandSet(int item) const;
    bool IsEntirelyEmpty() const;
    // The row check; marks the missing operand's cell.
    bool Validate();
    void ClearErrorMarks();
    // Into the side's expression at that index.
    void WriteTo(SimpleExpr& expression) const;

    int ExpressionIndex() const { return m_expressionIndex; }
    void ForgetExpression() { m_expressionIndex = -1; }
    const AlertExprArgDesc& LeftArgument() const { return m_leftArgument; }
    const AlertExprArgDesc& RightArgument() const { return m_rightArgument; }
    const ConstArgumentValue& LeftConstant() const { return m_leftConstant; }
    const ConstArgumentValue& RightConstant() const { return m_rightConstant; }
    // 0 to 5 as the row's items: 0 left, 2 operator, 4 right, 5 remove; -1 elsewhere.
    int ItemAt(const QPoint& point) const;
    // Shows the remove button only while the report holds more than one row.
    void SetRemovable(bool removable);
    bool IsRemovable() const;

    AlertArgDescReportRecordItem& LeftCell() { return *m_leftCell; }
    AlertArgDescReportRecordItem& RightCell() { return *m_rightCell; }
    AlertOperatorComboBox& OperatorCombo() { return *m_operatorCombo; }
    QToolButton& RemoveButton() { return *m_removeButton; }

private:
    void RefreshOperandCells(bool left);

    AlertSubexpressionsReportControl& m_report;
    int m_expressionIndex = -1;
    int m_operator = kNoOperator;
    AlertExprArgDesc m_leftArgument;
    AlertExprArgDesc m_rightArgument;
    ConstArgumentValue m_leftConstant;
    ConstArgumentValue m_rightConstant;
    AlertArgDescReportRecordItem* m_leftCell = nullptr;
    AlertOperatorComboBox* m_operatorCombo = nullptr;
    AlertArgDescReportRecordItem* m_rightCell = nullptr;
    QToolButton* m_removeButton = nullptr;
};
