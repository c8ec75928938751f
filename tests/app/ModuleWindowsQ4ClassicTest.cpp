#include "app/CmdTargetGeneral.h"
#include "charts/ui/ChartCommandIds.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/MessageBoxFlags.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"

#include <QCoreApplication>
#include <QPointer>

namespace
{
class ModuleWindowsQ4ClassicTest : public ClassicAppFixture
{
protected:
    PulpitFrame& Frame() const { return dynamic_cast<PulpitFrame&>(*Mediator().GetMainFrame()); }
};
}

// Closing every window with a chart active leaves no chart tab on the ribbon and no chart
// command that reaches a window.
TEST_F(ModuleWindowsQ4ClassicTest, CloseAllWithAChartActiveLeavesNoChartContextOrCommand)
{
    ScopedFakeDialogs dialogs;
    ASSERT_TRUE(Start());
    PulpitFrame& frame = Frame();
    ChartConsumer* charts = Mediator().GetConsumerManager()->GetChartConsumer();
    ASSERT_NE(charts, nullptr);
    auto* view = qobject_cast<PanelView*>(Mediator().GetActivePanelView());
    ASSERT_NE(view, nullptr);
    const Asset asset = Mediator().GetDefaultProvider()->GetAllAssets().front();
    ASSERT_TRUE(charts->OpenNewChart(view, asset, nullptr, nullptr, EChartType{}, ETimeAxisType{}));
    QPointer<ModuleWndBase> chart = view->GetModuleWindows().front();
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return frame.GetActiveModuleWnd() == chart; }));
    IGenericModule* module = chart->GetModule();
    const auto chartTabShown = [&] {
        for (const QuorvantaTab* tab : frame.GetRibbonsFactory()->GetModuleTabs(module))
            if (tab->IsVisible())
                return true;
        return false;
    };
    ASSERT_TRUE(chartTabShown());
    const std::uint32_t commands[] = {ChartCommandIds::ID_ZOOM_IN, ChartCommandIds::ID_ZOOM_OUT, ChartCommandIds::ID_SHOW_ALL,
                                      ChartCommandIds::ID_INTERVAL, ChartCommandIds::ID_DATA_RANGE};
    const auto enabled = [&](std::uint32_t id) {
        CmdUI state(id);
        state.DoUpdate(frame, true);
        return state.Enabled().value_or(true);
    };
    EXPECT_TRUE(enabled(ChartCommandIds::ID_ZOOM_IN));

    dialogs.MessageBox().QueueAnswer(IDYES);
    frame.OnCmdMsg(CmdTargetGeneral::ID_CLOSE_ALL_WINDOWS, 0, nullptr);
    // A closed window is deleted once control is back in the event loop.
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return chart.isNull();
    }));
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return !chartTabShown(); }));
    EXPECT_EQ(frame.GetActiveModuleWnd(), nullptr);
    EXPECT_TRUE(view->GetModuleWindows().empty());
    for (const std::uint32_t id : commands)
    {
        EXPECT_FALSE(enabled(id)) << id;
        frame.OnCmdMsg(id, 0, nullptr);
    }
    EXPECT_TRUE(view->GetModuleWindows().empty());
    Exit();
}
