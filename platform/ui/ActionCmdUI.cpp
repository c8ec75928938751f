#include "platform/ui/ActionCmdUI.h"

ActionCmdUI::ActionCmdUI(std::uint32_t id, QAction* action)
    : CmdUI(id, action)
    , m_action(action)
{
}

void ActionCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    m_action->setEnabled(on);
}

void ActionCmdUI::SetCheck(int check)
{
    CmdUI::SetCheck(check);
    m_action->setCheckable(true);
    m_action->setChecked(check != 0);
}

void ActionCmdUI::SetText(const QString& text)
{
    CmdUI::SetText(text);
    m_action->setText(text);
}
