#include "platform/ui/CmdUI.h"

#include "platform/ui/CmdTarget.h"

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

bool CmdUI::DoUpdate(CmdTarget& target, bool disableIfNoHandler)
{
    if (m_id == 0 || (m_id & 0xFFFFu) == 0xFFFFu)
        return true;
    const bool handled = target.UpdateCommandUI(*this);
    if (disableIfNoHandler && !m_enabled.has_value())
        Enable(target.HasCommandHandler(m_id));
    return handled;
}
