#include "platform/ui/CmdTarget.h"
#include "platform/ui/NotifyCodes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace
{
// A target whose table holds one entry of every kind and records which handler ran.
class TableTarget : public CmdTarget
{
public:
    TableTarget()
    {
        OnCommand(100, [this] { calls.push_back("command 100"); });
        OnUpdate(100, [this](CmdUI& ui) {
            calls.push_back("update 100");
            ui.Enable(false);
        });
        OnRange(200, 209, [this](std::uint32_t id) { calls.push_back("range " + std::to_string(id)); });
        OnUpdateRange(200, 209, [this](CmdUI& ui) {
            calls.push_back("update range " + std::to_string(ui.Id()));
            ui.SetCheck(ui.Id() == 203 ? 1 : 0);
        });
        OnNotify(300, NotifyCodes::Execute, [this](NotifyInfo&) { calls.push_back("execute 300"); });
        OnNotify(300, NotifyCodes::CheckedItemQuery, [](NotifyInfo& info) { info.result = 5; });
        OnNotifyRange(400, 401, NotifyCodes::GalleryPreviewChange,
                      [this](NotifyInfo& info) { calls.push_back("preview " + std::to_string(info.id)); });
        // A second handler of the same command never runs: the first entry wins.
        OnCommand(100, [this] { calls.push_back("second command 100"); });
        // Exact entries do not shadow a range registered before them.
        OnCommand(205, [this] { calls.push_back("command 205"); });
    }

    std::vector<std::string> calls;
};
}

TEST(CmdTargetTest, RequestsDispatchAsTabled)
{
    struct Case
    {
        std::uint32_t id;
        int code;
        bool handled;
        const char* call;
    };
    const Case cases[] = {
        {100, CmdTarget::kCommandCode, true, "command 100"},
        {100, CmdTarget::kUpdateCode, true, "update 100"},
        {200, CmdTarget::kCommandCode, true, "range 200"},
        {209, CmdTarget::kCommandCode, true, "range 209"},
        {205, CmdTarget::kCommandCode, true, "range 205"},
        {203, CmdTarget::kUpdateCode, true, "update range 203"},
        {300, NotifyCodes::Execute, true, "execute 300"},
        {401, NotifyCodes::GalleryPreviewChange, true, "preview 401"},
        // Unknown ids, codes without a handler and ids just outside a range answer false.
        {101, CmdTarget::kCommandCode, false, nullptr},
        {101, CmdTarget::kUpdateCode, false, nullptr},
        {199, CmdTarget::kCommandCode, false, nullptr},
        {210, CmdTarget::kUpdateCode, false, nullptr},
        {300, CmdTarget::kCommandCode, false, nullptr},
        {300, NotifyCodes::GalleryPreviewChange, false, nullptr},
        {402, NotifyCodes::GalleryPreviewChange, false, nullptr},
        {100, NotifyCodes::Execute, false, nullptr},
    };
    for (const Case& c : cases)
    {
        TableTarget target;
        CmdUI ui(c.id);
        NotifyInfo info(c.id, c.code);
        void* extra = c.code == CmdTarget::kUpdateCode ? static_cast<void*>(&ui)
                      : c.code == CmdTarget::kCommandCode ? nullptr
                                                          : static_cast<void*>(&info);
        EXPECT_EQ(target.OnCmdMsg(c.id, c.code, extra), c.handled) << c.id << " code " << c.code;
        const std::vector<std::string> expected = c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{};
        EXPECT_EQ(target.calls, expected) << c.id << " code " << c.code;
    }
}

TEST(CmdTargetTest, UpdateHandlersSetTheCommandsState)
{
    TableTarget target;
    CmdUI disabled(100);
    ASSERT_TRUE(target.UpdateCommandUI(disabled));
    EXPECT_EQ(disabled.Enabled(), false);
    EXPECT_FALSE(disabled.Checked().has_value());

    CmdUI checked(203);
    CmdUI unchecked(204);
    target.UpdateCommandUI(checked);
    target.UpdateCommandUI(unchecked);
    EXPECT_EQ(checked.Checked(), 1);
    EXPECT_EQ(unchecked.Checked(), 0);
    EXPECT_FALSE(checked.Enabled().has_value());

    CmdUI unknown(999);
    EXPECT_FALSE(target.UpdateCommandUI(unknown));
    EXPECT_FALSE(unknown.Enabled().has_value());
}

TEST(CmdTargetTest, NotificationHandlersAnswerThroughTheResult)
{
    TableTarget target;
    NotifyInfo query(300, NotifyCodes::CheckedItemQuery);
    EXPECT_TRUE(target.SendNotify(query));
    EXPECT_EQ(query.result, 5);
}

TEST(CmdTargetTest, RequestsWithoutTheirObjectAreNotDispatched)
{
    TableTarget target;
    EXPECT_FALSE(target.OnCmdMsg(100, CmdTarget::kUpdateCode, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(300, NotifyCodes::Execute, nullptr));
    EXPECT_TRUE(target.calls.empty());
}

TEST(CmdTargetTest, TheFrameworksUpdateDisablesACommandThatNoHandlerRuns)
{
    struct Case
    {
        std::uint32_t id;
        bool disableIfNoHandler;
        std::optional<bool> enabled;
    };
    const Case cases[] = {
        // The update handler's own answer stands.
        {100, true, false},
        // The handler only checks: enabled, because a command handler is there.
        {203, true, true},
        {205, true, true},
        // Nobody runs the command: disabled, also for an id known to notifications only.
        {101, true, false},
        {300, true, false},
        // Without the rule, and for ids that are no commands, the control is left alone.
        {101, false, std::nullopt},
        {0, true, std::nullopt},
        {0x1FFFF, true, std::nullopt},
    };
    for (const Case& c : cases)
    {
        TableTarget target;
        CmdUI ui(c.id);
        ui.DoUpdate(target, c.disableIfNoHandler);
        EXPECT_EQ(ui.Enabled(), c.enabled) << c.id;
        for (const std::string& call : target.calls)
            EXPECT_EQ(call.rfind("update", 0), 0u) << "asking for a handler runs no command: " << call;
    }
}
