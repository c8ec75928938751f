#include "platform/toolkit/RibbonControlCmdUI.h"

#include "platform/toolkit/RibbonControl.h"

RibbonControlCmdUI::RibbonControlCmdUI(RibbonControl& control)
    : CmdUI(control.GetID(), &control)
    , m_control(control)
{
}

void RibbonControlCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    m_control.SetEnabled(on);
}

void RibbonControlCmdUI::SetCheck(int check)
{
    CmdUI::SetCheck(check);
    m_control.SetChecked(check);
}

void RibbonControlCmdUI::SetText(const QString& text)
{
    CmdUI::SetText(text);
    m_control.SetCaption(text);
}
