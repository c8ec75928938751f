#include "platform/ui/Wnd.h"
#include "ribbon/alertstab/ITabCtrlExOwner.h"
#include "ribbon/alertstab/TabCtrlEx.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <vector>

namespace
{
// The main frame: it records the window messages posted to it.
class RecordingFrame : public QWidget, public Wnd
{
public:
    RecordingFrame()
        : Wnd(this)
    {
    }

    std::vector<std::uint32_t> received;

protected:
    LResult WindowProc(const WindowMessage& message) override
    {
        received.push_back(message.message);
        return 0;
    }
};

// The alerts window's side: its active-tab number starts at 2, as the window's does.
struct FakeAlertsWindow : ITabCtrlExOwner
{
    void SetActiveTab(int number) override { activeTab = number; }
    void OnTabChanged() override { ++tabChanges; }

    int activeTab = 2;
    int tabChanges = 0;
};

// The frame holds the tab control with three views: defined alerts (id 1), generated alerts
// (id 2) and one of another id.
class TabCtrlExTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TestApplication::Ensure(); }

    void SetUp() override
    {
        tabs = new TabCtrlEx(&frame);
        auto* layout = new QVBoxLayout(&frame);
        layout->addWidget(tabs);
        const int ids[] = {TabCtrlEx::kDefinedAlertsViewId, TabCtrlEx::kGeneratedAlertsViewId, 3};
        for (const int id : ids)
        {
            auto* view = new QLineEdit;
            TabCtrlEx::SetViewControlId(view, id);
            tabs->addTab(view, QStringLiteral("Widok %1").arg(id));
            views.push_back(view);
        }
        frame.show();
        QCoreApplication::processEvents();
        frame.received.clear();
    }

    int UpdateRibbonPosts()
    {
        QCoreApplication::processEvents();
        return static_cast<int>(std::count(frame.received.begin(), frame.received.end(), TabCtrlEx::UpdateRibbonMessage()));
    }

    RecordingFrame frame;
    TabCtrlEx* tabs = nullptr;
    std::vector<QWidget*> views;
    FakeAlertsWindow owner;
};

TEST_F(TabCtrlExTest, ActivatingBeforeTheOwnerIsSetChangesNoFieldButActivates)
{
    tabs->ActivateView(views[1]);
    EXPECT_EQ(tabs->currentWidget(), views[1]);
    tabs->SetOwner(&owner);
    EXPECT_EQ(owner.activeTab, 2);
}

TEST_F(TabCtrlExTest, TheViewsControlIdSetsTheOwnersActiveTab)
{
    tabs->SetOwner(&owner);
    const struct
    {
        int view;
        int activeTab;
    } steps[] = {{1, 1}, {0, 0}, {2, 0}, {1, 1}, {2, 1}};
    for (const auto& step : steps)
    {
        tabs->ActivateView(views[static_cast<std::size_t>(step.view)]);
        EXPECT_EQ(tabs->currentWidget(), views[static_cast<std::size_t>(step.view)]);
        EXPECT_EQ(owner.activeTab, step.activeTab) << "view " << step.view;
    }
}

TEST_F(TabCtrlExTest, AViewThatIsNoPageOnlyTellsTheOwner)
{
    tabs->SetOwner(&owner);
    QLineEdit stray;
    TabCtrlEx::SetViewControlId(&stray, TabCtrlEx::kGeneratedAlertsViewId);
    tabs->ActivateView(&stray);
    EXPECT_EQ(owner.activeTab, 1);
    EXPECT_EQ(tabs->currentWidget(), views[0]);
}

TEST_F(TabCtrlExTest, ASelectionChangePostsExactlyOneRibbonUpdate)
{
    tabs->SetOwner(&owner);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(owner.activeTab, 1);
    EXPECT_EQ(owner.tabChanges, 1);
    EXPECT_EQ(UpdateRibbonPosts(), 1);

    tabs->ActivateView(views[0]);
    EXPECT_EQ(owner.tabChanges, 2);
    EXPECT_EQ(UpdateRibbonPosts(), 2);
}

TEST_F(TabCtrlExTest, WithoutAnOwnerTheRibbonUpdateIsStillPosted)
{
    tabs->setCurrentIndex(2);
    EXPECT_EQ(UpdateRibbonPosts(), 1);
}

TEST_F(TabCtrlExTest, TheFocusGoesOnToTheActiveView)
{
    QApplication::setActiveWindow(&frame);
    tabs->setCurrentIndex(1);
    tabs->setFocus();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return views[1]->hasFocus(); }, 1000));
}
}
