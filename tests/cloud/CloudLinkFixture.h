#pragma once
// A cloud link with a running worker over the fake HTTP client, a server script that knows the
// user "jan" (password "tajne", token "T1"), and the test thread playing the main thread.

#include "cloud/engine/CloudHttpThread.h"
#include "cloud/engine/CloudMessageManager.h"

#include "CloudFakes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

extern const QString kCloudTestBase;

// What the scripted server answers: the user, the token, two alerts, two events, else 204.
HttpResponse ScriptedServer(const HttpRequest& request);
QString AlertListAnswer();
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(5));
QString Credentials(const HttpRequest& request);

class CloudLinkFixture : public ::testing::Test
{
protected:
    ~CloudLinkFixture() override;

    // Timers that never fire within a test.
    static CloudHttpThread::Timing Quiet();

    void Start(CloudHttpThread::Timing timing = Quiet(), bool serverChanged = false);
    // Runs the start-up until the events were fetched: four requests.
    void StartSignedIn(CloudHttpThread::Timing timing = Quiet());
    bool PumpUntilSent(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Pumps until the worker has nothing left to do.
    bool PumpUntilIdle();

    QStringList Lines() const { return client->SentLines(kCloudTestBase); }
    int Count(const QString& line) const { return static_cast<int>(Lines().count(line)); }

    std::shared_ptr<FakeHttpClient> client = std::make_shared<FakeHttpClient>(ScriptedServer);
    std::shared_ptr<FakeMainWindow> window = std::make_shared<FakeMainWindow>();
    std::shared_ptr<FakeCloudMediator> mediator = std::make_shared<FakeCloudMediator>();
    std::shared_ptr<FakeCloudAlertManager> alerts = std::make_shared<FakeCloudAlertManager>();
    std::unique_ptr<CloudMessageManager> manager;
};
