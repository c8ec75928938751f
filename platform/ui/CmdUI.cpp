#include "platform/ui/CmdUI.h"

CmdUI::CmdUI(std::uint32_t id, QObject* control)
    : m_id(id)
    , m_control(control)
{
}

void CmdUI::Enable(bool on)
{
    m_enabled = on;
}

void CmdUI::SetCheck(int check)
{
    m_checked = check;
}

void CmdUI::SetText(const QString& text)
{
    m_text = text;
}
