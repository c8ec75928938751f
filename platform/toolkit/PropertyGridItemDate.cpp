#include "platform/toolkit/PropertyGridItemDate.h"

#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

PropertyGridItemDate::PropertyGridItemDate(QString caption, const OleDate& value)
    : PropertyGridItem(std::move(caption)), m_date(value)
{
    RefreshText();
}

void PropertyGridItemDate::SetDate(const OleDate& value)
{
    m_date = value;
    RefreshText();
}

bool PropertyGridItemDate::EditDate(const OleDate& value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (!value.IsValid())
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(BadTextMessage()).arg(QString(), DisplayFormat());
        return false;
    }
    if (m_date.IsValid() && value == m_date)
        return true;
    SetDate(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemDate::EditDateTime(const QDateTime& value, QString* errorText)
{
    const OleDate date = value.isValid() ? ValueOf(value) : OleDate::Invalid();
    if (!date.IsValid() && CheckEditable(errorText))
    {
        // Years the program cannot keep (before 100 or after 9999) are refused as typed.
        if (errorText)
            *errorText = StringTable::Instance()
                             .Get(BadTextMessage())
                             .arg(value.toString(DisplayFormat()), DisplayFormat());
        return false;
    }
    return EditDate(date, errorText);
}

bool PropertyGridItemDate::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const QString typed = text.trimmed();
    for (const QString& format : AcceptedFormats())
    {
        const QDateTime moment = QDateTime::fromString(typed, format);
        if (moment.isValid())
            return EditDateTime(moment, errorText);
    }
    if (errorText)
        *errorText = StringTable::Instance().Get(BadTextMessage()).arg(typed, DisplayFormat());
    return false;
}

QStringList PropertyGridItemDate::AcceptedFormats() const
{
    return {QStringLiteral("yyyy-MM-dd")};
}

OleDate PropertyGridItemDate::ValueOf(const QDateTime& value) const
{
    return OleDate(value.date());
}

std::uint32_t PropertyGridItemDate::BadTextMessage() const
{
    return PropertyGridStrings::kBadDate;
}

void PropertyGridItemDate::RefreshText()
{
    SetValueText(m_date.IsValid() ? m_date.ToQDateTime().toString(DisplayFormat()) : QString());
}
