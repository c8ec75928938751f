#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonCommandIds.h"
#include "ribbon/RibbonTabsCreatorsQ4Classic.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ribbon/TestTabsCreator.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace
{
using namespace RibbonCommandIds;

constexpr std::uint32_t ID_TAB_MAIN = 34101;
constexpr std::uint32_t ID_TAB_TOOLS = 34102;
constexpr std::uint32_t ID_TAB_TABLE = 9;
constexpr std::uint32_t ID_TAB_INSTRUMENT = 11;

// The standard edition's ribbon with the quote tables' contextual tabs added.
class EditionWithTables : public RibbonTabsCreatorsQ4Classic
{
public:
    explicit EditionWithTables(IGenericModule* tables)
        : m_tables(tables)
    {
    }

    Creator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override
    {
        return std::make_shared<TestTabsCreator>(
            factory, ribbonBar, TestTabsCreator::Kind::Module, m_tables,
            std::vector<TestTabsCreator::TabLayout>{{ID_TAB_TABLE, RibbonTabLevelContext},
                                                  {ID_TAB_INSTRUMENT, RibbonTabLevelContext}});
    }

private:
    IGenericModule* m_tables;
};

class RibbonOnScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        ASSERT_TRUE(factory.CreateRibbon());
        for (const std::uint32_t id : {ID_TAB_TABLE, ID_TAB_INSTRUMENT})
            factory.FindTab(id)->SetContextColor(RibbonContextColorGreen);
        view = std::make_unique<RibbonBarView>(*factory.GetRibbonBar());
        view->resize(1100, view->sizeHint().height());
        view->show();
    }

    QPoint Center(const RibbonTabBase* tab)
    {
        for (const RibbonLayout::TabItem& item : view->Layout().tabs)
        {
            if (item.tab == tab)
                return item.rect.center();
        }
        ADD_FAILURE() << "tab not shown";
        return {};
    }

    QPoint Center(std::uint32_t controlId)
    {
        const RibbonLayout::ControlItem* item = view->Layout().FindControl(factory.FindControl(controlId));
        if (item == nullptr)
        {
            ADD_FAILURE() << "control not shown: " << controlId;
            return {};
        }
        return item->rect.center();
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

    int m_tablesModule = 0;
    IGenericModule* tables = reinterpret_cast<IGenericModule*>(&m_tablesModule);
    FakeRibbonsFactoryOwner owner;
    RibbonsFactory factory{owner, std::make_shared<EditionWithTables>(tables)};
    std::unique_ptr<RibbonBarView> view;
};
}

TEST_F(RibbonOnScreenTest, TheMainTabsShowAndTheirGroupsAreBuiltWhenFirstShown)
{
    QuorvantaRibbonBar& ribbon = *factory.GetRibbonBar();
    QuorvantaTab* main = factory.FindTab(ID_TAB_MAIN);
    QuorvantaTab* tools = factory.FindTab(ID_TAB_TOOLS);
    ASSERT_EQ(factory.GetMainTabs().size(), 2u);
    EXPECT_EQ(ribbon.GetSelectedTab(), main);
    EXPECT_EQ(main->GetCaption(), QStringLiteral("Główna"));
    EXPECT_EQ(main->GetTooltip(), QStringLiteral("Nowe okna, pulpity i moduły"));
    EXPECT_TRUE(main->AreGroupsCreated());
    EXPECT_FALSE(tools->AreGroupsCreated());
    EXPECT_EQ(view->Layout().tabs.size(), 2u) << "the contextual tabs wait for their window";

    Click(Center(tools));
    EXPECT_EQ(ribbon.GetSelectedTab(), tools);
    EXPECT_TRUE(tools->AreGroupsCreated());
    EXPECT_EQ(ribbon.GetRememberedLevel(), RibbonTabLevelMain);

    Click(Center(ID_OPTIONS));
    EXPECT_EQ(owner.Target().commands, std::vector<std::uint32_t>{ID_OPTIONS});
}

TEST_F(RibbonOnScreenTest, TheUpdatePassDrivesTheControlsThroughTheCommandTarget)
{
    RecordingCommandTarget& frame = owner.Target();
    bool minimized = false;
    frame.SetUpdate(ID_NEW_TABLE, [](CmdUI& ui) { ui.Enable(false); });
    frame.SetUpdate(ID_SESSION_STATISTICS, [](CmdUI& ui) { ui.SetCheck(1); });
    frame.SetUpdate(ID_RIBBON_MINIMIZE, [&minimized](CmdUI& ui) {
        qobject_cast<RibbonControl*>(ui.Control())->SetVisible(!minimized);
    });
    frame.SetUpdate(ID_RIBBON_EXPAND, [&minimized](CmdUI& ui) {
        qobject_cast<RibbonControl*>(ui.Control())->SetVisible(minimized);
    });

    view->FireTimer(RibbonBarView::kUpdateTimerId);
    EXPECT_FALSE(factory.FindControl(ID_NEW_TABLE)->GetEnabled());
    EXPECT_EQ(factory.FindControl(ID_SESSION_STATISTICS)->GetChecked(), 1);
    ASSERT_EQ(view->Layout().rightControls.size(), 1u) << "never both ribbon-size buttons";
    EXPECT_EQ(view->Layout().rightControls[0].control->GetID(), ID_RIBBON_MINIMIZE);

    Click(Center(ID_NEW_TABLE));
    EXPECT_TRUE(frame.commands.empty()) << "a disabled button sends nothing";

    minimized = true;
    factory.GetRibbonBar()->SetRibbonMinimized(true);
    view->FireTimer(RibbonBarView::kUpdateTimerId);
    ASSERT_EQ(view->Layout().rightControls.size(), 1u);
    EXPECT_EQ(view->Layout().rightControls[0].control->GetID(), ID_RIBBON_EXPAND);
}

TEST_F(RibbonOnScreenTest, ContextualTabsFollowTheActiveWindowAndTheLevelTheUserChose)
{
    QuorvantaRibbonBar& ribbon = *factory.GetRibbonBar();
    UpdateRibbonContext tableWindow(tables);
    tableWindow.SetContextText(QStringLiteral("Notowania"));
    factory.UpdateRibbonContext(tableWindow);

    ASSERT_EQ(view->Layout().headers.size(), 1u);
    EXPECT_EQ(view->Layout().headers[0].header.caption, QStringLiteral("Notowania"));
    EXPECT_EQ(ribbon.GetSelectedTab(), factory.FindTab(ID_TAB_MAIN)) << "nothing chosen yet: the selection stays";

    Click(view->Layout().headers[0].rect.center());
    EXPECT_EQ(ribbon.GetSelectedTab(), factory.FindTab(ID_TAB_TABLE));
    EXPECT_EQ(ribbon.GetRememberedLevel(), RibbonTabLevelContext);

    factory.UpdateRibbonContext(UpdateRibbonContext());
    EXPECT_EQ(ribbon.GetSelectedTab(), factory.FindTab(ID_TAB_MAIN));
    EXPECT_TRUE(view->Layout().headers.empty());

    factory.UpdateRibbonContext(tableWindow);
    EXPECT_EQ(ribbon.GetSelectedTab(), factory.FindTab(ID_TAB_MAIN)) << "the user last chose a main tab";
    ribbon.SetLocked(true);
    Click(Center(factory.FindTab(ID_TAB_INSTRUMENT)));
    EXPECT_EQ(ribbon.GetSelectedTab(), factory.FindTab(ID_TAB_MAIN)) << "locked while printing";
}
