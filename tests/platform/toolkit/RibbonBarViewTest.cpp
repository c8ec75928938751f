#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/NotifyCodes.h"
#include "tests/support/toolkit/RecordingCommandTarget.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_CHART = 300;
constexpr std::uint32_t ID_DETAILS = 301;
constexpr std::uint32_t ID_OFFERS = 302;
constexpr std::uint32_t ID_SORT = 303;
constexpr std::uint32_t ID_SORT_UP = 304;
constexpr std::uint32_t ID_NAME = 305;
constexpr std::uint32_t ID_TOOLS = 306;

// A ribbon on screen (offscreen platform) with a main tab of large and small buttons, a
// split button with a popup and an edit, a second tab and a contextual tab.
class RibbonBarViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        commandBars.SetCommandTarget(&target);
        ribbon = commandBars.AddRibbonBar(std::make_unique<RibbonBarBase>(), QStringLiteral("Wstążka"));
        ribbon->AddSystemButton(33)->SetCaption(QStringLiteral("Plik"));
        main = ribbon->InsertTab(0, QStringLiteral("&Główna"), 1);
        tools = ribbon->InsertTab(1, QStringLiteral("Narzędzia"), 2);
        context = ribbon->InsertTab(2, QStringLiteral("Tabela"), 3);
        context->SetContextColor(RibbonContextColorGreen);
        context->SetContextCaption(QStringLiteral("Notowania"));
        RibbonGroupBase* windows = main->AddGroup(QStringLiteral("Nowe okno"), 10);
        chart = windows->Add(RibbonControlButton, ID_CHART, QStringLiteral("Wykres"));
        chart->SetStyle(RibbonControlStyle::Large);
        details = windows->Add(RibbonControlButton, ID_DETAILS, QStringLiteral("Szczegóły"));
        windows->Add(RibbonControlButton, ID_OFFERS, QStringLiteral("Oferty"));
        sort = windows->Add(RibbonControlSplitButtonPopup, ID_SORT, QStringLiteral("Sortuj"));
        sort->SetBeginGroup(true);
        auto popup = std::make_unique<RibbonPopupBar>();
        popup->Add(RibbonControlButton, ID_SORT_UP, QStringLiteral("Rosnąco"));
        sort->SetCommandBar(std::move(popup));
        name = qobject_cast<RibbonEditControl*>(
            main->AddGroup(QStringLiteral("Zawartość"), 11)->Add(RibbonControlEdit, ID_NAME, QStringLiteral("Nazwa")));
        tools->AddGroup(QStringLiteral("Program"), 12)->Add(RibbonControlButton, ID_TOOLS, QStringLiteral("Opcje"));
        ribbon->SetCurrentTab(main);
        view = std::make_unique<RibbonBarView>(*ribbon);
        view->resize(900, view->sizeHint().height());
        view->show();
    }

    const RibbonLayout::ControlItem& Item(const RibbonControl* control)
    {
        const RibbonLayout::ControlItem* item = view->Layout().FindControl(control);
        EXPECT_NE(item, nullptr);
        return *item;
    }

    QPoint TabCenter(const RibbonTabBase* tab)
    {
        for (const RibbonLayout::TabItem& item : view->Layout().tabs)
        {
            if (item.tab == tab)
                return item.rect.center();
        }
        ADD_FAILURE() << "tab not shown";
        return {};
    }

    void Click(const QPoint& point)
    {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        {
            QMouseEvent event(type, point, view->mapToGlobal(point), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view.get(), &event);
        }
    }

    RecordingCommandTarget target;
    CommandBars commandBars;
    RibbonBarBase* ribbon = nullptr;
    RibbonTabBase* main = nullptr;
    RibbonTabBase* tools = nullptr;
    RibbonTabBase* context = nullptr;
    RibbonControl* chart = nullptr;
    RibbonControl* details = nullptr;
    RibbonControl* sort = nullptr;
    RibbonEditControl* name = nullptr;
    std::unique_ptr<RibbonBarView> view;
};
}

TEST_F(RibbonBarViewTest, LaysOutTabsHeadersAndGroupsAndAnswersHitTests)
{
    const RibbonLayout& layout = view->Layout();
    ASSERT_EQ(layout.tabs.size(), 3u);
    ASSERT_EQ(layout.headers.size(), 1u);
    EXPECT_EQ(layout.headers[0].rect.left(), layout.tabs[2].rect.left()) << "the header stands over its tab";
    ASSERT_EQ(layout.groups.size(), 2u);
    EXPECT_GT(Item(chart).rect.height(), Item(details).rect.height() * 2) << "large above small";
    EXPECT_EQ(layout.groups[0].separators.size(), 1u) << "the begin-group flag starts a column after a line";

    struct Case
    {
        QPoint point;
        int code;
    };
    const Case cases[] = {{layout.systemButton.rect.center(), RibbonHitSystemMenu},
                          {QPoint(layout.width - 200, layout.tabRow.center().y()), RibbonHitCaption},
                          {layout.tabs[0].rect.center(), RibbonHitClient},
                          {QPoint(layout.width - 20, layout.groupRow.center().y()), RibbonHitClient},
                          {QPoint(5, layout.Height() + 5), RibbonHitNowhere}};
    for (const Case& test : cases)
        EXPECT_EQ(view->HitTest(test.point).code, test.code) << test.point.x() << "," << test.point.y();
    EXPECT_EQ(view->HitTest(Item(chart).rect.center()).control, chart);
    EXPECT_EQ(view->HitTest(layout.headers[0].rect.center()).headerFirstTab, context);
}

TEST_F(RibbonBarViewTest, MouseClicksSelectTabsAndReachTheCommandRouting)
{
    Click(Item(chart).rect.center());
    EXPECT_EQ(target.commands, std::vector<std::uint32_t>{ID_CHART});

    Click(TabCenter(tools));
    EXPECT_EQ(ribbon->GetSelectedTab(), tools);
    ASSERT_EQ(view->Layout().groups.size(), 1u) << "the groups of the selected tab show";
    EXPECT_EQ(view->Layout().groups[0].group, tools->GetGroups()[0].get());
}

TEST_F(RibbonBarViewTest, GroupsThatDoNotFitShrinkThenCollapseAndACollapsedGroupOpensItsControls)
{
    const auto reductions = [&] {
        std::vector<RibbonLayout::Reduction> all;
        for (const RibbonLayout::GroupItem& group : view->Layout().groups)
            all.push_back(group.reduction);
        return all;
    };
    using R = RibbonLayout::Reduction;
    EXPECT_EQ(reductions(), (std::vector<R>{R::None, R::None}));
    // Narrower: the rightmost group goes first, and nothing scrolls while collapsing helps.
    view->resize(200, view->height());
    EXPECT_EQ(reductions().back(), R::Collapsed);
    EXPECT_TRUE(view->Layout().scrollRight.isEmpty());
    view->resize(160, view->height());
    EXPECT_EQ(reductions(), (std::vector<R>{R::Collapsed, R::Collapsed}));
    EXPECT_TRUE(view->Layout().scrollRight.isEmpty());
    EXPECT_LE(view->Layout().groups.back().rect.right(), view->width());

    ScopedFakeDialogs dialogs;
    dialogs.MenuTracker().Choose(ID_CHART);
    Click(view->Layout().groups.front().collapsedButton.center());
    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 1);
    EXPECT_EQ(dialogs.MenuTracker().Items().count(ID_OFFERS), 1u) << "the group's controls are in its popup";
    EXPECT_EQ(target.commands, std::vector<std::uint32_t>{ID_CHART});
}

TEST_F(RibbonBarViewTest, GroupsWiderThanTheRibbonEvenCollapsedScrollSoThatEveryGroupCanBeReached)
{
    view->resize(80, view->height());
    const auto lastGroupRight = [&] { return view->Layout().groups.back().rect.right(); };
    ASSERT_FALSE(view->Layout().scrollRight.isEmpty());
    EXPECT_TRUE(view->Layout().scrollLeft.isEmpty()) << "nothing lies to the left yet";
    EXPECT_GT(lastGroupRight(), view->width());

    Click(view->Layout().scrollRight.center());
    EXPECT_GT(view->Layout().groupScroll, 0);
    EXPECT_FALSE(view->Layout().scrollLeft.isEmpty());
    EXPECT_TRUE(target.commands.empty()) << "an arrow runs no command of the control beneath it";

    for (int i = 0; i < 20; ++i)
    {
        QWheelEvent wheel(view->Layout().groupRow.center(), view->mapToGlobal(view->Layout().groupRow.center()),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.get(), &wheel);
    }
    EXPECT_TRUE(view->Layout().scrollRight.isEmpty()) << "scrolled to the end, and no further";
    EXPECT_LE(lastGroupRight(), view->width() - RibbonLayout::kScrollArrowWidth);
    EXPECT_TRUE(view->Layout().CollapsedGroupAt(view->Layout().groups.back().collapsedButton.center()))
        << "the last group is reachable";

    ribbon->SetCurrentTab(tools);
    ribbon->SetCurrentTab(main);
    EXPECT_EQ(view->Layout().groupScroll, 0) << "a tab shown again starts unscrolled";
}

TEST_F(RibbonBarViewTest, ASplitButtonsArrowOpensItsPopupWhoseChoiceRuns)
{
    ScopedFakeDialogs dialogs;
    target.SetUpdate(ID_SORT_UP, [](CmdUI& ui) { ui.SetCheck(1); });
    dialogs.MenuTracker().Choose(ID_SORT_UP);

    Click(Item(sort).arrowRect.center());

    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 1);
    EXPECT_TRUE(dialogs.MenuTracker().Items().at(ID_SORT_UP).checked) << "updated as the popup opened";
    EXPECT_EQ(target.commands, std::vector<std::uint32_t>{ID_SORT_UP});
}

TEST_F(RibbonBarViewTest, TheUpdateTimerAsksTheHandlersWhileTheRibbonShows)
{
    ASSERT_TRUE(view->HasTimer(RibbonBarView::kUpdateTimerId));
    bool enabled = true;
    target.SetUpdate(ID_DETAILS, [&enabled](CmdUI& ui) { ui.Enable(enabled); });

    enabled = false;
    ASSERT_TRUE(view->FireTimer(RibbonBarView::kUpdateTimerId));
    EXPECT_FALSE(details->GetEnabled());
    enabled = true;
    view->FireTimer(RibbonBarView::kUpdateTimerId);
    EXPECT_TRUE(details->GetEnabled());

    view->hide();
    EXPECT_FALSE(view->HasTimer(RibbonBarView::kUpdateTimerId)) << "no updates while hidden";
}

TEST_F(RibbonBarViewTest, AnEditIsAChildWidgetThatCommitsToItsControl)
{
    auto* edit = qobject_cast<QLineEdit*>(view->EditorOf(name));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(Item(name).rect.contains(edit->geometry().center()));

    edit->setText(QStringLiteral("Portfel"));
    emit edit->returnPressed();
    EXPECT_EQ(name->GetEditText(), QStringLiteral("Portfel"));
    ASSERT_FALSE(target.notifications.empty());
    EXPECT_EQ(target.notifications.back().id, ID_NAME);
    EXPECT_EQ(target.notifications.back().code, NotifyCodes::Execute);

    name->SetEditText(QStringLiteral("Akcje"));
    EXPECT_EQ(edit->text(), QStringLiteral("Akcje")) << "the control's text comes back to the widget";
    Click(TabCenter(tools));
    EXPECT_EQ(view->EditorOf(name), nullptr) << "no editor for a control not on screen";
}

TEST_F(RibbonBarViewTest, AMinimisedRibbonIsOnlyItsTabRow)
{
    const int expanded = view->sizeHint().height();
    ribbon->SetRibbonMinimized(true);
    EXPECT_EQ(view->sizeHint().height(), RibbonLayout::kHeaderHeight + RibbonLayout::kTabHeight);
    EXPECT_LT(view->sizeHint().height(), expanded);
    EXPECT_TRUE(view->Layout().groups.empty());
}

TEST(RibbonBarViewLifetimeTest, AViewThatOutlivesItsRibbonShowsNothing)
{
    TestApplication::Ensure();
    auto commandBars = std::make_unique<CommandBars>();
    RibbonBarBase* ribbon = commandBars->AddRibbonBar(std::make_unique<RibbonBarBase>(), QStringLiteral("Wstążka"));
    RibbonTabBase* tab = ribbon->InsertTab(0, QStringLiteral("Główna"), 1);
    tab->AddGroup(QStringLiteral("Pola"), 2)->Add(RibbonControlEdit, 3, QStringLiteral("Nazwa"));
    ribbon->SetCurrentTab(tab);
    RibbonBarView view(*ribbon);
    view.resize(600, 140);
    view.show();
    ASSERT_NE(view.EditorOf(ribbon->FindControl(3)), nullptr);

    commandBars.reset();

    EXPECT_EQ(view.Layout().Height(), 0);
    EXPECT_EQ(view.HitTest(QPoint(10, 10)).code, RibbonHitNowhere);
    view.grab();
    view.FireTimer(RibbonBarView::kUpdateTimerId);
}
