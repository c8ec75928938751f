#pragma once
// An object that answers command ids: commands (code 0), update-UI requests (code -1, extra
// a CmdUI) and control notifications (any other code, extra a NotifyInfo). Each target fills
// its table of handlers in its constructor; OnCmdMsg runs the first entry that matches and
// answers false for every id it does not know, so that routing can ask the next target.
// A command with a non-null extra only asks whether a handler would run it: targets that
// route a command on answer that question along the same road and run nothing.

#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyInfo.h"

#include <cstdint>
#include <functional>
#include <vector>

// The extra of a command that only asks whether a handler would run it.
struct CmdHandlerQuery
{
};

class CmdTarget
{
public:
    static constexpr int kCommandCode = 0;
    static constexpr int kUpdateCode = -1;

    CmdTarget() = default;
    virtual ~CmdTarget() = default;

    CmdTarget(const CmdTarget&) = delete;
    CmdTarget& operator=(const CmdTarget&) = delete;

    // True when a handler took the request. An update-UI request or a notification without
    // its CmdUI or NotifyInfo is never dispatched.
    virtual bool OnCmdMsg(std::uint32_t id, int code, void* extra);

    bool ExecuteCommand(std::uint32_t id) { return OnCmdMsg(id, kCommandCode, nullptr); }
    // True when the route from this target has a handler for the command; nothing runs.
    bool HasCommandHandler(std::uint32_t id);
    bool UpdateCommandUI(CmdUI& cmdUI) { return OnCmdMsg(cmdUI.Id(), kUpdateCode, &cmdUI); }
    bool SendNotify(NotifyInfo& info) { return OnCmdMsg(info.id, info.code, &info); }

protected:
    // The handler table. A window class that overrides Wnd::OnCommand(WParam, LParam) brings
    // these back into scope with `using CmdTarget::OnCommand;`.
    void OnCommand(std::uint32_t id, std::function<void()> handler);
    void OnUpdate(std::uint32_t id, std::function<void(CmdUI&)> handler);
    void OnRange(std::uint32_t first, std::uint32_t last, std::function<void(std::uint32_t)> handler);
    void OnUpdateRange(std::uint32_t first, std::uint32_t last, std::function<void(CmdUI&)> handler);
    void OnNotify(std::uint32_t id, int code, std::function<void(NotifyInfo&)> handler);
    void OnNotifyRange(std::uint32_t first, std::uint32_t last, int code,
                       std::function<void(NotifyInfo&)> handler);

private:
    enum class Kind
    {
        Command,
        Update,
        Notify
    };

    struct Entry
    {
        Kind kind;
        std::uint32_t first;
        std::uint32_t last;
        int code;
        std::function<void(std::uint32_t)> command;
        std::function<void(CmdUI&)> update;
        std::function<void(NotifyInfo&)> notify;
    };

    void Add(Entry entry);

    std::vector<Entry> m_entries;
};
