#include "cloud/engine/CloudHttpControlResults.h"
#include "cloud/engine/CloudHttpThread.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/HttpError.h"

#include "CloudLinkFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

using namespace std::chrono_literals;

class CloudHttpThreadTest : public CloudLinkFixture
{
};

TEST_F(CloudHttpThreadTest, StartSignsInWithLoginThenWithTheToken)
{
    StartSignedIn();
    const std::vector<HttpRequest> sent = client->Sent();
    ASSERT_EQ(Lines(), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("POST token/.xml"),
                                    QStringLiteral("GET alertdefinition.xml"), QStringLiteral("GET alertevent.xml")}));
    EXPECT_EQ(Credentials(sent[0]), QStringLiteral("jan:tajne"));
    EXPECT_EQ(Credentials(sent[1]), QStringLiteral("jan:tajne"));
    EXPECT_EQ(Credentials(sent[2]), QStringLiteral("_token:T1"));
    EXPECT_EQ(Credentials(sent[3]), QStringLiteral("_token:T1"));
    EXPECT_EQ(sent[0].url, kCloudTestBase + QStringLiteral("user.xml?temp=1700000000"));
    for (const HttpRequest& request : sent)
        EXPECT_EQ(request.headers, (std::vector<std::pair<QByteArray, QByteArray>>{{"Content-Type", "text/xml"}}));

    EXPECT_EQ(manager->GetUserData().id, QStringLiteral("77"));
    EXPECT_EQ(manager->GetUserData().email, QStringLiteral("jan@kowalski.pl"));
    EXPECT_EQ(manager->GetHttpThread()->GetToken(), QStringLiteral("T1"));
    ASSERT_EQ(alerts->alertLists.size(), 1U);
    EXPECT_EQ(alerts->alertLists[0].size(), 2U);
    EXPECT_EQ(alerts->eventLists, (std::vector<QStringList>{{QStringLiteral("1"), QStringLiteral("2")}}));
    EXPECT_TRUE(WaitUntil([this] { return mediator->Receiver() != nullptr; }));
    EXPECT_TRUE(mediator->Shown().isEmpty());
}

TEST_F(CloudHttpThreadTest, RequestsQueuedWhileOneRunsFollowIt)
{
    client->Hold();
    Start();
    ASSERT_TRUE(WaitUntil([this] { return client->SentCount() == 1; }));
    // The user request runs: queueing does not wake the worker.
    EXPECT_FALSE(manager->GetHttpThread()->AddRequest(eGetAlertEvents, kCloudTestBase + QStringLiteral("alertevent.xml"),
                                                      QString(), false));
    EXPECT_TRUE(manager->PreTranslateMessage(CloudMessages::kTokenNeeded, 0, 0));
    client->Release();
    ASSERT_TRUE(PumpUntilSent(3));
    const QStringList lines = Lines();
    // The token request went to the front, ahead of the events queued before it.
    EXPECT_EQ(lines.mid(0, 3), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("POST token/.xml"),
                                            QStringLiteral("GET alertevent.xml")}));
}

TEST_F(CloudHttpThreadTest, DeleteListBecomesOneRequestPerId)
{
    StartSignedIn();
    manager->DeleteAlerts({12, 34});
    manager->DeleteAlerts({});
    manager->PostRequest(kCloudTestBase + QStringLiteral("alertdefinition/"), eDeleteAlerts, QStringLiteral(";;56;;"));
    ASSERT_TRUE(PumpUntilSent(7));
    PumpFor(*manager, *window, 100ms);
    EXPECT_EQ(Lines().mid(4), (QStringList{QStringLiteral("DELETE alertdefinition/12"), QStringLiteral("DELETE alertdefinition/34"),
                                           QStringLiteral("DELETE alertdefinition/56")}));
    EXPECT_EQ(mediator->ribbonUpdates, 0);  // the answers were empty
}

TEST_F(CloudHttpThreadTest, RefusedTokenIsRenewedAndTheRequestSentAgain)
{
    std::atomic<int> listCalls = 0;
    client->SetHandler([&listCalls](const HttpRequest& request) -> HttpResponse {
        if (request.url.contains(QStringLiteral("token/.xml")))
            return {200, TokenAnswer(listCalls == 0 ? QStringLiteral("T1") : QStringLiteral("T2"))};
        if (request.url.contains(QStringLiteral("alertdefinition.xml")) && listCalls++ == 0)
            return {401, QStringLiteral("<?xml version=\"1.0\"?><r><auth><error>0</error></auth></r>")};
        return ScriptedServer(request);
    });
    Start();
    ASSERT_TRUE(PumpUntilSent(6));
    const std::vector<HttpRequest> sent = client->Sent();
    EXPECT_EQ(Lines().mid(0, 6),
              (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("POST token/.xml"), QStringLiteral("GET alertdefinition.xml"),
                           QStringLiteral("POST token/.xml"), QStringLiteral("GET alertdefinition.xml"),
                           QStringLiteral("GET alertevent.xml")}));
    EXPECT_EQ(Credentials(sent[2]), QStringLiteral("_token:T1"));
    EXPECT_EQ(Credentials(sent[3]), QStringLiteral("jan:tajne"));
    EXPECT_EQ(Credentials(sent[4]), QStringLiteral("_token:T2"));
    EXPECT_EQ(alerts->alertLists.size(), 1U);
    EXPECT_TRUE(mediator->Shown().isEmpty());
    // The refusal itself never reaches the main thread.
    const std::vector<unsigned> history = window->History();
    EXPECT_EQ(std::count(history.begin(), history.end(), CloudMessages::kTokenNeeded), 1);
}

TEST_F(CloudHttpThreadTest, RefusedLoginIsNotRetried)
{
    client->SetHandler([](const HttpRequest&) -> HttpResponse {
        return {401, QStringLiteral("<?xml version=\"1.0\"?><r><auth><error>1</error></auth></r>")};
    });
    Start();
    ASSERT_TRUE(PumpUntilSent(1));
    PumpFor(*manager, *window, 300ms);
    EXPECT_EQ(client->SentCount(), 1U);
    EXPECT_EQ(mediator->ShownTexts(), QStringList{CloudHttpControlResults::kUndefinedUserText});
    EXPECT_TRUE(manager->GetHttpThread()->IsIdle());
}

TEST_F(CloudHttpThreadTest, ARequestRefusedTwiceIsDropped)
{
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (request.url.contains(QStringLiteral("alertdefinition.xml")))
            return {401, QString()};
        return ScriptedServer(request);
    });
    Start();
    ASSERT_TRUE(PumpUntilSent(5));
    PumpFor(*manager, *window, 300ms);
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("POST token/.xml"),
                                    QStringLiteral("GET alertdefinition.xml"), QStringLiteral("POST token/.xml"),
                                    QStringLiteral("GET alertdefinition.xml")}));
    // The queue still works.
    manager->GetAlertEvents();
    ASSERT_TRUE(PumpUntilSent(6));
    EXPECT_EQ(Lines().last(), QStringLiteral("GET alertevent.xml"));
}

TEST_F(CloudHttpThreadTest, MissingModificationNoticeReloadsTheAlerts)
{
    CloudHttpThread::Timing timing = Quiet();
    timing.modificationWait = 100ms;
    StartSignedIn(timing);
    manager->AddAlert(QStringLiteral("<request/>"));
    ASSERT_TRUE(PumpUntilSettled(*manager, *window, [this] { return alerts->alertLists.size() == 2; }));
    EXPECT_EQ(Lines().mid(4, 2), (QStringList{QStringLiteral("POST alertdefinition/"), QStringLiteral("GET alertdefinition.xml")}));
    EXPECT_EQ(mediator->ShownTexts(), QStringList{CloudHttpThread::kModificationMissedText});
    EXPECT_EQ(alerts->alertLists.size(), 2U);
}

TEST_F(CloudHttpThreadTest, ModificationNoticeCancelsTheForcedReload)
{
    CloudHttpThread::Timing timing = Quiet();
    timing.modificationWait = 300ms;
    StartSignedIn(timing);
    ASSERT_TRUE(WaitUntil([this] { return mediator->Receiver() != nullptr; }));
    manager->EditAlert(QStringLiteral("<request/>"), 5);
    ASSERT_TRUE(PumpUntilSent(5));
    // The provider reports the change on its own thread.
    std::thread provider([this] { mediator->Receiver()->OnAlertsModified(); });
    provider.join();
    // The notice reloads the list and, as it is new, the events.
    ASSERT_TRUE(PumpUntilSent(7));
    PumpFor(*manager, *window, 500ms);
    EXPECT_EQ(Lines().mid(4), (QStringList{QStringLiteral("PUT alertdefinition/5"), QStringLiteral("GET alertdefinition.xml"),
                                           QStringLiteral("GET alertevent.xml")}));
    EXPECT_TRUE(mediator->Shown().isEmpty());
    EXPECT_EQ(mediator->ribbonUpdates, 0);
}

TEST_F(CloudHttpThreadTest, PushedEventsReachTheAlertManagerAndTheMainWindow)
{
    StartSignedIn();
    ASSERT_TRUE(WaitUntil([this] { return mediator->Receiver() != nullptr; }));
    std::thread provider([this] { mediator->Receiver()->OnAlertEvent(AlertEventGenerate{1, 2, 'B', 45000.5, 12.5F}); });
    provider.join();
    EXPECT_EQ(alerts->pushedEvents, 1);
    ASSERT_TRUE(Pump(*manager, *window, [this] { return alerts->reorders == 1; }));
    manager->ReleaseHttpThread();
    // The worker took its receiver back when it ended.
    EXPECT_EQ(mediator->Receiver(), nullptr);
}

TEST_F(CloudHttpThreadTest, WithoutTheProviderNoReceiverIsRegistered)
{
    mediator->providerRuns = false;
    StartSignedIn();
    PumpFor(*manager, *window, 50ms);
    EXPECT_EQ(mediator->receiverRegistrations, 0);
}

TEST_F(CloudHttpThreadTest, ChangingServerPollsTheUserUntilItIsKnown)
{
    std::atomic<int> userCalls = 0;
    client->SetHandler([&userCalls](const HttpRequest& request) -> HttpResponse {
        if (request.url.contains(QStringLiteral("user.xml")))
            return {200, UserAnswer(++userCalls < 3 ? QString() : QStringLiteral("77"))};
        return ScriptedServer(request);
    });
    CloudHttpThread::Timing timing = Quiet();
    timing.serverChangedUserPeriod = 30ms;
    Start(timing, true);
    ASSERT_TRUE(Pump(*manager, *window, [&userCalls] { return userCalls >= 3; }));
    PumpFor(*manager, *window, 300ms);
    EXPECT_EQ(Count(QStringLiteral("GET user.xml")), 3);
    EXPECT_EQ(Lines().first(), QStringLiteral("GET user.xml"));
}

TEST_F(CloudHttpThreadTest, AnswerNotTakenIsDroppedAfterTheGraceTime)
{
    CloudHttpThread::Timing timing = Quiet();
    timing.answerWait = 200ms;
    Start(timing);
    ASSERT_TRUE(WaitUntil([this] { return client->SentCount() == 1; }));
    const auto queued = std::chrono::steady_clock::now();
    // Nobody plays the main thread: the user answer waits in vain.
    manager->GetAllAlerts();
    ASSERT_TRUE(WaitUntil([this] { return client->SentCount() == 2; }));
    EXPECT_GE(std::chrono::steady_clock::now() - queued, 150ms);
    // The late messages find only the answer that still waits: the alert list.
    ASSERT_TRUE(Pump(*manager, *window, [this] { return alerts->alertLists.size() == 1; }));
    PumpFor(*manager, *window, 100ms);
    EXPECT_TRUE(manager->GetUserData().id.isEmpty());
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("GET alertdefinition.xml"),
                                    QStringLiteral("GET alertevent.xml")}));
}

TEST_F(CloudHttpThreadTest, LostExchangeIsReportedOnceWhileTheServerStaysAway)
{
    const LoggedHome home;
    std::atomic<bool> down = true;
    client->SetHandler([&down](const HttpRequest& request) -> HttpResponse {
        if (down && request.url.contains(QStringLiteral("alertdefinition.xml")))
            throw HttpError(QStringLiteral("Empty reply from server"));
        return ScriptedServer(request);
    });
    Start();
    ASSERT_TRUE(PumpUntilSent(3));
    manager->GetAllAlerts();
    manager->GetAllAlerts();
    ASSERT_TRUE(PumpUntilSent(5));
    ASSERT_TRUE(PumpUntilIdle());
    // Each list was asked for once, and the user heard of the lost connection once.
    EXPECT_EQ(Count(QStringLiteral("GET alertdefinition.xml")), 3);
    EXPECT_EQ(mediator->ShownTexts(), QStringList{CloudHttpControlResults::kNoConnectionText});
    EXPECT_EQ(home.Errors().count(QStringLiteral("Empty reply from server")), 3);
    EXPECT_TRUE(alerts->alertLists.empty());

    // An answer ends the outage; the next lost exchange is reported again.
    down = false;
    manager->GetAllAlerts();
    ASSERT_TRUE(PumpUntilSettled(*manager, *window, [this] { return alerts->eventLists.size() == 1; }));
    down = true;
    manager->GetAllAlerts();
    ASSERT_TRUE(PumpUntilSent(8));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(mediator->ShownTexts(), QStringList(2, CloudHttpControlResults::kNoConnectionText));
}

TEST_F(CloudHttpThreadTest, LostAlertChangeIsReportedAndTheListStillReloaded)
{
    const LoggedHome home;
    CloudHttpThread::Timing timing = Quiet();
    timing.modificationWait = 100ms;
    StartSignedIn(timing);
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (request.url.contains(QStringLiteral("alertdefinition/")))
            throw HttpError(QStringLiteral("Connection reset by peer"));
        return ScriptedServer(request);
    });
    const QString lost = CloudHttpControlResults::ReturnCodeText(-5);
    manager->AddAlert(QStringLiteral("<request/>"));
    ASSERT_TRUE(PumpUntilSettled(*manager, *window, [this] { return alerts->alertLists.size() == 2; }));
    EXPECT_EQ(Lines().mid(4), (QStringList{QStringLiteral("POST alertdefinition/"), QStringLiteral("GET alertdefinition.xml")}));
    // Told once: the reload that follows does not add the missing-notice message.
    EXPECT_EQ(mediator->ShownTexts(), QStringList{lost});
    EXPECT_TRUE(home.Errors().contains(QStringLiteral("POST ") + kCloudTestBase + QStringLiteral("alertdefinition/")));

    // Three deletes of one command are one message.
    manager->DeleteAlerts({1, 2, 3});
    ASSERT_TRUE(PumpUntilSettled(*manager, *window, [this] { return alerts->alertLists.size() == 3; }));
    EXPECT_EQ(Count(QStringLiteral("DELETE alertdefinition/2")), 1);
    EXPECT_EQ(mediator->ShownTexts(), QStringList(2, lost));
}

TEST_F(CloudHttpThreadTest, WithoutLoginUserRequestsAreDroppedWithOneMessage)
{
    mediator->login = UserSettings();
    Start();
    ASSERT_TRUE(WaitUntil([this] { return manager->GetHttpThread()->IsIdle() && !mediator->Shown().isEmpty(); }));
    manager->GetUser();
    manager->GetAllAlerts();
    ASSERT_TRUE(PumpUntilSent(1));
    PumpFor(*manager, *window, 100ms);
    EXPECT_EQ(Lines().first(), QStringLiteral("GET alertdefinition.xml"));
    EXPECT_EQ(Count(QStringLiteral("GET user.xml")), 0);
    EXPECT_EQ(mediator->ShownTexts(), QStringList{CloudHttpControlResults::kUndefinedUserText});
}

TEST_F(CloudHttpThreadTest, WithoutAMainWindowTheQueueDoesNotWait)
{
    window->exists = false;
    Start();
    manager->GetAllAlerts();
    manager->GetAlertEvents();
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntil([this] { return client->SentCount() == 3; }));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

TEST_F(CloudHttpThreadTest, PendingContactChangeIsSentAgainOnTheResendAddress)
{
    std::atomic<int> resendCalls = 0;
    client->SetHandler([&resendCalls](const HttpRequest& request) -> HttpResponse {
        if (request.url.contains(QStringLiteral("user.xml")))
            return {200, UserAnswer(QStringLiteral("77"), QStringLiteral("a@b.pl")).replace(
                             QStringLiteral("<phoneno>"), QStringLiteral("<new_email>c@d.pl</new_email><phoneno>"))};
        // The first resend is refused as if its token had run out; 1223 is how some servers say 204.
        if (request.url.contains(QStringLiteral("new_email_token_resend")))
            return resendCalls++ == 0 ? HttpResponse{401, QString()} : HttpResponse{1223, QString()};
        return ScriptedServer(request);
    });
    StartSignedIn();
    manager->ChangeUserEmail(QStringLiteral("c@d.pl"));
    ASSERT_TRUE(Pump(*manager, *window, [this] { return !mediator->Shown().isEmpty(); }));
    const std::vector<HttpRequest> sent = client->Sent();
    QStringList resends;
    for (const HttpRequest& request : sent)
        if (request.verb == QStringLiteral("PUT"))
            resends << request.url.mid(kCloudTestBase.size()) + QLatin1Char(' ') + request.body;
    const QString body = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><new_email>c@d.pl"
                                        "</new_email></user></request>");
    EXPECT_EQ(resends, (QStringList{QStringLiteral("user/new_email_token_resend ") + body,
                                    QStringLiteral("user/new_email_token_resend ") + body}));
    EXPECT_EQ(mediator->ShownTexts(), QStringList{CloudMessageManager::kMailChannelText});
}

TEST_F(CloudHttpThreadTest, StoppingGivesUpAnExchangeUnderWay)
{
    client->Hold();
    Start();
    ASSERT_TRUE(WaitUntil([this] { return client->SentCount() == 1; }));
    const auto started = std::chrono::steady_clock::now();
    manager->ReleaseHttpThread();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
    EXPECT_FALSE(manager->GetHttpThread());
    // Requests without a worker are dropped.
    manager->GetAllAlerts();
    EXPECT_EQ(client->SentCount(), 1U);
}

TEST_F(CloudHttpThreadTest, RestartForgetsTheServersAccountData)
{
    StartSignedIn();
    manager->RestartHttpThread(window);
    const CloudUserData& user = manager->GetUserData();
    EXPECT_TRUE(user.id.isEmpty());
    EXPECT_TRUE(user.email.isEmpty());
    EXPECT_TRUE(user.phoneNo.isEmpty());
    EXPECT_EQ(user.login, QStringLiteral("jan"));
    EXPECT_TRUE(manager->IsFirstTokenPending());
    EXPECT_TRUE(manager->GetHttpThread()->GetToken().isEmpty());
    // The new worker signs in anew and fetches the events of the account again.
    ASSERT_TRUE(PumpUntilSent(8));
    EXPECT_EQ(Lines().mid(4), (QStringList{QStringLiteral("GET user.xml"), QStringLiteral("POST token/.xml"),
                                           QStringLiteral("GET alertdefinition.xml"), QStringLiteral("GET alertevent.xml")}));
}
