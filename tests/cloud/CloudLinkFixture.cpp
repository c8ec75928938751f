#include "CloudLinkFixture.h"

#include "cloud/engine/CloudSettings.h"

#include <thread>

using namespace std::chrono_literals;

const QString kCloudTestBase = QStringLiteral("https://chmura.test/rest/");

QString AlertListAnswer()
{
    return QStringLiteral("<?xml version=\"1.0\"?><response><alertdefinition>"
                          "<a><id>1</id><name>A</name><status>10</status><status2>1</status2></a>"
                          "<a><id>2</id><name>B</name><status>10</status><status2>3</status2></a>"
                          "</alertdefinition></response>");
}

HttpResponse ScriptedServer(const HttpRequest& request)
{
    const QString path = request.url.mid(kCloudTestBase.size());
    if (path.startsWith(QStringLiteral("user.xml")))
        return {200, UserAnswer(QStringLiteral("77"), QStringLiteral("jan@kowalski.pl"), QStringLiteral("600100200"),
                                QStringLiteral("0"))};
    if (path == QStringLiteral("token/.xml"))
        return {200, TokenAnswer(QStringLiteral("T1"))};
    if (path.startsWith(QStringLiteral("alertdefinition.xml")))
        return {200, AlertListAnswer()};
    if (path.startsWith(QStringLiteral("alertevent.xml")))
        return {200, QStringLiteral("<?xml version=\"1.0\"?><response><alertevent><e>1</e><e>2</e></alertevent></response>")};
    return {204, QString()};
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

QString Credentials(const HttpRequest& request)
{
    return request.user + QLatin1Char(':') + request.password;
}

CloudLinkFixture::~CloudLinkFixture()
{
    if (manager)
        manager->ReleaseHttpThread();
}

CloudHttpThread::Timing CloudLinkFixture::Quiet()
{
    CloudHttpThread::Timing timing;
    timing.userPeriod = std::chrono::hours(1);
    timing.serverChangedUserPeriod = std::chrono::hours(1);
    timing.modificationWait = std::chrono::hours(1);
    return timing;
}

void CloudLinkFixture::Start(CloudHttpThread::Timing timing, bool serverChanged)
{
    manager = std::make_unique<CloudMessageManager>(std::make_shared<CloudSettings>(kCloudTestBase), client, timing,
                                                    [] { return 1700000000; });
    manager->SetMediator(mediator);
    manager->SetAlertManager(alerts);
    manager->SetServerChanged(serverChanged);
    manager->RestartHttpThread(window);
}

void CloudLinkFixture::StartSignedIn(CloudHttpThread::Timing timing)
{
    Start(timing);
    ASSERT_TRUE(PumpUntilSent(4));
    ASSERT_TRUE(Pump(*manager, *window,
                     [this] { return manager->GetHttpThread()->IsIdle() && !alerts->eventLists.empty(); }));
}

bool CloudLinkFixture::PumpUntilSent(std::size_t count, std::chrono::milliseconds timeout)
{
    return Pump(*manager, *window, [this, count] { return client->SentCount() >= count; }, timeout);
}

bool CloudLinkFixture::PumpUntilIdle()
{
    return PumpUntilSettled(*manager, *window, [] { return true; });
}
