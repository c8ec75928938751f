#include "alerts/engine/BLAlert.h"
#include "alerts/ui/AlertArgDescReportRecordItem.h"
#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/AlertSubexpressionsReportControl.h"
#include "alerts/ui/DirectAlertPanelDlg.h"
#include "alerts/ui/SubExpressionRecord.h"
#include "alerts/ui/AlertsInfoDlg.h"
#include "alerts/ui/CmdTargetAlerts.h"
#include "alerts/ui/RibbonAlertsTabs.h"
#include "app/AlertModuleEx.h"
#include "app/CmdTargetGeneral.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/DDBaseDataObject.h"
#include "platform/toolkit/TableCtrl.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"

namespace
{
class AlertsWindowQ4ClassicTest : public ClassicAppFixture
{
protected:
    AlertModule& Alerts() const { return dynamic_cast<AlertModuleEx&>(*Mediator().GetAlertModule()).Module(); }
    PulpitFrame& Frame() const { return dynamic_cast<PulpitFrame&>(*Mediator().GetMainFrame()); }

    bool Execute(std::uint32_t id)
    {
        for (const std::shared_ptr<CmdTarget>& target : Frame().GetCmdTargets())
        {
            if (target->ExecuteCommand(id))
                return true;
        }
        return false;
    }

    bool Enabled(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        for (const std::shared_ptr<CmdTarget>& target : Frame().GetCmdTargets())
        {
            if (target->UpdateCommandUI(cmdUI))
                break;
        }
        return cmdUI.Enabled().value_or(false);
    }
};
}

TEST_F(AlertsWindowQ4ClassicTest, TheRibbonOpensTheAlertsWindowInAPanelAndItsHistoryFillsFromTheFeed)
{
    ASSERT_TRUE(Start());
    AlertModule& alerts = Alerts();
    EXPECT_FALSE(Enabled(CmdTargetAlerts::ID_ALERT_NEW));
    ASSERT_TRUE(Execute(CmdTargetGeneral::ID_ALERTS_MANAGER));
    const std::shared_ptr<IAlertsInfoWindow> shown = alerts.GetVisibleAlertsInfoDlg();
    ASSERT_NE(shown, nullptr);
    auto* window = dynamic_cast<AlertsInfoDlg*>(shown->GetWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_NE(qobject_cast<PanelView*>(window->parentWidget()), nullptr);
    EXPECT_NE(Frame().GetRibbonsFactory()->FindTab(RibbonAlertsTabs::ID_TAB_ALERTS), nullptr);
    EXPECT_TRUE(Enabled(CmdTargetAlerts::ID_ALERT_NEW));

    // The turnover of the rising instruments, computed by the statistics worker from the feed.
    const AlertExprArgDesc turnover(QStringLiteral("SessionStatistics"), 11, QStringLiteral("obrót"), QString());
    auto alert = std::make_shared<BLAlert>(alerts);
    alert->Properties().SetName(QStringLiteral("obrót"));
    alert->BuySide().SetSideEnabled(true);
    SimpleExpr& expression = alert->BuySide().InsertExpression(0);
    expression.SetArgument(SimpleExpr::eLeft, turnover);
    expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(-1, 2));
    expression.SetCompareOperator(eCmpGreater);
    alerts.AddAlert(alert);
    // The alert leans on the module's registry, which goes with the program.
    alert.reset();
    EXPECT_EQ(window->DefinedTable().GetItemCount(), 1);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return window->GeneratedTable().GetItemCount() > 0; }, 15000));

    ASSERT_TRUE(Execute(CmdTargetGeneral::ID_ALERTS_MANAGER));
    EXPECT_EQ(alerts.GetVisibleAlertsInfoDlg(), nullptr);
    Exit();
}

TEST_F(AlertsWindowQ4ClassicTest, NewAlertOpensTheDefinitionDialogWhoseAlertFiresOnTheFeed)
{
    ASSERT_TRUE(Start());
    AlertModule& alerts = Alerts();
    ASSERT_TRUE(Execute(CmdTargetGeneral::ID_ALERTS_MANAGER));
    auto* window = dynamic_cast<AlertsInfoDlg*>(alerts.GetVisibleAlertsInfoDlg()->GetWindow());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Execute(CmdTargetAlerts::ID_ALERT_NEW));
    auto* dialog = qobject_cast<AlertDefinitionDlg*>(Mediator().GetAlertModule()->GetShownAlertDefinitionDlg());
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(qobject_cast<PanelView*>(dialog->parentWidget()), nullptr);
    // While it is shown, another "Nowy alert" only brings it up.
    ASSERT_TRUE(Execute(CmdTargetAlerts::ID_ALERT_NEW));
    EXPECT_EQ(Mediator().GetAlertModule()->GetShownAlertDefinitionDlg(), dialog);

    // The turnover dropped from the session statistics, against a typed constant.
    DDBaseDataObject turnover;
    turnover.SetupAlertArg(QStringLiteral("SessionStatistics"), 11, QStringLiteral("obrót"), QString());
    AlertSubexpressionsReportControl& report = dialog->BuyPanel().Report();
    SubExpressionRecord& row = report.Record(0);
    ASSERT_TRUE(report.CanDrop(row.LeftCell().mapTo(&report, row.LeftCell().rect().center())));
    ASSERT_TRUE(report.OnDrop(&turnover));
    report.BeginEdit(row);
    report.InplaceEdit().setText(QStringLiteral("-1"));
    report.EndEdit(true);
    ASSERT_TRUE(dialog->OnOK());

    EXPECT_EQ(Mediator().GetAlertModule()->GetShownAlertDefinitionDlg(), nullptr);
    EXPECT_EQ(window->DefinedTable().GetItemCount(), 1);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return window->GeneratedTable().GetItemCount() > 0; }, 15000));
    Exit();
}
