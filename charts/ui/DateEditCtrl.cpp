#include "charts/ui/DateEditCtrl.h"

namespace
{
const QString kFormat = QStringLiteral("dd-MM-yyyy");
}

DateEditCtrl::DateEditCtrl(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { emit DateChanged(GetDate()); });
}

void DateEditCtrl::SetDDMMYYYYFormat()
{
    setInputMask(QStringLiteral("99-99-9999"));
    setPlaceholderText(QStringLiteral("dd-mm-rrrr"));
}

void DateEditCtrl::SetRange(const QDate& minimum, const QDate& maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void DateEditCtrl::ClearRange()
{
    m_minimum = QDate();
    m_maximum = QDate();
}

QDate DateEditCtrl::GetDate() const
{
    const QDate date = QDate::fromString(text(), kFormat);
    if (!date.isValid() || (m_minimum.isValid() && date < m_minimum) || (m_maximum.isValid() && date > m_maximum))
        return QDate();
    return date;
}

void DateEditCtrl::SetDate(const QDate& date)
{
    setText(date.toString(kFormat));
}
