// The ribbon commands of the statistics window and its context menu.

#include "platform/modules/ISessionStatisticsModule.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DialogServices.h"
#include "sessionstats/ui/CmdTargetSessionStatistics.h"
#include "sessionstats/ui/SessionStatisticsContextMenu.h"
#include "styles/engine/IDefaultStyleProvider.h"
#include "styles/engine/ObjectWithStyle.h"
#include "tests/support/ui/FakeMenuTracker.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace
{
// Records what the commands ask of the module.
// The provider base comes first: it exists before the style object that is handed it.
class RecordingModule : public IDefaultStyleProvider, public ObjectWithStyle, public ISessionStatisticsModule
{
public:
    RecordingModule() : ObjectWithStyle(*this, 10) {}

    std::shared_ptr<StyleBase> DefaultStyle() const override { return nullptr; }
    void ChangeDSParam(int part, int parameter, qint32 value) override
    {
        calls << QStringLiteral("change %1 %2 %3").arg(part).arg(parameter).arg(quint32(value), 0, 16);
    }
    void OnStyleChanged() override { calls << QStringLiteral("changed"); }

    void ToggleWindow() override {}
    QWidget* GetWindow() const override { return nullptr; }
    bool IsWindowVisible() const override { return false; }
    bool IsWindowActive() const override { return false; }
    void ToggleTopPane() override { top = !top; }
    void ToggleBottomPane() override { bottom = !bottom; }
    bool IsTopPaneVisible() const override { return top; }
    bool IsBottomPaneVisible() const override { return bottom; }
    void RefreshStyle() override {}
    void RestoreDefaults() override {}

    QStringList calls;
    bool top = true;
    bool bottom = true;
};

class CheckedUI : public CmdUI
{
public:
    using CmdUI::CmdUI;
    void Enable(bool on) override { enabled = on; }
    void SetCheck(int check) override { checked = check; }
    bool enabled = false;
    int checked = -1;
};
}

TEST(CmdTargetSessionStatisticsTest, FontCommandsChangeTheFourTextStylesThenTheBar)
{
    RecordingModule module;
    CmdTargetSessionStatistics target([&module] { return &module; });
    for (std::uint32_t id : {956u, 957u, 958u})
    {
        module.calls.clear();
        ASSERT_TRUE(target.ExecuteCommand(id));
        const QString value = QString::number(id == 956 ? 0x7FFFFFFE : id == 957 ? 0x7FFFFFFD : 0x7FFFFFFF, 16);
        const QStringList expected = {
            QStringLiteral("change 1 12 ") + value, QStringLiteral("changed"), QStringLiteral("change 2 12 ") + value,
            QStringLiteral("changed"), QStringLiteral("change 3 12 ") + value, QStringLiteral("changed"),
            QStringLiteral("change 4 12 ") + value, QStringLiteral("changed"), QStringLiteral("change 0 15 ") + value,
            QStringLiteral("changed")};
        EXPECT_EQ(module.calls, expected) << id;
    }
}

TEST(CmdTargetSessionStatisticsTest, PaneCommandsToggleAndShowTheirState)
{
    RecordingModule module;
    CmdTargetSessionStatistics target([&module] { return &module; });
    ASSERT_TRUE(target.ExecuteCommand(33067));
    EXPECT_FALSE(module.top);
    CheckedUI top(33067);
    CheckedUI bottom(33068);
    ASSERT_TRUE(target.UpdateCommandUI(top));
    ASSERT_TRUE(target.UpdateCommandUI(bottom));
    EXPECT_TRUE(top.enabled);
    EXPECT_EQ(top.checked, 0);
    EXPECT_EQ(bottom.checked, 1);
    for (std::uint32_t id : {956u, 957u, 958u, 33393u, 33919u})
    {
        CheckedUI ui(id);
        EXPECT_TRUE(target.UpdateCommandUI(ui)) << id;
        EXPECT_TRUE(ui.enabled) << id;
    }
    // "Więcej opcji" has nothing to offer: it is shown, not enabled.
    CheckedUI more(33917);
    EXPECT_TRUE(target.UpdateCommandUI(more));
    EXPECT_FALSE(more.enabled);
    // Without a module the commands do nothing.
    CmdTargetSessionStatistics orphan([] { return nullptr; });
    EXPECT_TRUE(orphan.ExecuteCommand(33067));
    EXPECT_TRUE(orphan.ExecuteCommand(956));
}

TEST(SessionStatisticsContextMenuTest, MoveToListsTheWindowsAndIsGreyedWithoutThem)
{
    TestApplication::Ensure();
    std::vector<QString> names;
    QStringList moved;
    SessionStatisticsContextMenu menu([&names] { return names; }, [&moved](const QString& name) { moved << name; });
    ScopedFakeDialogs dialogs;
    FakeMenuTracker& tracker = dialogs.MenuTracker();

    tracker.Choose(SessionStatisticsContextMenu::ID_MOVE_TO);
    menu.ShowMenu(QPoint(10, 10));
    ASSERT_EQ(tracker.TimesShown(), 1);
    EXPECT_FALSE(tracker.Items().at(SessionStatisticsContextMenu::ID_MOVE_TO).enabled);
    EXPECT_TRUE(moved.isEmpty());

    names = {QStringLiteral("Wykres"), QStringLiteral("Tabela")};
    tracker.Choose(100001);
    menu.ShowMenu(QPoint(10, 10));
    EXPECT_EQ(moved, QStringList{QStringLiteral("Tabela")});

    for (std::uint32_t id : {1u, 99999u, 100002u, 100050u})
        menu.OnMenuCommand(id);
    EXPECT_EQ(moved.size(), 1);
}
