#include "alerts/ui/AlertOperatorComboBox.h"

#include "alerts/ui/SubExpressionRecord.h"

AlertOperatorComboBox::AlertOperatorComboBox(SubExpressionRecord& row, QWidget* parent)
    : QComboBox(parent)
    , m_row(row)
{
    setObjectName(QStringLiteral("operator"));
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) { m_row.SetOperator(index); });
}

void AlertOperatorComboBox::Fill()
{
    clear();
    addItems({QStringLiteral(" >"), QStringLiteral(">="), QStringLiteral(" <"), QStringLiteral("<="),
              QStringLiteral("=="), QStringLiteral("<>")});
    const int op = m_row.GetOperator();
    setCurrentIndex(op >= 0 && op < count() ? op : -1);
}

void AlertOperatorComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (parentWidget())
        parentWidget()->setFocus();
    if (currentIndex() >= 0)
        m_row.SetOperator(currentIndex());
}
