#include "CloudLinkFixture.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/IAlertsGridView.h"
#include "cloud/engine/CloudAlertManager.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/CloudSettings.h"
#include "platform/modules/NDateTime.h"
#include "tests/alerts/AlertsFakes.h"
#include "tests/support/FakeProvider.h"

#include <QDateTime>

#include <thread>

namespace
{
class InstrumentsProvider : public FakeProvider
{
public:
    InstrumentsProvider()
        : FakeProvider(QStringLiteral("Kelvora"))
    {
        assets = {Asset(this, QStringLiteral("PLKGHM000017"), QStringLiteral("KGHM"), QStringLiteral("KGHM Polska Miedź"),
                        QStringLiteral("GPW"))};
    }

    std::vector<Asset> GetAllAssets() const override { return assets; }
    std::vector<DSProp> GetAssetSeries(const Asset&) const override { return {DSProp(2, QStringLiteral("Kurs"), 2)}; }

    std::vector<Asset> assets;
};

class GridView : public IAlertsGridView
{
public:
    void AddColumn(const QString&, int) override {}
    void AppendRow() override { ++rows; }
    void InsertRow(int) override { ++rows; }
    void RemoveRow(int) override { --rows; }
    void RemoveAllRows() override { rows = 0; }
    int GetSelectedRow() const override { return selected; }
    void SelectRow(int index) override { selected = index; }
    bool IsHandlerActive() const override { return true; }

    int rows = 0;
    int selected = -1;
};

// An alert element of an answer; window and sound notifications for "KGHM".
QString AlertElement(int id, const QString& name, const QString& isin = QStringLiteral("PLKGHM000017"), int status2 = 3)
{
    return QStringLiteral("<a><id>%1</id><name>%2</name><isin>%3</isin><status>10</status><status2>%4</status2>"
                          "<start_from_side>66</start_from_side><buy_item_type>1</buy_item_type>"
                          "<notifications>96</notifications></a>")
        .arg(id)
        .arg(name, isin)
        .arg(status2);
}

QString EventElement(int eventId, int alertId, int type = 1)
{
    return QStringLiteral("<e><type>%1</type><id_event>%2</id_event><id_alert>%3</id_alert><side>66</side>"
                          "<instrument_price>101.5</instrument_price><source_time>1700000000</source_time></e>")
        .arg(type)
        .arg(eventId)
        .arg(alertId);
}

AlertEventGenerate Pushed(int eventId, int alertId, char side = 'B')
{
    AlertEventGenerate event;
    event.eventId = eventId;
    event.alertId = alertId;
    event.sideLetter = side;
    event.time = NDateTime(QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC)).ToDayCount();
    event.price = 98.25F;
    return event;
}
}

class CloudAlertManagerTest : public CloudLinkFixture
{
protected:
    CloudAlertManagerTest()
    {
        module = std::make_unique<AlertModule>(alertsMediator);
        module->GetAlertsListGrid().SetAndInitGridView(&definedView);
        CloudAlertManager::Links links;
        links.defaultProvider = [this]() -> ProviderBase* { return withProvider ? &provider : nullptr; };
        links.alertModule = [this] { return module.get(); };
        links.requests = [this] { return manager.get(); };
        links.askYesNo = [this](const QString& text) {
            questions << text;
            return answerYes;
        };
        links.showError = [this](const QString& text) { errors << text; };
        cloudAlerts = std::make_shared<CloudAlertManager>(std::move(links));
        client->SetHandler([this](const HttpRequest& request) { return Serve(request); });
    }

    ~CloudAlertManagerTest() override
    {
        if (manager)
            manager->ReleaseHttpThread();
        module->GetAlertsListGrid().ResetGridViewRef();
    }

    HttpResponse Serve(const HttpRequest& request)
    {
        const QString path = request.url.mid(kCloudTestBase.size());
        if (path.startsWith(QStringLiteral("alertdefinition.xml")))
        {
            if (!serverAnswers)
                return {12007, QString()};
            return {200, QStringLiteral("<?xml version=\"1.0\"?><response><alertdefinition>%1</alertdefinition></response>")
                             .arg(alertElements)};
        }
        if (path.startsWith(QStringLiteral("alertevent.xml")))
            return {200, QStringLiteral("<?xml version=\"1.0\"?><response><alertevent>%1</alertevent></response>")
                             .arg(eventElements)};
        return ScriptedServer(request);
    }

    // The link signed in, with the list and the events of the server delivered.
    void StartLink()
    {
        manager = std::make_unique<CloudMessageManager>(std::make_shared<CloudSettings>(kCloudTestBase), client, Quiet(),
                                                        [] { return 1700000000; });
        manager->SetMediator(mediator);
        manager->SetAlertManager(cloudAlerts);
        manager->RestartHttpThread(window);
        ASSERT_TRUE(PumpUntilSent(4));
        ASSERT_TRUE(PumpUntilIdle());
    }

    std::vector<BLAlertsListGrid::RowInfo> CloudRows() const
    {
        std::vector<BLAlertsListGrid::RowInfo> rows;
        const BLAlertsListGrid& grid = module->GetAlertsListGrid();
        for (std::size_t i = 0; i < grid.GetRowCount(); ++i)
            if (const auto row = grid.GetRowInfo(static_cast<int>(i)); row && row->kind == IAlertListRow::kCloudRow)
                rows.push_back(*row);
        return rows;
    }

    QStringList HistoryNames() const
    {
        QStringList names;
        const BLAlertsHistory& history = module->GetAlertsHistory();
        for (std::size_t i = 0; i < history.GetRowCount(); ++i)
            names << history.GetRow(i)->GetName();
        return names;
    }

    void Select(const QString& name)
    {
        definedView.selected = module->GetAlertsListGrid().GetRowIdxForAlert(name, IAlertListRow::kCloudRow);
        ASSERT_NE(definedView.selected, -1);
    }

    // Requests sent after the start-up's four.
    QStringList LaterLines() const { return Lines().mid(4); }

    FakeAlertsMediator alertsMediator;
    std::unique_ptr<AlertModule> module;
    GridView definedView;
    InstrumentsProvider provider;
    bool withProvider = true;
    bool answerYes = false;
    bool serverAnswers = true;
    QStringList questions;
    QStringList errors;
    QString alertElements = AlertElement(1, QStringLiteral("Miedź w górę")) + AlertElement(2, QStringLiteral("Stary"),
                                                                                             QStringLiteral("PLXXX"));
    QString eventElements = EventElement(10, 1) + EventElement(11, 1, 2) + EventElement(12, 99);
    std::shared_ptr<CloudAlertManager> cloudAlerts;
};

TEST_F(CloudAlertManagerTest, AlertsAndEventsArriveOnceAndAReloadReplacesThem)
{
    StartLink();
    const auto rows = CloudRows();
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].name, QStringLiteral("Miedź w górę"));
    EXPECT_EQ(rows[0].instrument, QStringLiteral("KGHM Polska Miedź"));
    EXPECT_TRUE(rows[0].active);
    // An instrument no longer listed shows the note and the alert is inactive.
    EXPECT_EQ(rows[1].instrument, QStringLiteral("  (Instrument nie jest już notowany na giełdzie)"));
    EXPECT_FALSE(rows[1].active);
    // The event of another kind and the event of an unknown alert are left out.
    EXPECT_EQ(HistoryNames(), QStringList{QStringLiteral("Miedź w górę")});
    EXPECT_EQ(definedView.rows, 2);

    // The provider's modification notice reloads the list and the events without doubling them.
    ASSERT_NE(mediator->Receiver(), nullptr);
    mediator->Receiver()->OnAlertsModified();
    ASSERT_TRUE(PumpUntilSent(6));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(Count(QStringLiteral("GET alertevent.xml")), 2);
    EXPECT_EQ(CloudRows().size(), 2U);
    EXPECT_EQ(definedView.rows, 2);
    EXPECT_EQ(HistoryNames(), QStringList{QStringLiteral("Miedź w górę")});
}

TEST_F(CloudAlertManagerTest, AServerThatStopsAnsweringKeepsTheRowsAndSaysSo)
{
    StartLink();
    serverAnswers = false;
    window->PostMessage(CloudMessages::kReloadAlerts, 0, 0);
    ASSERT_TRUE(PumpUntilSent(5));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(CloudRows().size(), 2U);
    EXPECT_TRUE(mediator->ShownTexts().contains(QStringLiteral("Brak połączenia z serwerem Chmury.")));
}

TEST_F(CloudAlertManagerTest, WithoutADefaultProviderTheListIsIgnored)
{
    StartLink();
    withProvider = false;
    cloudAlerts->OnReceivedCloudAlerts({});
    EXPECT_EQ(cloudAlerts->GetCloudAlertsCount(), 2);
    EXPECT_EQ(CloudRows().size(), 2U);
}

TEST_F(CloudAlertManagerTest, APushedEventWaitsForItsAlertAndIsAnnouncedOnce)
{
    StartLink();
    cloudAlerts->AddNewCloudAlertEvent(Pushed(20, 7));
    cloudAlerts->AddNewCloudAlertEvent(Pushed(21, 1, 'S'));
    cloudAlerts->ReorderNewCloudAlertsEvents();
    // The known alert's sell event is announced with its price and precision; the other waits.
    EXPECT_EQ(alertsMediator.Popups(), QStringList{QStringLiteral("Miedź w górę|KGHM Polska Miedź|98.25|0|1")});
    EXPECT_EQ(cloudAlerts->GetPendingEventsCount(), 1U);
    EXPECT_EQ(HistoryNames().size(), 2);

    alertElements += AlertElement(7, QStringLiteral("Nowy"));
    window->PostMessage(CloudMessages::kReloadAlerts, 0, 0);
    ASSERT_TRUE(PumpUntilSent(5));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(cloudAlerts->GetPendingEventsCount(), 1U);
    cloudAlerts->ReorderNewCloudAlertsEvents();
    cloudAlerts->ReorderNewCloudAlertsEvents();
    EXPECT_EQ(alertsMediator.Popups().size(), 2);
    EXPECT_EQ(alertsMediator.Popups().last(), QStringLiteral("Nowy|KGHM Polska Miedź|98.25|1|1"));
    EXPECT_EQ(cloudAlerts->GetPendingEventsCount(), 0U);
    EXPECT_EQ(HistoryNames().first(), QStringLiteral("Nowy"));
    EXPECT_EQ(module->GetAlertsHistory().GetRow(0)->GetAlertType(), 1);
}

TEST_F(CloudAlertManagerTest, PendingEventsAreBoundedByDroppingTheOldest)
{
    StartLink();
    cloudAlerts->AddNewCloudAlertEvent(Pushed(1, 1));
    for (std::size_t i = 0; i < CloudAlertManager::kMaxPendingEvents; ++i)
        cloudAlerts->AddNewCloudAlertEvent(Pushed(100, 500));
    EXPECT_EQ(cloudAlerts->GetPendingEventsCount(), CloudAlertManager::kMaxPendingEvents);
    cloudAlerts->ReorderNewCloudAlertsEvents();
    EXPECT_TRUE(alertsMediator.Popups().isEmpty());
}

TEST_F(CloudAlertManagerTest, RenamingKeepsNamesUnique)
{
    StartLink();
    QString name;
    EXPECT_FALSE(cloudAlerts->GetSelectedAlertName(name));
    EXPECT_FALSE(cloudAlerts->RenameSelectedAlert(QStringLiteral("X")));
    EXPECT_TRUE(errors.isEmpty());

    Select(QStringLiteral("Stary"));
    EXPECT_FALSE(cloudAlerts->RenameSelectedAlert(QStringLiteral("Miedź w górę")));
    EXPECT_EQ(errors, QStringList{QStringLiteral(
                          "Istnieje już alert o nazwie \"Miedź w górę\". Wprowadź inną nazwę alertu.")});
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_TRUE(LaterLines().isEmpty());

    EXPECT_TRUE(cloudAlerts->RenameSelectedAlert(QStringLiteral("Stary")));
    ASSERT_TRUE(PumpUntilSent(6));
    EXPECT_EQ(LaterLines(), (QStringList{QStringLiteral("PUT alertdefinition/2"), QStringLiteral("GET alertdefinition.xml")}));
    EXPECT_TRUE(client->Sent()[4].body.contains(QStringLiteral("<name>Stary</name>")));
}

TEST_F(CloudAlertManagerTest, AnOptionIsSentWithoutAReload)
{
    StartLink();
    EXPECT_FALSE(cloudAlerts->SetSelectedAlertOption(CloudAlertData::kOptionOnce, true));
    Select(QStringLiteral("Miedź w górę"));
    EXPECT_TRUE(cloudAlerts->SetSelectedAlertOption(CloudAlertData::kOptionOnce, true));
    ASSERT_TRUE(PumpUntilSent(5));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(LaterLines(), QStringList{QStringLiteral("PUT alertdefinition/1")});
    EXPECT_TRUE(client->Sent()[4].body.contains(QStringLiteral("<once>1</once>")));
}

TEST_F(CloudAlertManagerTest, ALocalRowIsNoCloudAlertEvenWithTheSameId)
{
    StartLink();
    module->GetAlertsListGrid().RefreshCloudAlerts({});
    definedView.selected = 0;
    EXPECT_EQ(cloudAlerts->GetSelectedAlert(), nullptr);
}

TEST_F(CloudAlertManagerTest, DeletingMarksTheAlertsAndSendsOneRequestPerId)
{
    StartLink();
    EXPECT_FALSE(cloudAlerts->RemoveAllAlerts());
    EXPECT_EQ(questions, QStringList{QStringLiteral("Nastąpi usunięcie wszystkich alertów.\nKontynuować?")});
    EXPECT_TRUE(CloudRows()[0].active);

    Select(QStringLiteral("Miedź w górę"));
    EXPECT_TRUE(cloudAlerts->DeleteSelectedAlert());
    EXPECT_FALSE(CloudRows()[0].active);
    answerYes = true;
    EXPECT_TRUE(cloudAlerts->RemoveAllAlerts());
    EXPECT_TRUE(cloudAlerts->CheckIfAlertExist(2)->deletePending);
    ASSERT_TRUE(PumpUntilSent(7));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(LaterLines(), (QStringList{QStringLiteral("DELETE alertdefinition/1"),
                                         QStringLiteral("DELETE alertdefinition/1"),
                                         QStringLiteral("DELETE alertdefinition/2")}));
}

TEST_F(CloudAlertManagerTest, ClearAllForgetsAlertsEventsAndRows)
{
    StartLink();
    cloudAlerts->AddNewCloudAlertEvent(Pushed(20, 7));
    cloudAlerts->ClearAll();
    EXPECT_EQ(cloudAlerts->GetCloudAlertsCount(), 0);
    EXPECT_EQ(cloudAlerts->GetPendingEventsCount(), 0U);
    EXPECT_TRUE(CloudRows().empty());
    EXPECT_TRUE(HistoryNames().isEmpty());
    EXPECT_FALSE(cloudAlerts->CheckIfAlertExist(QStringLiteral("Miedź w górę")));
}

TEST_F(CloudAlertManagerTest, EventsPushedFromTheProviderThreadMeetTheMainThreadSafely)
{
    StartLink();
    std::atomic<bool> done = false;
    std::thread provider([this, &done] {
        for (int i = 0; i < 2000; ++i)
            cloudAlerts->AddNewCloudAlertEvent(Pushed(i, i % 2 == 0 ? 1 : 9));
        done = true;
    });
    while (!done)
    {
        cloudAlerts->ReorderNewCloudAlertsEvents();
        if (cloudAlerts->GetPendingEventsCount() > 500)
            cloudAlerts->ClearAll();
    }
    provider.join();
    cloudAlerts->ReorderNewCloudAlertsEvents();
    EXPECT_LE(cloudAlerts->GetPendingEventsCount(), CloudAlertManager::kMaxPendingEvents);
}
