#pragma once
// One side (buy or sell) of a cloud alert in the definition dialog: a check box saying whether
// the side is in use, the condition, the comparison operator and the value.

#include "cloud/ui/CloudAlertDefSubDlgBase.h"

#include <memory>
#include <optional>

class CloudAlertData;
class CloudAlertValue;
class QComboBox;
class QCheckBox;

class CloudAlertKindSubDlg : public CloudAlertDefSubDlgBase
{
    Q_OBJECT

public:
    static constexpr int kConditionPercentChange = 6;

    // side: 0 buy, 1 sell.
    CloudAlertKindSubDlg(CloudAlertDefinitionDlg& owner, int side);

    static QString ConditionText(int condition);
    static QString OperatorText(int op);
    // Decimal places of a value under the condition; the series precisions come from the owner.
    int ValuePrecision(int condition) const;
    // The text as a number: trimmed, ',' read as '.', a plain decimal number, not negative
    // unless the condition is a percentage change.
    static std::optional<double> ParseValue(const QString& text, int condition);

    // None sets the side's default operator; a side the record does not use stays as it is.
    void Load(const std::shared_ptr<const CloudAlertData>& alert);
    int GetCondition() const;
    int GetOperator() const;
    std::optional<double> GetValue() const;
    bool IsInUse() const;

    QCheckBox* Box() const { return m_box; }
    QComboBox* ConditionCombo() const { return m_condition; }
    QComboBox* OperatorCombo() const { return m_operator; }
    CloudAlertValue* ValueEdit() const { return m_value; }

private:
    void SelectDefaultOperator();
    void OnChoice();

    int m_side;
    QCheckBox* m_box;
    QComboBox* m_condition;
    QComboBox* m_operator;
    CloudAlertValue* m_value;
};
