#pragma once
// A frame's command routing for tests: takes every command and notification and records it,
// and answers update-UI requests with the handlers a test gives per id (counting every request).
// It has a handler for every command, so the ribbon never disables a control for lack of one.

#include "platform/ui/CmdTarget.h"

#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class RecordingCommandTarget : public CmdTarget
{
public:
    struct Notification
    {
        std::uint32_t id;
        int code;
        QObject* control;
    };

    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override;

    void SetUpdate(std::uint32_t id, std::function<void(CmdUI&)> handler) { m_updates[id] = std::move(handler); }

    std::vector<std::uint32_t> commands;
    std::vector<Notification> notifications;
    std::map<std::uint32_t, int> updateRequests;

private:
    std::map<std::uint32_t, std::function<void(CmdUI&)>> m_updates;
};
