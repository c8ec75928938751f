#include "tests/support/toolkit/RecordingCommandTarget.h"

bool RecordingCommandTarget::OnCmdMsg(std::uint32_t id, int code, void* extra)
{
    if (code == kCommandCode)
    {
        // A handler question is answered yes and not recorded: nothing ran.
        if (extra == nullptr)
            commands.push_back(id);
        return true;
    }
    if (code == kUpdateCode)
    {
        ++updateRequests[id];
        const auto handler = m_updates.find(id);
        if (handler == m_updates.end() || extra == nullptr)
            return false;
        handler->second(*static_cast<CmdUI*>(extra));
        return true;
    }
    const auto* info = static_cast<NotifyInfo*>(extra);
    notifications.push_back({id, code, info ? info->control : nullptr});
    return true;
}
