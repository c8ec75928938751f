#include "platform/ui/CmdTarget.h"

#include "platform/ui/UiLog.h"

#include <utility>

bool CmdTarget::OnCmdMsg(std::uint32_t id, int code, void* extra)
{
    const Kind kind = code == kCommandCode ? Kind::Command : code == kUpdateCode ? Kind::Update : Kind::Notify;
    if (kind != Kind::Command && extra == nullptr)
        return false;
    for (const Entry& entry : m_entries)
    {
        if (entry.kind != kind || id < entry.first || id > entry.last)
            continue;
        switch (kind)
        {
        case Kind::Command:
            if (extra == nullptr)
                entry.command(id);
            return true;
        case Kind::Update:
            entry.update(*static_cast<CmdUI*>(extra));
            return true;
        case Kind::Notify:
            if (entry.code != code)
                continue;
            entry.notify(*static_cast<NotifyInfo*>(extra));
            return true;
        }
    }
    return false;
}

bool CmdTarget::HasCommandHandler(std::uint32_t id)
{
    CmdHandlerQuery query;
    return OnCmdMsg(id, kCommandCode, &query);
}

void CmdTarget::OnCommand(std::uint32_t id, std::function<void()> handler)
{
    std::function<void(std::uint32_t)> command;
    if (handler)
        command = [handler = std::move(handler)](std::uint32_t) { handler(); };
    Add({Kind::Command, id, id, kCommandCode, std::move(command), {}, {}});
}

void CmdTarget::OnUpdate(std::uint32_t id, std::function<void(CmdUI&)> handler)
{
    Add({Kind::Update, id, id, kUpdateCode, {}, std::move(handler), {}});
}

void CmdTarget::OnRange(std::uint32_t first, std::uint32_t last, std::function<void(std::uint32_t)> handler)
{
    Add({Kind::Command, first, last, kCommandCode, std::move(handler), {}, {}});
}

void CmdTarget::OnUpdateRange(std::uint32_t first, std::uint32_t last, std::function<void(CmdUI&)> handler)
{
    Add({Kind::Update, first, last, kUpdateCode, {}, std::move(handler), {}});
}

void CmdTarget::OnNotify(std::uint32_t id, int code, std::function<void(NotifyInfo&)> handler)
{
    Add({Kind::Notify, id, id, code, {}, {}, std::move(handler)});
}

void CmdTarget::OnNotifyRange(std::uint32_t first, std::uint32_t last, int code,
                              std::function<void(NotifyInfo&)> handler)
{
    Add({Kind::Notify, first, last, code, {}, {}, std::move(handler)});
}

void CmdTarget::Add(Entry entry)
{
    // A table entry that can never run is a programming error in the target's constructor.
    const bool callable = entry.command || entry.update || entry.notify;
    if (!callable || entry.first > entry.last
        || (entry.kind == Kind::Notify && (entry.code == kCommandCode || entry.code == kUpdateCode)))
    {
        qCWarning(lcUi) << "CmdTarget: refused a handler entry for ids" << entry.first << "to" << entry.last
                        << "code" << entry.code;
        return;
    }
    m_entries.push_back(std::move(entry));
}
