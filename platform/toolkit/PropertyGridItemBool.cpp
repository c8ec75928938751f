#include "platform/toolkit/PropertyGridItemBool.h"

#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

PropertyGridItemBool::PropertyGridItemBool(QString caption, bool value)
    : PropertyGridItem(std::move(caption))
    , m_bool(value)
    , m_trueText(StringTable::Instance().Get(PropertyGridStrings::kTrue))
    , m_falseText(StringTable::Instance().Get(PropertyGridStrings::kFalse))
{
    SetValueText(value ? m_trueText : m_falseText);
}

void PropertyGridItemBool::SetBool(bool value)
{
    m_bool = value;
    SetValueText(value ? m_trueText : m_falseText);
}

bool PropertyGridItemBool::EditBool(bool value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (value == m_bool)
        return true;
    SetBool(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemBool::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const QString typed = text.trimmed();
    if (typed.compare(m_trueText, Qt::CaseInsensitive) == 0)
        return EditBool(true, errorText);
    if (typed.compare(m_falseText, Qt::CaseInsensitive) == 0)
        return EditBool(false, errorText);
    if (errorText)
        *errorText = StringTable::Instance().Get(PropertyGridStrings::kNotAChoice).arg(typed);
    return false;
}

void PropertyGridItemBool::SetCheckBoxStyle(bool checkBox)
{
    m_checkBox = checkBox;
    NotifyChanged();
}

void PropertyGridItemBool::SetTrueFalseText(const QString& trueText, const QString& falseText)
{
    m_trueText = trueText;
    m_falseText = falseText;
    SetBool(m_bool);
}
