// The statistics window made through its module: the layout of its panes, the re-layout after a
// style change, its state in window files, and the font commands of its style.

#include "StatisticsUiFixture.h"

#include "platform/settings/Settings.h"
#include "platform/toolkit/TableCtrl.h"
#include "sessionstats/ui/OverallWnd.h"
#include "sessionstats/ui/SessionStatisticsTabWnd.h"
#include "sessionstats/ui/SessionStatisticsWindow.h"
#include "sessionstats/ui/SessionStatisticsWindowLink.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleTextField.h"
#include "tests/support/TempHome.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{
class SessionStatisticsWindowTest : public testing::Test, public StatisticsUiFixture
{
protected:
    void SetUp() override
    {
        module->SetWindowFactory(
            [](SessionStatisticsModule& owner) { return std::make_shared<SessionStatisticsWindowLink>(owner); });
        ASSERT_TRUE(module->EnsureWindow(nullptr));
        window = static_cast<SessionStatisticsWindow*>(module->GetWindow());
    }

    void TearDown() override { module->Shutdown(); }

    int BarHeight() const { return window->Bar().Painter().itemHeight; }

    TempHome home;
    SessionStatisticsWindow* window = nullptr;
};
}

TEST_F(SessionStatisticsWindowTest, PanesStackAndTheWindowFitsThem)
{
    SessionStatisticsTabWnd& tabs = window->TabWnd();
    EXPECT_EQ(tabs.GetActiveView(), 0);
    const int full = window->height();
    EXPECT_EQ(full, tabs.GetContentHeight() - tabs.GetActiveGridSpareHeight() + BarHeight()
                        + tabs.GetActiveGridSpareHeight());

    module->ToggleTopPane();
    EXPECT_EQ(window->Bar().geometry().top(), 0);
    EXPECT_EQ(window->height(), BarHeight());

    module->ToggleBottomPane();
    EXPECT_EQ(window->height(), 0);

    module->ToggleTopPane();
    module->ToggleBottomPane();
    EXPECT_EQ(window->height(), full);

    // A new theme shows every pane again.
    module->ToggleTopPane();
    module->ToggleBottomPane();
    module->RestoreDefaults();
    EXPECT_TRUE(module->IsTopPaneVisible());
    EXPECT_TRUE(module->IsBottomPaneVisible());
    EXPECT_EQ(window->height(), full);
}

TEST_F(SessionStatisticsWindowTest, AShorterTabGivesItsSpareHeightToTheBarOrShrinksTheWindow)
{
    SessionStatisticsTabWnd& tabs = window->TabWnd();
    const int full = window->height();
    const int tabHeight = tabs.height();
    tabs.SetActiveView(1);
    const int spare = tabs.GetActiveGridSpareHeight();
    ASSERT_GT(spare, 0);
    EXPECT_EQ(window->height(), full);
    EXPECT_EQ(tabs.height(), tabHeight - spare);
    EXPECT_EQ(window->Bar().height(), BarHeight() + spare);

    module->ToggleBottomPane();
    tabs.SetActiveView(0);
    const int summaryHeight = window->height();
    tabs.SetActiveView(2);
    EXPECT_EQ(window->height(), summaryHeight - spare);
}

TEST_F(SessionStatisticsWindowTest, AStyleChangeIsLaidOutOnTheNextTickNotAtOnce)
{
    window->OnTimer(SessionStatisticsWindow::kLayoutTimerId);
    const int width = window->width();
    module->UpdateStyle(StyleBase::kOwnStyleId);
    for (int kind = 0; kind < 4; ++kind)
        module->GetOwnStyle()->GetRelatedStyle(kind)->SetGdiObject(StyleTextField::ParamFont, StyleDefaults::Font(-20));
    module->RefreshStyle();
    EXPECT_TRUE(window->IsLayoutPending());
    EXPECT_EQ(window->width(), width);

    window->OnTimer(SessionStatisticsWindow::kLayoutTimerId);
    EXPECT_FALSE(window->IsLayoutPending());
    EXPECT_GT(window->width(), width);
    // Both grids are as wide as each other, give or take the rounding of each column.
    EXPECT_NEAR(window->TabWnd().Grid(0).GetTotalColumnsWidth(), window->TabWnd().Grid(-1).GetTotalColumnsWidth(), 7);
}

TEST_F(SessionStatisticsWindowTest, TheWindowFileKeepsThePanesTheActiveTabAndTheStyle)
{
    window->TabWnd().SetActiveView(4);
    module->ToggleBottomPane();
    module->ChangeDSParam(0, StyleSessionStatistics::ParamOverallFontCommand, qint32(0x7FFFFFFE));
    const LogFont larger = *module->Style()->GetGdiObject(StyleSessionStatistics::ParamOverallFont).Font();
    const QString path = QDir(home.Path()).filePath(QStringLiteral("okno.q4SS"));
    ASSERT_TRUE(module->SaveWindowToFile(window, path, 0, false));

    SessionStatisticsModule reader(mediator, clock);
    reader.SetWindowFactory(
        [](SessionStatisticsModule& owner) { return std::make_shared<SessionStatisticsWindowLink>(owner); });
    ASSERT_TRUE(reader.OpenWindowFromFile(nullptr, path, true));
    auto* read = static_cast<SessionStatisticsWindow*>(reader.GetWindow());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->TabWnd().GetActiveView(), 4);
    EXPECT_FALSE(reader.IsBottomPaneVisible());
    EXPECT_TRUE(reader.IsTopPaneVisible());
    EXPECT_EQ(*reader.Style()->GetGdiObject(StyleSessionStatistics::ParamOverallFont).Font(), larger);
    reader.Shutdown();
}

TEST_F(SessionStatisticsWindowTest, FontCommandsChangeTheEditedFontsAndMarkThem)
{
    const LogFont before = *module->Style()->GetGdiObject(StyleSessionStatistics::ParamOverallFont).Font();
    module->ChangeDSParam(0, StyleSessionStatistics::ParamOverallFontCommand, qint32(0x7FFFFFFE));
    const std::shared_ptr<StyleBase> own = module->GetOwnStyle();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->GetGdiObject(9).Font()->lfHeight, before.lfHeight - 1);
    EXPECT_TRUE(own->IsChangedParameter(StyleSessionStatistics::ParamOverallFontCommand));

    module->ChangeDSParam(2, 12, qint32(0x7FFFFFFD));
    const LogFont falls = *own->GetRelatedStyle(1)->GetGdiObject(StyleTextField::ParamFont).Font();
    const LogFont rises = *own->GetRelatedStyle(0)->GetGdiObject(StyleTextField::ParamFont).Font();
    EXPECT_EQ(std::abs(falls.lfHeight), std::abs(rises.lfHeight) - 1);
    EXPECT_TRUE(own->GetRelatedStyle(1)->IsChangedParameter(StyleTextField::ParamFont));

    module->ChangeDSParam(0, StyleSessionStatistics::ParamOverallFontCommand, qint32(0x7FFFFFFF));
    EXPECT_EQ(*own->GetGdiObject(9).Font(), before);
    EXPECT_FALSE(own->IsChangedParameter(StyleSessionStatistics::ParamOverallFontCommand));

    EXPECT_EQ(module->GetStyleToEdit(own, 3), own->GetRelatedStyle(2));
    EXPECT_EQ(module->GetStyleToEdit(own, 5), nullptr);
}

TEST_F(SessionStatisticsWindowTest, ClosingTheWindowLetsTheModuleMakeANewOne)
{
    delete window;
    EXPECT_EQ(module->GetWindow(), nullptr);
    ASSERT_TRUE(module->EnsureWindow(nullptr));
    EXPECT_NE(module->GetWindow(), nullptr);
}
