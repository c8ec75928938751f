#include "platform/toolkit/RibbonComboBoxControl.h"

RibbonComboBoxControl::RibbonComboBoxControl(std::uint32_t id)
    : RibbonControl(RibbonControlComboBox, id)
{
}

int RibbonComboBoxControl::AddItem(const QString& caption, std::intptr_t data)
{
    m_items.push_back({caption, data});
    Changed();
    return GetCount() - 1;
}

void RibbonComboBoxControl::ResetContent()
{
    m_items.clear();
    m_current = -1;
    Changed();
}

void RibbonComboBoxControl::SetCurSel(int index)
{
    const int current = index >= 0 && index < GetCount() ? index : -1;
    if (current >= 0)
        m_editText = m_items[static_cast<std::size_t>(current)].caption;
    if (m_current == current)
        return;
    m_current = current;
    Changed();
}

int RibbonComboBoxControl::FindItemData(std::intptr_t data) const
{
    for (int index = 0; index < GetCount(); ++index)
    {
        if (m_items[static_cast<std::size_t>(index)].data == data)
            return index;
    }
    return -1;
}

void RibbonComboBoxControl::SetDropDownList(bool dropDownList)
{
    m_dropDownList = dropDownList;
    Changed();
}

void RibbonComboBoxControl::SetEditText(const QString& text)
{
    if (m_editText == text)
        return;
    m_editText = text;
    Changed();
}

void RibbonComboBoxControl::ChooseItem(int index)
{
    SetCurSel(index);
    OnExecute();
}

void RibbonComboBoxControl::CommitText(const QString& text)
{
    m_current = -1;
    SetEditText(text);
    OnExecute();
}
