#include "alerts/engine/BLAlert.h"
#include "alerts/engine/IAlertModuleObserver.h"
#include "app/AlertModuleEx.h"
#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "orderssheet/engine/IOrdersSheetWindow.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/ProviderBase.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/cloud/CloudFakes.h"
#include "tests/cloud/LoopbackHttpServer.h"
#include "tests/support/ui/TestApplication.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace
{
// A sheet window as the instance sees it: it counts the new data it is told of, and on which thread.
class CountingSheetWindow : public IOrdersSheetWindow
{
public:
    bool HasWindowHandle() const override { return true; }
    void OnNewDataSetState() override
    {
        ++updates;
        offMainThread = offMainThread || std::this_thread::get_id() != mainThread;
    }
    void PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>&) override {}
    int GetStyleId() const override { return kNoStyleId; }

    const std::thread::id mainThread = std::this_thread::get_id();
    int updates = 0;
    bool offMainThread = false;
};

// Where the alerts entering the list were added.
class AddedAlertsObserver : public IAlertModuleObserver
{
public:
    void OnAlertAdded(std::uint32_t) override
    {
        const std::lock_guard lock(m_mutex);
        threads.push_back(std::this_thread::get_id());
    }
    void OnAlertsChanged() override {}
    void OnAlertRemoved(std::uint32_t) override {}
    void OnAllAlertsRemoved() override {}
    void OnArgumentDestroyed(const AlertExprArgDesc&) override {}

    std::vector<std::thread::id> Threads() const
    {
        const std::lock_guard lock(m_mutex);
        return threads;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::thread::id> threads;
};

AlertExprArgDesc SheetPriceArgument(std::uint32_t requestId, const QString& instrument)
{
    return AlertExprArgDesc::SeriesBased(QStringLiteral("Arkusz zlecen"), requestId, 1, instrument, QStringLiteral("kurs"),
                                         QStringLiteral("kurs z arkusza"));
}

// A buy side that holds while the argument is above the value.
std::uint32_t AddAlert(AlertModule& module, const QString& name, const AlertExprArgDesc& argument, double above)
{
    auto alert = std::make_shared<BLAlert>(module);
    alert->Properties().SetName(name);
    alert->BuySide().SetSideEnabled(true);
    SimpleExpr& expression = alert->BuySide().InsertExpression(0);
    expression.SetArgument(SimpleExpr::eLeft, argument);
    expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(above, 2));
    expression.SetCompareOperator(eCmpGreater);
    return module.AddAlert(alert);
}
}

class ClassicEnginesTest : public ClassicAppFixture
{
protected:
    AlertModule& Alerts() const
    {
        auto* alerts = dynamic_cast<AlertModuleEx*>(Mediator().GetAlertModule());
        EXPECT_NE(alerts, nullptr);
        return alerts->Module();
    }
};

TEST_F(ClassicEnginesTest, TheProgramRunsItsEnginesOnTheFeedAndStopsEachThreadAsItCloses)
{
    ASSERT_TRUE(Start());
    AppMediator& mediator = Mediator();
    AlertModule& alerts = Alerts();
    EXPECT_EQ(mediator.GetAlertsInterface(), &alerts);
    AddedAlertsObserver observer;
    alerts.SetObserver(&observer);

    // The turnover of the rising instruments, computed by the statistics worker from the feed.
    const AlertExprArgDesc turnover(QStringLiteral("SessionStatistics"), 11, QStringLiteral("obrót"), QString());
    AddAlert(alerts, QStringLiteral("obrót"), turnover, -1);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return alerts.Arguments().ArgumentInitialised(turnover); }, 10000));

    // A sheet of the first instrument gets its order book.
    auto* sheets = dynamic_cast<OrdersSheetManagerQ4Classic*>(mediator.GetModuleByName(QStringLiteral("Arkusz zlecen")));
    ASSERT_NE(sheets, nullptr);
    const Asset asset = mediator.GetDefaultProvider()->GetAllAssets().front();
    auto* window = new CountingSheetWindow;
    ASSERT_TRUE(sheets->AttachWindowToAsset(asset, window));
    OrdersSheetAssetInstance* instance = sheets->FindInstance(asset);
    ASSERT_NE(instance, nullptr);
    ASSERT_TRUE(instance->SubscribeReceiver(window));
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return window->updates >= 2 && !instance->GetRowKeys().isEmpty(); }));
    EXPECT_FALSE(window->offMainThread);

    // A source re-requests its data from its own thread: the frame re-binds the alert on the main thread.
    const std::uint32_t oldId = AddAlert(alerts, QStringLiteral("kurs"), SheetPriceArgument(100, asset.GetShortName()), 0);
    const std::size_t addedBefore = observer.Threads().size();
    std::thread([&mediator, &asset] {
        mediator.GetAlertsInterface()->OnUpdateArgRequestId(SheetPriceArgument(100, asset.GetShortName()), 200);
    }).join();
    EXPECT_TRUE(TestApplication::ProcessEventsUntil(
        [&] { return alerts.Arguments().Find(SheetPriceArgument(200, asset.GetShortName())) != nullptr; }));
    const std::optional<std::uint32_t> newId = alerts.Alerts().FindIdByName(QStringLiteral("kurs"));
    ASSERT_TRUE(newId.has_value());
    EXPECT_NE(*newId, oldId);
    EXPECT_FALSE(alerts.Arguments().Find(SheetPriceArgument(100, asset.GetShortName())));
    const std::vector<std::thread::id> added = observer.Threads();
    ASSERT_EQ(added.size(), addedBefore + 1);
    EXPECT_EQ(added.back(), std::this_thread::get_id());

    alerts.SetObserver(nullptr);
    Exit();
    const QString log = LogText();
    const qsizetype end = log.indexOf(QStringLiteral("STOP QUORVANTA"));
    for (const QString& stop : {QStringLiteral("Notowania symulowane: wątek notowań zatrzymany."),
                                QStringLiteral("Statystyka Sesji: wątek przetwarzania zatrzymany."),
                                QStringLiteral("Moduł alertów: wątek roboczy zatrzymany."),
                                QStringLiteral("Arkusz zleceń: wątek przetwarzania dla \"%1\" zatrzymany.").arg(asset.GetShortName())})
    {
        const qsizetype at = log.indexOf(stop);
        EXPECT_TRUE(at >= 0 && at < end) << stop.toStdString();
    }
    EXPECT_EQ(log.count(QStringLiteral("Łącze z Chmurą wyłączone")), 1) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("Chmura: wątek HTTP")));
}

TEST_F(ClassicEnginesTest, WithACloudAccountInTheFeedsSettingsTheLinkAsksTheServerForTheUserAndAToken)
{
    LoopbackHttpServer server([](const LoopbackHttpServer::Request& request) {
        LoopbackHttpServer::Reply reply;
        if (request.target.startsWith("/rest/user.xml"))
            reply.body = UserAnswer(QStringLiteral("77"), QStringLiteral("jan@kowalski.pl"), QStringLiteral("600100200")).toUtf8();
        else if (request.target == "/rest/token/.xml")
            reply.body = TokenAnswer(QStringLiteral("T1")).toUtf8();
        else
            reply.status = 204;
        return reply;
    });
    ASSERT_TRUE(server.IsListening());
    WriteCloudAccount(server.BaseUrl());

    ASSERT_TRUE(Start());
    const auto targets = [&server] {
        QList<QByteArray> seen;
        for (const LoopbackHttpServer::Request& request : server.Requests())
            seen.append(request.target);
        return seen;
    };
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return targets().contains("/rest/token/.xml"); }, 10000));
    const std::vector<LoopbackHttpServer::Request> requests = server.Requests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_TRUE(requests[0].target.startsWith("/rest/user.xml")) << requests[0].target.toStdString();
    EXPECT_EQ(requests[0].user, QStringLiteral("jan"));
    EXPECT_EQ(requests[0].password, QStringLiteral("tajne"));

    Exit();
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("Chmura: wątek HTTP uruchomiony (%1).").arg(server.BaseUrl()))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Chmura: wątek HTTP zatrzymany.")));
    EXPECT_FALSE(log.contains(QStringLiteral("Łącze z Chmurą wyłączone")));
}
