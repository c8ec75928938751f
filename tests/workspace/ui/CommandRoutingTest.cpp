#include "tests/workspace/ui/FrameFixture.h"

#include "platform/ui/CmdUI.h"
#include "ribbon/RibbonCommandIds.h"
#include "ribbon/themes/RibbonThemes.h"
#include "workspace/ui/PanelView.h"

// Every target knows a few ids, some of them shared, so the first in the routing order shows.
class CommandRoutingTest : public FrameFixture
{
protected:
    CommandRoutingTest()
    {
        const std::set<std::uint32_t> known[] = {{500, 501, 502}, {501, 503}, {504}, {505}, {506}, {507, 502}};
        PulpitFrame::CmdTargetMaker* targets[] = {&makers.general,           &makers.alerts,     &makers.ordersSheet,
                                                &makers.sessionStatistics, &makers.formations, &makers.formulaLanguage};
        for (int index = 0; index < 6; ++index)
        {
            *targets[index] = [this, name = kTargetNames[index], ids = known[index]](PulpitFrame&) {
                return std::make_shared<RecordingTarget>(name, ids, routed);
            };
        }
        windowTarget.ids = {500, 508};
        application.commands.ids = {510, 508};
    }

    // The handler that took the command, or "none".
    QString Route(std::uint32_t id)
    {
        routed.clear();
        const bool handled = frame->ExecuteCommand(id);
        return handled ? routed.join(QLatin1Char(';')) : QStringLiteral("none");
    }

    RecordingTarget styleTarget{QStringLiteral("style"), {500, 509}, routed};
};

TEST_F(CommandRoutingTest, TheFirstHandlerInTheProgramsOrderTakesTheCommand)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());
    window->ForceActivate();
    ASSERT_EQ(frame->GetActiveModuleWnd(), window);
    ASSERT_EQ(frame->GetCmdTargets().size(), 6u);

    const struct
    {
        std::uint32_t id;
        QString handler;
    } cases[] = {
        // The active window's target before the frame's, though both know the id.
        {500, QStringLiteral("window:500")},
        {501, QStringLiteral("general:501")},
        {503, QStringLiteral("alerts:503")},
        {502, QStringLiteral("general:502")},
        {507, QStringLiteral("formula:507")},
        // Then the application object, last.
        {510, QStringLiteral("application:510")},
        {511, QStringLiteral("none")},
    };
    for (const auto& item : cases)
        EXPECT_EQ(Route(item.id), item.handler) << item.id;

    // Update requests take the same road.
    routed.clear();
    CmdUI update(500);
    EXPECT_TRUE(frame->UpdateCommandUI(update));
    EXPECT_EQ(routed, QStringList{QStringLiteral("window:update:500")});
}

TEST_F(CommandRoutingTest, InStyleEditModeTheEditedStylesTargetStandsForTheWindows)
{
    MakeFrame();
    AddModuleWindow(*ActiveView())->ForceActivate();
    styleEdit->editedTarget = &styleTarget;

    EXPECT_EQ(Route(500), QStringLiteral("style:500"));
    EXPECT_EQ(Route(509), QStringLiteral("style:509"));
    // Known to the window's target only among the targets: it goes past it to the application.
    EXPECT_EQ(Route(508), QStringLiteral("application:508"));
    EXPECT_EQ(Route(501), QStringLiteral("general:501"));
}

TEST_F(CommandRoutingTest, AClosedActiveWindowIsSkipped)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());
    window->ForceActivate();
    delete window;

    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);
    EXPECT_EQ(Route(500), QStringLiteral("general:500"));
}

TEST_F(CommandRoutingTest, WhileClosingOnlyTheFrameworkIsAsked)
{
    MakeFrame();
    AddModuleWindow(*ActiveView())->ForceActivate();
    styleEdit->editedTarget = &styleTarget;
    frame->CleanResources(false);

    for (const std::uint32_t id : {500u, 501u, 507u, 509u})
        EXPECT_EQ(Route(id), QStringLiteral("none")) << id;
    EXPECT_EQ(Route(510), QStringLiteral("application:510"));
}

TEST_F(CommandRoutingTest, AProvidersEntryIsEnabledThoughNoTargetKnowsIt)
{
    MakeFrame();
    const std::vector<std::uint32_t> ids = frame->GetProviderEntries().GetIds();
    ASSERT_EQ(ids.size(), 1u);

    CmdUI update(ids.front());
    EXPECT_TRUE(frame->UpdateCommandUI(update));
    EXPECT_EQ(update.Enabled(), true);
    // The test provider's configuration changes nothing: the entry is handled, nothing reloads.
    EXPECT_TRUE(frame->ExecuteCommand(ids.front()));
    EXPECT_TRUE(frame->IsSessionLoaded());
    EXPECT_EQ(frame->GetPanels().size(), 1u);
}

TEST_F(CommandRoutingTest, TheFramesOwnCommandsChooseTheColourTheme)
{
    MakeFrame();
    EXPECT_TRUE(frame->ExecuteCommand(RibbonCommandIds::ID_THEME_2007_BLUE));
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 0);
    const int restores = g_statisticsFace.restores;
    EXPECT_TRUE(frame->ExecuteCommand(RibbonCommandIds::ID_THEME_2007_BLACK));
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 1);
    // A new theme shows the session statistics' panes again.
    EXPECT_EQ(g_statisticsFace.restores, restores + 1);
}

TEST_F(CommandRoutingTest, ACommandThatNoTargetHandlesIsDisabledAlsoOnceAWindowIsActive)
{
    MakeFrame();
    windowTarget.ids.insert(520);
    const auto enabled = [this](std::uint32_t id) {
        CmdUI update(id);
        update.DoUpdate(*frame, true);
        return update.Enabled().value_or(true);
    };
    const struct
    {
        std::uint32_t id;
        bool withoutWindow;
        bool withWindow;
    } cases[] = {
        {501, true, true},
        {510, true, true},
        {frame->GetProviderEntries().GetIds().front(), true, true},
        // Known to the window's target alone.
        {520, false, true},
        {511, false, false},
        {33677, false, false},
    };
    for (const auto& item : cases)
        EXPECT_EQ(enabled(item.id), item.withoutWindow) << item.id;

    AddModuleWindow(*ActiveView())->ForceActivate();
    ASSERT_NE(frame->GetActiveModuleWnd(), nullptr);
    for (const auto& item : cases)
        EXPECT_EQ(enabled(item.id), item.withWindow) << item.id;
    for (const QString& entry : std::as_const(routed))
        EXPECT_TRUE(entry.contains(QStringLiteral(":update:"))) << "no command ran: " << entry.toStdString();
}
