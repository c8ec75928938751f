#pragma once
// Fakes shared by the cloud tests: an HTTP client that records what the worker sends and
// answers as the test says, a main window that collects posted messages, a mediator and an
// alert manager that record what reaches them, a pump that plays the main thread, and a home
// whose log the tests read.

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/ICloudAlertManager.h"
#include "cloud/engine/ICloudMainWindow.h"
#include "cloud/engine/ICloudMediator.h"
#include "cloud/engine/IHttpClient.h"
#include "core/engine/XMLElement.h"
#include "platform/modules/AlertEventGenerate.h"
#include "platform/modules/AlertReceiver.h"
#include "tests/support/TempHome.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <ostream>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class CloudMessageManager;

// Readable texts in the failures of these tests.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class FakeHttpClient : public IHttpClient
{
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    explicit FakeHttpClient(Handler handler = {});

    HttpResponse Send(const HttpRequest& request, const CancelCheck& cancelled) override;

    void SetHandler(Handler handler);
    // While held, a send waits (until released or given up by the worker).
    void Hold();
    void Release();

    std::vector<HttpRequest> Sent() const;
    std::size_t SentCount() const;
    // "VERB path-after-base", one per request sent.
    QStringList SentLines(const QString& base) const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_held = false;
    Handler m_handler;
    std::vector<HttpRequest> m_sent;
};

class FakeMainWindow : public ICloudMainWindow
{
public:
    struct Posted
    {
        unsigned message = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };

    bool PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::vector<Posted> TakeAll();
    // Every message posted so far, taken or not.
    std::vector<unsigned> History() const;

    std::atomic<bool> exists = true;

private:
    mutable std::mutex m_mutex;
    std::vector<Posted> m_waiting;
    std::vector<unsigned> m_history;
};

class FakeCloudMediator : public ICloudMediator
{
public:
    UserSettings GetUserSettings() override;
    bool SetAlertReceiver(const QString& providerName, AlertReceiver* receiver) override;
    void ShowInfo(const QString& text) override;
    void UpdateRibbonContextWithoutModule() override { ++ribbonUpdates; }

    QStringList Shown() const;
    // The shown texts without their closing line breaks.
    QStringList ShownTexts() const;
    AlertReceiver* Receiver() const;

    UserSettings login{QStringLiteral("jan"), QStringLiteral("tajne")};
    std::atomic<bool> providerRuns = true;
    std::atomic<int> receiverRegistrations = 0;
    std::atomic<int> ribbonUpdates = 0;

private:
    mutable std::mutex m_mutex;
    QStringList m_shown;
    AlertReceiver* m_receiver = nullptr;
};

class FakeCloudAlertManager : public ICloudAlertManager
{
public:
    void OnReceivedCloudAlerts(std::vector<std::shared_ptr<CloudAlertData>> alerts) override;
    void OnReceivedCloudAlertEvents(const std::vector<std::shared_ptr<XMLElement>>& events) override;
    void AddNewCloudAlertEvent(const AlertEventGenerate& event) override;
    void ReorderNewCloudAlertsEvents() override { ++reorders; }
    void ClearAll() override { ++clears; }
    bool CheckIfAlertExist(const QString& name) const override;

    std::vector<std::vector<std::shared_ptr<CloudAlertData>>> alertLists;
    std::vector<QStringList> eventLists;  // the text of each event element
    QStringList names;
    int reorders = 0;
    int clears = 0;
    std::atomic<int> pushedEvents = 0;
};

// Plays the main thread: hands every posted message to the manager until done holds; false
// after the timeout.
bool Pump(CloudMessageManager& manager, FakeMainWindow& window, const std::function<bool()>& done,
          std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Pumps for the whole time.
void PumpFor(CloudMessageManager& manager, FakeMainWindow& window, std::chrono::milliseconds time);
// Pumps until the condition holds and the worker has nothing left to do, twice in a row with the
// messages handled in between, so that no answer is still on its way.
bool PumpUntilSettled(CloudMessageManager& manager, FakeMainWindow& window, const std::function<bool()>& condition);

// A temporary home with the log in it, for the tests that read the log.
class LoggedHome
{
public:
    LoggedHome();
    ~LoggedHome();
    LoggedHome(const LoggedHome&) = delete;
    LoggedHome& operator=(const LoggedHome&) = delete;

    QString Errors() const;

private:
    TempHome m_home;
};

// A user answer with the given id, login and contact data.
QString UserAnswer(const QString& id, const QString& email = QString(), const QString& phone = QString(),
                   const QString& limitCode = QString());
QString TokenAnswer(const QString& token);
