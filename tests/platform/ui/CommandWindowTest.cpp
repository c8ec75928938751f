#include "platform/ui/CommandActions.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QMainWindow>
#include <QToolBar>

#include <gtest/gtest.h>

#include <thread>

namespace
{
constexpr std::uint32_t ID_NEW_SCREEN = 32989;
constexpr std::uint32_t ID_THEME_FIRST = 33604;
constexpr std::uint32_t ID_THEME_LAST = 33610;

// A main window that is its own command target, as the program's frame is.
class ScreensWindow : public QMainWindow, public Wnd
{
public:
    ScreensWindow()
        : Wnd(this)
        , m_actions(*this, this)
    {
        OnCommand(ID_NEW_SCREEN, [this] { ++screens; });
        OnUpdate(ID_NEW_SCREEN, [this](CmdUI& ui) { ui.Enable(screens < kScreensLimit); });
        OnRange(ID_THEME_FIRST, ID_THEME_LAST, [this](std::uint32_t id) { theme = static_cast<int>(id - ID_THEME_FIRST); });
        OnUpdateRange(ID_THEME_FIRST, ID_THEME_LAST,
                      [this](CmdUI& ui) { ui.SetCheck(static_cast<int>(ui.Id() - ID_THEME_FIRST) == theme ? 1 : 0); });

        QToolBar* bar = addToolBar(QStringLiteral("Pasek"));
        newScreen = m_actions.Create(ID_NEW_SCREEN, bar);
        bar->addAction(newScreen);
        for (std::uint32_t id = ID_THEME_FIRST; id <= ID_THEME_FIRST + 1; ++id)
        {
            themes.push_back(bar->addAction(QStringLiteral("Motyw %1").arg(id - ID_THEME_FIRST)));
            m_actions.Bind(themes.back(), id);
        }
    }

    CommandActions& Actions() { return m_actions; }

    static constexpr int kScreensLimit = 2;
    int screens = 0;
    int theme = 1;
    QAction* newScreen = nullptr;
    std::vector<QAction*> themes;

private:
    CommandActions m_actions;
};

class CommandWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }
};
}

TEST_F(CommandWindowTest, ActionsDriveCommandsAndTheUpdatePassDrivesActions)
{
    ScreensWindow window;
    EXPECT_EQ(window.newScreen->text(), QStringLiteral("Ekran"));
    EXPECT_EQ(window.newScreen->statusTip(), QStringLiteral("Otwiera nowy ekran"));
    EXPECT_FALSE(window.newScreen->icon().isNull());

    window.Actions().UpdateAll();
    EXPECT_TRUE(window.newScreen->isEnabled());
    EXPECT_FALSE(window.themes[0]->isChecked());
    EXPECT_TRUE(window.themes[1]->isChecked());

    window.newScreen->trigger();
    window.themes[0]->trigger();
    EXPECT_EQ(window.screens, 1);
    EXPECT_EQ(window.theme, 0);

    window.Actions().UpdateAll();
    EXPECT_TRUE(window.themes[0]->isChecked());
    EXPECT_FALSE(window.themes[1]->isChecked());

    // A command posted from a worker thread takes the same road, and the periodic update
    // pass notices the new state.
    window.Actions().StartUpdates(10);
    std::thread worker([handle = window.GetSafeHwnd()] {
        Wnd::PostMessage(handle, WM_COMMAND, MakeCommandWParam(ID_NEW_SCREEN));
    });
    worker.join();
    TestApplication::ProcessEventsUntil([&window] { return !window.newScreen->isEnabled(); });
    EXPECT_EQ(window.screens, 2);
    EXPECT_FALSE(window.newScreen->isEnabled());
}

TEST_F(CommandWindowTest, ContextMenuChoiceIsExecutedAsACommand)
{
    ScopedFakeDialogs dialogs;
    ScreensWindow window;
    window.theme = 3;
    const Menu menu({MenuItem::Command(ID_THEME_FIRST + 3, QStringLiteral("Srebrny")),
                     MenuItem::Command(ID_THEME_FIRST + 4, QStringLiteral("Aqua"))});
    dialogs.MenuTracker().Choose(ID_THEME_FIRST + 4);

    const std::uint32_t chosen = Menu::TrackPopupMenu(*menu.Get(), QPoint(5, 5), &window);
    EXPECT_TRUE(dialogs.MenuTracker().Items().at(ID_THEME_FIRST + 3).checked);
    EXPECT_FALSE(dialogs.MenuTracker().Items().at(ID_THEME_FIRST + 4).checked);
    ASSERT_EQ(chosen, ID_THEME_FIRST + 4);
    EXPECT_EQ(window.SendMessage(WM_COMMAND, MakeCommandWParam(chosen)), 1);
    EXPECT_EQ(window.theme, 4);
}
