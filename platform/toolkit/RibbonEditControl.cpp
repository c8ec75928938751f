#include "platform/toolkit/RibbonEditControl.h"

RibbonEditControl::RibbonEditControl(std::uint32_t id)
    : RibbonControl(RibbonControlEdit, id)
{
}

void RibbonEditControl::SetEditText(const QString& text)
{
    if (m_editText == text)
        return;
    m_editText = text;
    Changed();
}

void RibbonEditControl::CommitText(const QString& text)
{
    SetEditText(text);
    OnExecute();
}
