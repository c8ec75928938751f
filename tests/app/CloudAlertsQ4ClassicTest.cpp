#include "alerts/ui/AlertsInfoDlg.h"
#include "alerts/ui/CmdTargetAlerts.h"
#include "app/AlertModuleEx.h"
#include "app/CmdTargetGeneral.h"
#include "cloud/ui/CloudAlertDefinitionDlg.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/ICloudModule.h"
#include "platform/toolkit/TableCtrl.h"
#include "providers/simfeed/SimCatalogue.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/cloud/CloudFakes.h"
#include "tests/cloud/LoopbackHttpServer.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PulpitFrame.h"

#include <QPushButton>

namespace
{
class CloudAlertsQ4ClassicTest : public ClassicAppFixture
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

    int CloudRowIndex() const
    {
        return Alerts().GetAlertsListGrid().GetRowIdxForAlert(QStringLiteral("Miedź w chmurze"), IAlertListRow::kCloudRow);
    }

    bool Requested(const QByteArray& verb, const QByteArray& target) const
    {
        for (const LoopbackHttpServer::Request& request : server.Requests())
            if (request.method == verb && request.target == target)
                return true;
        return false;
    }

    static QByteArray Answer(const QString& list, const QString& content)
    {
        return QStringLiteral("<?xml version=\"1.0\"?><response><%1>%2</%1></response>").arg(list, content).toUtf8();
    }

    const SimInstrument instrument = SimCatalogue::Instruments().front();
    LoopbackHttpServer server{[this](const LoopbackHttpServer::Request& request) {
        LoopbackHttpServer::Reply reply;
        if (request.target.startsWith("/rest/user.xml"))
            reply.body = UserAnswer(QStringLiteral("77")).toUtf8();
        else if (request.target == "/rest/token/.xml")
            reply.body = TokenAnswer(QStringLiteral("T1")).toUtf8();
        else if (request.target.startsWith("/rest/alertdefinition.xml"))
            reply.body = Answer(QStringLiteral("alertdefinition"),
                                QStringLiteral("<a><id>5</id><name>Miedź w chmurze</name><isin>%1</isin><status>10</status>"
                                               "<status2>1</status2><start_from_side>66</start_from_side>"
                                               "<buy_item_type>1</buy_item_type><buy_operator>1</buy_operator>"
                                               "<buy_value>10</buy_value><notifications>64</notifications></a>")
                                    .arg(instrument.isin));
        else if (request.target.startsWith("/rest/alertevent.xml"))
            reply.body = Answer(QStringLiteral("alertevent"),
                                QStringLiteral("<e><id_event>1</id_event><id_alert>5</id_alert><side>66</side>"
                                               "<instrument_price>12.5</instrument_price>"
                                               "<source_time>1700000000</source_time></e>"));
        else
            reply.status = 204;
        return reply;
    }};
};
}

TEST_F(CloudAlertsQ4ClassicTest, TheServersAlertsFillTheAlertsWindowSurviveADesktopAndAreEditedInTheirDialog)
{
    ASSERT_TRUE(server.IsListening());
    WriteCloudAccount(server.BaseUrl());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(TestApplication::ProcessEventsUntil(
        [&] { return CloudRowIndex() != -1 && Alerts().GetAlertsHistory().GetRowCount() == 1; }, 15000));
    const auto row = Alerts().GetAlertsListGrid().GetRowInfo(CloudRowIndex());
    EXPECT_EQ(row->instrument, instrument.name);
    EXPECT_TRUE(row->active);
    EXPECT_EQ(Alerts().GetAlertsHistory().GetRow(0)->GetColumnText(0), QStringLiteral("Miedź w chmurze"));

    // Loading a desktop empties the module; the cloud's row comes back.
    Mediator().GetAlertModule()->ClearAll();
    EXPECT_NE(CloudRowIndex(), -1);

    ASSERT_TRUE(Execute(CmdTargetGeneral::ID_ALERTS_MANAGER));
    auto* window = dynamic_cast<AlertsInfoDlg*>(Alerts().GetVisibleAlertsInfoDlg()->GetWindow());
    ASSERT_NE(window, nullptr);
    window->DefinedHandler().SetSelectedRow(CloudRowIndex(), false);
    ASSERT_TRUE(Execute(CmdTargetAlerts::ID_ALERT_EDIT));
    auto* dialog = dynamic_cast<CloudAlertDefinitionDlg*>(Mediator().GetCloudModule()->GetAlertDefinitionDlg());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Miedź w chmurze - edycja alertu w Chmurze"));
    dialog->OkButton()->click();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return Requested("PUT", "/rest/alertdefinition/5"); }, 10000));
    EXPECT_TRUE(TestApplication::ProcessEventsUntil(
        [&] { return Mediator().GetCloudModule()->GetAlertDefinitionDlg() == nullptr; }, 5000));

    // The grid itself: a double click opens the cloud alert's dialog, Delete deletes it on the server.
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return CloudRowIndex() != -1; }, 10000));
    window->DefinedHandler().SetSelectedRow(CloudRowIndex(), false);
    window->DefinedHandler().OnRowDoubleClick(CloudRowIndex(), QPoint());
    dialog = dynamic_cast<CloudAlertDefinitionDlg*>(Mediator().GetCloudModule()->GetAlertDefinitionDlg());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->CancelButton()->click();
    window->DefinedHandler().SetSelectedRow(CloudRowIndex(), false);
    window->DefinedHandler().OnKeyDown(AlertsInfoGridHandlerBase::kKeyDelete);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return Requested("DELETE", "/rest/alertdefinition/5"); }, 10000));
    Exit();
}
