#include "charts/ui/NumberEditCtrl.h"

#include <QRegularExpressionValidator>

NumberEditCtrl::NumberEditCtrl(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,10}")), this));
    connect(this, &QLineEdit::textChanged, this, [this] { Mark(false); });
}

void NumberEditCtrl::SetLimits(std::int64_t lower, std::int64_t upper)
{
    m_lower = lower;
    m_upper = upper;
}

std::int64_t NumberEditCtrl::GetValue() const
{
    bool ok = false;
    const qlonglong value = text().toLongLong(&ok);
    return ok ? value : 0;
}

void NumberEditCtrl::SetValue(std::int64_t value)
{
    setText(QString::number(value));
}

bool NumberEditCtrl::IsValid() const
{
    bool ok = false;
    const qlonglong value = text().toLongLong(&ok);
    return ok && value >= m_lower && value <= m_upper;
}

bool NumberEditCtrl::CheckAndMark()
{
    const bool valid = IsValid();
    Mark(!valid);
    if (!valid)
        setFocus(Qt::OtherFocusReason);
    return valid;
}

void NumberEditCtrl::Mark(bool invalid)
{
    setStyleSheet(invalid ? QStringLiteral("QLineEdit { background: #ffc8c8; }") : QString());
}
