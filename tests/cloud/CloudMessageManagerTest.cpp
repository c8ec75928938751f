#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/CloudSettings.h"

#include "CloudLinkFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

using namespace std::chrono_literals;

class CloudMessageManagerTest : public CloudLinkFixture
{
protected:
    // The requests sent after the start-up.
    QStringList Since(int first) const { return Lines().mid(first); }
};

TEST_F(CloudMessageManagerTest, ContactChangesAskForTheUserFirst)
{
    StartSignedIn();
    manager->ChangeUserEmail(QStringLiteral("jan@kowalski.pl"));
    manager->ChangeTelNumber(QStringLiteral("600100200"));
    EXPECT_TRUE(PumpUntilIdle());
    EXPECT_EQ(client->SentCount(), 4U);

    manager->ChangeUserEmail(QStringLiteral("nowy@kowalski.pl"));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(Since(4).mid(0, 2), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("PUT user/new_email")}));
    EXPECT_EQ(client->Sent()[5].body,
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><new_email>nowy@kowalski.pl"
                             "</new_email></user></request>"));
}

TEST_F(CloudMessageManagerTest, NotificationDefaultsAreSentThenTheUserRead)
{
    StartSignedIn();
    manager->ChangeCloudAlertNotifications(0x24, false);
    EXPECT_EQ(manager->GetUserData().defaultNotifications, 0x24);
    EXPECT_FALSE(manager->GetUserData().newAlertDefaultOnce);
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(Since(4).mid(0, 2), (QStringList{QStringLiteral("PUT user"), QStringLiteral("GET user.xml")}));
    EXPECT_TRUE(client->Sent()[4].body.contains(QStringLiteral("<default_notifications>36</default_notifications>")));
}

TEST_F(CloudMessageManagerTest, ContactChangeAnswersTellTheUser)
{
    // The follow-ups: the error's user request when the change failed, then a user request of
    // each answer.
    struct Case
    {
        const char* name;
        std::function<void(CloudMessageManager&)> change;
        const char* path;
        int status;
        QString answerCode;  // new_email_limit_code of the user answers after the change
        QStringList shown;
        QStringList followUps;
    };
    const QString getUser = QStringLiteral("GET user.xml");
    const Case cases[] = {
        {"mail accepted", [](CloudMessageManager& m) { m.ChangeUserEmail(QStringLiteral("n@k.pl")); },
         "user/new_email", 204, QString(), {CloudMessageManager::kMailChannelText}, {getUser}},
        {"mail refused, fresh code", [](CloudMessageManager& m) { m.ChangeUserEmail(QStringLiteral("n@k.pl")); },
         "user/new_email", 400, QStringLiteral("2"), {CloudMessageManager::kMonthlyChangesLimitText}, {getUser, getUser, getUser}},
        {"mail refused, code 3", [](CloudMessageManager& m) { m.ChangeUserEmail(QStringLiteral("n@k.pl")); },
         "user/new_email", 409, QStringLiteral("3"), {CloudMessageManager::kWrongConfirmationsLimitText}, {getUser, getUser, getUser}},
        {"phone accepted", [](CloudMessageManager& m) { m.ChangeTelNumber(QStringLiteral("500")); }, "user/new_phoneno", 204,
         QString(), {CloudMessageManager::kSmsChannelText}, {getUser}},
        {"phone invalid", [](CloudMessageManager& m) { m.ChangeTelNumber(QStringLiteral("5x")); }, "user/new_phoneno", 422,
         QString(), {CloudMessageManager::kPhoneNumberInvalidText}, {getUser}},
        {"phone refused, unknown code", [](CloudMessageManager& m) { m.ChangeTelNumber(QStringLiteral("500")); },
         "user/new_phoneno", 500, QStringLiteral("9"), {}, {getUser, getUser, getUser}},
        {"code accepted", [](CloudMessageManager& m) { m.SendTelNumberToken(QStringLiteral("1234")); },
         "user/new_phoneno_token", 204, QString(), {CloudMessageManager::kTokenAcceptedText}, {getUser}},
        {"code refused", [](CloudMessageManager& m) { m.SendTelNumberToken(QStringLiteral("1234")); },
         "user/new_phoneno_token", 400, QString(), {CloudMessageManager::kWrongConfirmationsLimitText}, {getUser}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        client = std::make_shared<FakeHttpClient>();
        mediator = std::make_shared<FakeCloudMediator>();
        alerts = std::make_shared<FakeCloudAlertManager>();
        std::atomic<bool> changed = false;
        client->SetHandler([&c, &changed](const HttpRequest& request) -> HttpResponse {
            if (request.verb == QStringLiteral("PUT"))
            {
                changed = true;
                return {c.status, QString()};
            }
            if (changed && request.url.contains(QStringLiteral("user.xml")))
                return {200, UserAnswer(QStringLiteral("77"), QStringLiteral("jan@kowalski.pl"),
                                        QStringLiteral("600100200"), c.answerCode)};
            return ScriptedServer(request);
        });
        StartSignedIn();
        c.change(*manager);
        ASSERT_TRUE(PumpUntilIdle());
        // The token that follows each user request is no part of the change.
        QStringList sent = Since(4);
        sent.removeAll(QStringLiteral("POST token/.xml"));
        const int change = static_cast<int>(sent.indexOf(QStringLiteral("PUT ") + QLatin1String(c.path)));
        ASSERT_GE(change, 0) << sent.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(sent.mid(change + 1), c.followUps);
        EXPECT_EQ(mediator->ShownTexts(), c.shown);
        manager->ReleaseHttpThread();
    }
}

TEST_F(CloudMessageManagerTest, EventsAreAskedForOnceUntilAModificationNotice)
{
    StartSignedIn();
    EXPECT_TRUE(manager->PreTranslateMessage(CloudMessages::kReloadAlerts, 0, 0));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(Since(4), QStringList{QStringLiteral("GET alertdefinition.xml")});
    EXPECT_EQ(alerts->alertLists.size(), 2U);
    EXPECT_EQ(alerts->eventLists.size(), 1U);
}

TEST_F(CloudMessageManagerTest, OnlyAlertsInAShownStateAreListed)
{
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (!request.url.contains(QStringLiteral("alertdefinition.xml")))
            return ScriptedServer(request);
        QString list = QStringLiteral("<?xml version=\"1.0\"?><r><alertdefinition>");
        for (int state = 0; state <= 5; ++state)
            list += QStringLiteral("<a><id>%1</id><status2>%1</status2></a> text ").arg(state);
        return {200, list + QStringLiteral("</alertdefinition></r>")};
    });
    StartSignedIn();
    ASSERT_EQ(alerts->alertLists.size(), 1U);
    std::vector<int> ids;
    for (const auto& alert : alerts->alertLists[0])
        ids.push_back(alert->id);
    EXPECT_EQ(ids, (std::vector<int>{1, 3, 4}));
}

TEST_F(CloudMessageManagerTest, BadListAnswersKeepTheListAndTheQueueWorking)
{
    struct Case
    {
        const char* name;
        HttpResponse answer;
        QStringList shown;
    };
    const Case cases[] = {
        {"not xml", {200, QStringLiteral("<html><body>Bramka</body></html>")}, {}},
        {"broken xml", {200, QStringLiteral("<?xml version=\"1.0\"?><r><alertdefinition><a>")}, {}},
        {"server error",
         {500, QStringLiteral("<?xml version=\"1.0\"?><r><errors><e>Awaria bazy</e></errors></r>")},
         {QStringLiteral("Awaria bazy\n")}},
        {"json code", {503, QStringLiteral("{\"return_code\":-5}")}, {QStringLiteral("Brak połączenia z serwerem.")}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        client = std::make_shared<FakeHttpClient>();
        mediator = std::make_shared<FakeCloudMediator>();
        alerts = std::make_shared<FakeCloudAlertManager>();
        client->SetHandler([&c](const HttpRequest& request) -> HttpResponse {
            return request.url.contains(QStringLiteral("alertdefinition.xml")) ? c.answer : ScriptedServer(request);
        });
        Start();
        ASSERT_TRUE(PumpUntilSent(4));
        ASSERT_TRUE(PumpUntilIdle());
        EXPECT_TRUE(alerts->alertLists.empty());
        EXPECT_EQ(mediator->ShownTexts(), c.shown);
        // The queue goes on: the events were asked for and come.
        EXPECT_EQ(Lines().last(), QStringLiteral("GET alertevent.xml"));
        EXPECT_EQ(alerts->eventLists.size(), 1U);
        manager->ReleaseHttpThread();
    }
}

TEST_F(CloudMessageManagerTest, ModificationAnswersRefreshTheRibbon)
{
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (request.verb == QStringLiteral("POST") && request.url.endsWith(QStringLiteral("alertdefinition/")))
            return {200, QStringLiteral("<?xml version=\"1.0\"?><r><alertdefinition><status>1</status></alertdefinition></r>")};
        return ScriptedServer(request);
    });
    StartSignedIn();
    CloudAlertData alert;
    alert.name = QStringLiteral("Nowy");
    manager->AddAlert(CloudAlertData::WriteRequestXml(alert, false));
    ASSERT_TRUE(Pump(*manager, *window, [this] { return mediator->ribbonUpdates == 1; }));
    EXPECT_TRUE(client->Sent()[4].body.startsWith(QStringLiteral("<?xml version=\"1.0\"?><request><alertdefinition><once>0</once>")));
    EXPECT_EQ(mediator->ShownTexts(), QStringList{QStringLiteral("Alert został prawidłowo uruchomiony w Chmurze.")});
}

TEST_F(CloudMessageManagerTest, MainWindowMessagesOfTheCloudLink)
{
    StartSignedIn();
    for (unsigned message : {0x626U, 0x628U, 0x629U, 0x62DU, 0x630U})
        EXPECT_FALSE(manager->PreTranslateMessage(message, 0, 0)) << message;
    EXPECT_TRUE(manager->PreTranslateMessage(CloudMessages::kAlertEventsWaiting, 0, 0));
    EXPECT_EQ(alerts->reorders, 1);
    EXPECT_TRUE(manager->PreTranslateMessage(CloudMessages::kClearCloudAlerts, 0, 0));
    EXPECT_EQ(alerts->clears, 1);
    // An answer message without a waiting answer does nothing.
    EXPECT_TRUE(manager->PreTranslateMessage(CloudMessages::kAnswerReady, eGetUser, 200));

    manager->SetMainWindow(window);
    EXPECT_TRUE(manager->PreTranslateMessage(CloudMessages::kRestartHttpThread, 0, 0));
    EXPECT_TRUE(manager->IsFirstTokenPending());
    EXPECT_TRUE(manager->GetUserData().id.isEmpty());
    // The new worker signs in again.
    EXPECT_TRUE(PumpUntilSent(8));
    EXPECT_EQ(Lines().mid(4, 2), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("POST token/.xml")}));
}

TEST(CloudMessageManagerAloneTest, AnswersAreReadWithoutAWorker)
{
    CloudMessageManager manager(std::make_shared<CloudSettings>(kCloudTestBase), nullptr);
    auto alerts = std::make_shared<FakeCloudAlertManager>();
    manager.SetAlertManager(alerts);
    manager.ProcessAnswer(UserAnswer(QStringLiteral("5"), QStringLiteral("a@b.pl"), QStringLiteral("123")), eGetUserCloudData, 200);
    EXPECT_EQ(manager.GetUserData().id, QStringLiteral("5"));
    EXPECT_EQ(manager.GetUserData().cloudLogin, QStringLiteral("jan.cloud"));
    EXPECT_EQ(manager.GetUserData().phoneNo, QStringLiteral("123"));
    // A user answer without the user element reads nothing.
    manager.ProcessAnswer(QStringLiteral("<?xml version=\"1.0\"?><r><id>9</id></r>"), eGetUserCloudData, 200);
    EXPECT_EQ(manager.GetUserData().id, QStringLiteral("5"));
    manager.ProcessAnswer(AlertListAnswer(), eGetAllAlerts, 200);
    ASSERT_EQ(alerts->alertLists.size(), 1U);
    EXPECT_EQ(alerts->alertLists[0][1]->name, QStringLiteral("B"));
    // An answer without a list, like a page of a proxy, is no empty list.
    manager.ProcessAnswer(QStringLiteral("<html><body>Brama</body></html>"), eGetAllAlerts, 200);
    manager.ProcessAnswer(QStringLiteral("<?xml version=\"1.0\"?><response><alertdefinition/></response>"), eGetAllAlerts, 200);
    ASSERT_EQ(alerts->alertLists.size(), 2U);
    EXPECT_TRUE(alerts->alertLists[1].empty());
    // Without a worker nothing can be asked for, and nothing breaks.
    manager.GetAllAlerts();
    manager.DeleteAlerts({1});
    EXPECT_TRUE(manager.PreTranslateMessage(CloudMessages::kAnswerReady, eGetUser, 200));
}
