#include "platform/ui/CmdTarget.h"
#include "platform/ui/Menu.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
const MenuTable kStyleEditMenu = {
    MenuItem::Popup(QStringLiteral("&Plik"),
                    {
                        MenuItem::Command(57664, QStringLiteral("O programie...")),
                        MenuItem::Command(33577, QStringLiteral("Pomoc")),
                        MenuItem::Separator(),
                        MenuItem::Popup(QStringLiteral("Więcej"), {MenuItem::Command(33466, QStringLiteral("Zamknij\tAlt+F4"))}),
                        MenuItem::Command(33467, QStringLiteral("Opcje"), true),
                    }),
};

class HelpTarget : public CmdTarget
{
public:
    HelpTarget()
    {
        OnUpdate(33577, [](CmdUI& ui) {
            ui.Enable(false);
            ui.SetText(QStringLiteral("Pomoc (niedostępna)"));
        });
        OnUpdate(33466, [](CmdUI& ui) { ui.SetCheck(1); });
        OnCommand(57664, [] {});
    }
};

class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }
    ScopedFakeDialogs m_dialogs;
};
}

TEST_F(MenuTest, BuildsTheTable)
{
    Menu menu(kStyleEditMenu);
    QMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
    ASSERT_EQ(file->actions().size(), 5);
    EXPECT_TRUE(file->actions()[2]->isSeparator());
    EXPECT_EQ(Menu::CommandId(file->actions()[0]), 57664u);
    EXPECT_EQ(Menu::CommandId(file->actions()[3]), 0u);
    ASSERT_NE(menu.FindItem(33466), nullptr);
    EXPECT_EQ(menu.FindItem(33466)->text(), QStringLiteral("Zamknij\tAlt+F4"));
    EXPECT_FALSE(menu.FindItem(33467)->isEnabled());
    EXPECT_EQ(menu.FindItem(1), nullptr);
}

TEST_F(MenuTest, TrackPopupMenuAnswersTheChosenCommand)
{
    Menu menu(kStyleEditMenu);
    m_dialogs.MenuTracker().Choose(33466);
    EXPECT_EQ(Menu::TrackPopupMenu(*menu.GetSubMenu(0), QPoint(40, 50)), 33466u);
    EXPECT_EQ(m_dialogs.MenuTracker().LastPosition(), QPoint(40, 50));

    // Dismissed, or a grayed item that cannot be chosen: 0.
    m_dialogs.MenuTracker().Choose(0);
    EXPECT_EQ(Menu::TrackPopupMenu(*menu.GetSubMenu(0), QPoint()), 0u);
    m_dialogs.MenuTracker().Choose(33467);
    EXPECT_EQ(Menu::TrackPopupMenu(*menu.GetSubMenu(0), QPoint()), 0u);
    EXPECT_EQ(m_dialogs.MenuTracker().TimesShown(), 3);
}

TEST_F(MenuTest, UpdateHandlersRunBeforeTheMenuShows)
{
    Menu menu(kStyleEditMenu);
    HelpTarget target;
    m_dialogs.MenuTracker().Choose(33577);
    EXPECT_EQ(Menu::TrackPopupMenu(*menu.GetSubMenu(0), QPoint(), &target), 0u);

    const auto& items = m_dialogs.MenuTracker().Items();
    EXPECT_FALSE(items.at(33577).enabled);
    EXPECT_EQ(items.at(33577).text, QStringLiteral("Pomoc (niedostępna)"));
    EXPECT_TRUE(items.at(33466).checked);
    // Where no update handler decides, an item is enabled exactly when a command handler runs it.
    EXPECT_FALSE(items.at(33466).enabled);
    EXPECT_TRUE(items.at(57664).enabled);
    EXPECT_FALSE(items.at(33467).enabled);
}
