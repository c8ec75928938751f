#include "cloud/engine/CloudHttpControlResults.h"
#include "cloud/engine/CloudHttpThread.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudSettings.h"
#include "cloud/engine/CurlHttpClient.h"

#include "CloudFakes.h"
#include "LoopbackHttpServer.h"
#include "TestCertificateAuthority.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>

using namespace std::chrono_literals;

namespace
{
using Reply = LoopbackHttpServer::Reply;

Reply Xml(const QString& text, int status = 200)
{
    Reply reply;
    reply.status = status;
    reply.body = text.toUtf8();
    return reply;
}

// The cloud server as the scripted tests know it, over HTTP, with room for a test's own answers.
class CloudServer
{
public:
    std::function<std::optional<Reply>(const LoopbackHttpServer::Request&)> special;

    Reply Answer(const LoopbackHttpServer::Request& request) const
    {
        if (special)
            if (std::optional<Reply> reply = special(request))
                return *reply;
        const QByteArray target = request.target;
        if (target.startsWith("/rest/user.xml"))
            return Xml(UserAnswer(QStringLiteral("77"), QStringLiteral("jan@kowalski.pl"), QStringLiteral("600100200")));
        if (target == "/rest/token/.xml")
            return Xml(TokenAnswer(QStringLiteral("Tok&amp;en")));
        if (target.startsWith("/rest/alertdefinition.xml"))
            return Xml(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><response><alertdefinition><alert>"
                                      "<id>5</id><name>Zażółć</name><status>10</status><status2>1</status2>"
                                      "<start_from_side>66</start_from_side><buy_value>12.5</buy_value>"
                                      "</alert></alertdefinition></response>"));
        if (target.startsWith("/rest/alertevent.xml"))
            return Xml(QStringLiteral("<?xml version=\"1.0\"?><response><alertevent><e>E1</e></alertevent></response>"));
        Reply empty;
        empty.status = 204;
        return empty;
    }
};
}

class CloudLoopbackTest : public ::testing::Test
{
protected:
    CloudLoopbackTest() : server([this](const LoopbackHttpServer::Request& request) { return script.Answer(request); }) {}

    ~CloudLoopbackTest() override
    {
        if (manager)
            manager->ReleaseHttpThread();
    }

    void Start()
    {
        ASSERT_TRUE(server.IsListening());
        StartAt(server.BaseUrl());
    }

    void StartAt(const QString& base, const QString& caFile = QString())
    {
        CurlHttpClient::Options options;
        options.connectTimeout = 2s;
        options.totalTimeout = 500ms;
        options.caFile = caFile;
        CloudHttpThread::Timing timing;
        timing.userPeriod = timing.serverChangedUserPeriod = timing.modificationWait = std::chrono::hours(1);
        settings = std::make_shared<CloudSettings>(base);
        manager = std::make_unique<CloudMessageManager>(settings, std::make_shared<CurlHttpClient>(options), timing);
        manager->SetMediator(mediator);
        manager->SetAlertManager(alerts);
        manager->RestartHttpThread(window);
    }

    bool PumpUntilSeen(std::size_t count)
    {
        return PumpUntilSettled(*manager, *window, [this, count] { return server.Requests().size() >= count; });
    }

    QList<QByteArray> Targets() const
    {
        QList<QByteArray> targets;
        for (const LoopbackHttpServer::Request& request : server.Requests())
            targets << request.method + ' ' + request.target.split('?').front();
        return targets;
    }

    CloudServer script;
    LoopbackHttpServer server;
    std::shared_ptr<FakeMainWindow> window = std::make_shared<FakeMainWindow>();
    std::shared_ptr<FakeCloudMediator> mediator = std::make_shared<FakeCloudMediator>();
    std::shared_ptr<FakeCloudAlertManager> alerts = std::make_shared<FakeCloudAlertManager>();
    std::shared_ptr<CloudSettings> settings;
    std::unique_ptr<CloudMessageManager> manager;
};

TEST_F(CloudLoopbackTest, SignsInListsAndChangesAlertsOverHttp)
{
    Start();
    ASSERT_TRUE(PumpUntilSeen(4));
    ASSERT_EQ(alerts->alertLists.size(), 1U);
    ASSERT_EQ(alerts->alertLists[0].size(), 1U);
    EXPECT_EQ(alerts->alertLists[0][0]->name, QStringLiteral("Zażółć"));
    EXPECT_DOUBLE_EQ(alerts->alertLists[0][0]->buyValue, 12.5);
    EXPECT_EQ(alerts->eventLists, std::vector<QStringList>{{QStringLiteral("E1")}});

    manager->EditAlert(QStringLiteral("<request><alertdefinition><name>Nowa</name></alertdefinition></request>"), 5);
    manager->DeleteAlerts({5, 6});
    manager->SendTelNumberToken(QStringLiteral("12&34"));
    ASSERT_TRUE(PumpUntilSeen(8));

    const std::vector<LoopbackHttpServer::Request> seen = server.Requests();
    EXPECT_EQ(Targets(), (QList<QByteArray>{"GET /rest/user.xml", "POST /rest/token/.xml", "GET /rest/alertdefinition.xml",
                                            "GET /rest/alertevent.xml", "PUT /rest/alertdefinition/5",
                                            "DELETE /rest/alertdefinition/5", "DELETE /rest/alertdefinition/6",
                                            "PUT /rest/user/new_phoneno_token", "GET /rest/user.xml"}));
    EXPECT_EQ(seen[0].user + QLatin1Char(':') + seen[0].password, QStringLiteral("jan:tajne"));
    EXPECT_EQ(seen[1].user + QLatin1Char(':') + seen[1].password, QStringLiteral("jan:tajne"));
    for (std::size_t i = 2; i < seen.size(); ++i)
        EXPECT_EQ(seen[i].user + QLatin1Char(':') + seen[i].password, QStringLiteral("_token:Tok&en")) << i;
    for (const LoopbackHttpServer::Request& request : seen)
        EXPECT_EQ(request.headers.at("content-type"), "text/xml");
    EXPECT_EQ(seen[4].body, "<?xml version=\"1.0\"?><request><alertdefinition><name>Nowa</name></alertdefinition></request>");
    EXPECT_EQ(seen[7].body, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><request><user><new_phoneno_token>12&amp;34"
                            "</new_phoneno_token></user></request>");
    EXPECT_EQ(mediator->ShownTexts(), QStringList{QStringLiteral("Token zaakceptowany.")});
}

TEST_F(CloudLoopbackTest, FaultyAnswersGiveTheirTextsAndTheQueueGoesOn)
{
    struct Case
    {
        const char* name;
        Reply reply;
        QStringList shown;
    };
    // Longer than the client waits, short enough for the one-connection server to be free again.
    Reply late = Xml(QString());
    late.delay = 700ms;
    Reply hangUp;
    hangUp.hangUp = true;
    Reply reset;
    reset.reset = true;
    Reply html = Xml(QStringLiteral("<html><body>Serwis niedostępny</body></html>"), 503);
    html.contentType = "text/html";
    const Case cases[] = {
        {"server error", Xml(QStringLiteral("<?xml version=\"1.0\"?><r><errors><e>Błąd bazy</e></errors></r>"), 500),
         {QStringLiteral("Błąd bazy\n")}},
        {"time-out", late, {CloudHttpControlResults::kNoConnectionText}},
        {"hang-up", hangUp, {CloudHttpControlResults::kNoConnectionText}},
        {"reset", reset, {CloudHttpControlResults::kNoConnectionText}},
        {"malformed", Xml(QStringLiteral("<?xml version=\"1.0\"?><response><alertdefinition><alert>")), {}},
        {"wrong content", html, {}},
        {"limit", Xml(QStringLiteral("{\"return_code\":-35}"), 403), {QStringLiteral("Użytkownik nieaktywny.")}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::atomic<int> lists = 0;
        script.special = [&c, &lists](const LoopbackHttpServer::Request& request) -> std::optional<Reply> {
            if (request.target.startsWith("/rest/alertdefinition.xml") && lists++ == 0)
                return c.reply;
            return std::nullopt;
        };
        mediator = std::make_shared<FakeCloudMediator>();
        alerts = std::make_shared<FakeCloudAlertManager>();
        const std::size_t before = server.Requests().size();
        Start();
        ASSERT_TRUE(PumpUntilSeen(before + 3));
        PumpFor(*manager, *window, 300ms);
        EXPECT_TRUE(alerts->alertLists.empty());
        EXPECT_EQ(mediator->ShownTexts(), c.shown);
        // The queue works: the next list comes.
        manager->GetAllAlerts();
        ASSERT_TRUE(Pump(*manager, *window, [this] { return alerts->alertLists.size() == 1; }));
        manager->ReleaseHttpThread();
    }
}

TEST_F(CloudLoopbackTest, NoRequestLeavesTheConfiguredAddress)
{
    script.special = [](const LoopbackHttpServer::Request& request) -> std::optional<Reply> {
        if (request.target != "/rest/token/.xml")
            return std::nullopt;
        Reply moved;
        moved.status = 307;
        moved.headers = {"Location: /elsewhere/token/.xml"};
        return moved;
    };
    Start();
    ASSERT_TRUE(PumpUntilSeen(2));
    PumpFor(*manager, *window, 100ms);
    // A provider reports an address that is no cloud server: the requests stay where they were.
    settings->SetServerNewIp("ftp://127.0.0.1/rest/");
    const std::size_t before = server.Requests().size();
    manager->GetAllAlerts();
    ASSERT_TRUE(PumpUntilSeen(before + 1));
    for (const LoopbackHttpServer::Request& request : server.Requests())
        EXPECT_TRUE(request.target.startsWith("/rest/")) << request.target.toStdString();
    EXPECT_TRUE(Targets().contains("GET /rest/alertdefinition.xml"));
}

TEST_F(CloudLoopbackTest, SignsInOverHttpsAndRefusesACertificateForAnotherAddress)
{
    const LoggedHome home;
    TestCertificateAuthority authority;
    ASSERT_TRUE(authority.IsValid());
    const auto answer = [this](const LoopbackHttpServer::Request& request) { return script.Answer(request); };
    const TestCertificateAuthority::Issued fitting = authority.Issue(QStringLiteral("loopback"), QStringLiteral("IP:127.0.0.1"));
    LoopbackHttpServer secure(answer, LoopbackHttpServer::Tls{fitting.certificateFile, fitting.keyFile});
    ASSERT_TRUE(secure.IsListening());
    StartAt(secure.BaseUrl(), authority.CertificateFile());
    ASSERT_TRUE(PumpUntilSettled(*manager, *window, [this] { return alerts->eventLists.size() == 1; }));
    EXPECT_EQ(secure.Requests().size(), 4U);
    EXPECT_EQ(alerts->alertLists.size(), 1U);
    EXPECT_TRUE(mediator->Shown().isEmpty());
    manager->ReleaseHttpThread();

    const TestCertificateAuthority::Issued other = authority.Issue(QStringLiteral("elsewhere"), QStringLiteral("DNS:chmura.test"));
    LoopbackHttpServer misnamed(answer, LoopbackHttpServer::Tls{other.certificateFile, other.keyFile});
    ASSERT_TRUE(misnamed.IsListening());
    mediator = std::make_shared<FakeCloudMediator>();
    StartAt(misnamed.BaseUrl(), authority.CertificateFile());
    ASSERT_TRUE(Pump(*manager, *window, [this] { return !mediator->Shown().isEmpty(); }));
    ASSERT_TRUE(PumpUntilSettled(*manager, *window, [] { return true; }));
    EXPECT_EQ(mediator->ShownTexts(), QStringList{CloudHttpControlResults::kNoConnectionText});
    EXPECT_TRUE(misnamed.Requests().empty());
    EXPECT_TRUE(home.Errors().contains(QStringLiteral("Certyfikat serwera ") + misnamed.BaseUrl()));
}
