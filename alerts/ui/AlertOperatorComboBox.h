#pragma once
// The compare operator of one expression row: " >", ">=", " <", "<=", "==", "<>" (items 0 to 5
// are the row's operators 0 to 5). The row takes the choice when the list closes.

#include <QComboBox>

class SubExpressionRecord;

class AlertOperatorComboBox : public QComboBox
{
    Q_OBJECT

public:
    AlertOperatorComboBox(SubExpressionRecord& row, QWidget* parent);

    // The six items, then the row's operator selected.
    void Fill();
    void hidePopup() override;

private:
    SubExpressionRecord& m_row;
};
