#pragma once
// The request side of the cloud link, on the main thread: the account data as the server last
// sent it, the worker thread and its life, the builders of the REST requests, the reading of
// the answers and the messages the worker, the provider and outside components post to the
// main window. Owned by CloudManager.
//
// The worker is made by RestartHttpThread (message 0x62E) and dropped by ReleaseHttpThread;
// before the first restart no request can be sent.

#include "cloud/engine/CloudHttpThread.h"
#include "cloud/engine/CloudRequestBuilder.h"
#include "cloud/engine/CloudRequestKind.h"
#include "cloud/engine/CloudUserData.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class CloudSettings;
class ICloudAlertManager;
class ICloudMainWindow;
class ICloudMediator;
class IHttpClient;
class XMLElement;

class CloudMessageManager
{
public:
    static const QString kMailChannelText;
    static const QString kSmsChannelText;
    static const QString kPhoneNumberInvalidText;
    static const QString kTokenAcceptedText;
    static const QString kOpenChangesLimitText;
    static const QString kMonthlyChangesLimitText;
    static const QString kWrongConfirmationsLimitText;

    CloudMessageManager(std::shared_ptr<const CloudSettings> settings, std::shared_ptr<IHttpClient> client,
                        CloudHttpThread::Timing timing = {}, CloudRequestBuilder::Clock clock = {});
    ~CloudMessageManager();
    CloudMessageManager(const CloudMessageManager&) = delete;
    CloudMessageManager& operator=(const CloudMessageManager&) = delete;

    // Main thread; a worker takes what was set when it is made.
    void SetMediator(std::shared_ptr<ICloudMediator> mediator);
    void SetAlertManager(std::shared_ptr<ICloudAlertManager> alertManager);
    // The main window that message 0x62E restarts the worker with.
    void SetMainWindow(std::shared_ptr<ICloudMainWindow> mainWindow);

    // Requests, main thread. Each queues on the worker and wakes it when it is idle; without a
    // worker the request is dropped (logged).
    void PostRequest(const QString& path, CloudRequestKind kind, const QString& body);
    void PostRequestFirst(const QString& path, CloudRequestKind kind);
    void GetUser();
    void GetUserCloudData();
    void GetChangeEmailError();
    void GetChangeTelNumberError();
    void GetCloudToken(bool front);
    void GetAllAlerts();
    void GetAlertEvents();
    // alertXml is the request element of CloudAlertData::WriteRequestXml.
    void AddAlert(const QString& alertXml);
    void EditAlert(const QString& alertXml, std::int32_t alertId);
    // One request per id, in order; nothing for no ids.
    void DeleteAlerts(const std::vector<std::int32_t>& alertIds);
    // Nothing when the address is the confirmed one; else the user, then the change.
    void ChangeUserEmail(const QString& address);
    void ChangeTelNumber(const QString& number);
    void SendTelNumberToken(const QString& code);
    // Keeps the defaults, sends them, then asks for the user.
    void ChangeCloudAlertNotifications(std::int32_t bits, bool once);

    // Main thread: reads an answer of the kind into the account data, the alert list or the
    // events, and queues what follows it. The worker is told that the answer was taken.
    void ProcessAnswer(const QString& answer, CloudRequestKind kind, int status);
    // Main thread: handles the cloud link's messages to the main window; false for others.
    // The answer of 0x627 is taken with its own kind and status from the worker.
    bool PreTranslateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // Main thread: takes the login of the default data provider anew and hands the worker the
    // whole account data.
    void SetUserLogData();
    // Main thread: a new worker with the server's account data forgotten.
    void RestartHttpThread(std::shared_ptr<ICloudMainWindow> mainWindow);
    void ReleaseHttpThread();

    const CloudUserData& GetUserData() const { return m_userData; }
    const std::shared_ptr<CloudHttpThread>& GetHttpThread() const { return m_thread; }
    const CloudRequestBuilder& Requests() const { return *m_requests; }
    bool IsFirstTokenPending() const { return m_firstTokenPending; }

    // Any thread.
    bool IsServerChanged() const { return m_serverChanged; }
    void SetServerChanged(bool changed) { m_serverChanged = changed; }
    bool IsEventsRequested() const { return m_eventsRequested; }
    void SetEventsRequested(bool requested) { m_eventsRequested = requested; }

private:
    void Taken();
    void ReadUserAnswer(const XMLElement* root);
    void ReceiveAlerts(const XMLElement* root, int status);
    void ReceiveEvents(const XMLElement* root, int status);
    // Whether an answer's list can go to the alert manager; logs why not.
    bool CanDeliver(bool answerHoldsList, int status, const QString& where) const;
    void HandleContactChange(const XMLElement* root, CloudRequestKind kind, int status);
    void ShowInfo(const QString& text) const;

    const std::shared_ptr<const CloudRequestBuilder> m_requests;
    const std::shared_ptr<IHttpClient> m_client;
    const CloudHttpThread::Timing m_timing;
    std::shared_ptr<ICloudMediator> m_mediator;
    std::shared_ptr<ICloudAlertManager> m_alertManager;
    std::shared_ptr<ICloudMainWindow> m_mainWindow;

    CloudUserData m_userData;
    bool m_firstTokenPending = true;
    std::atomic<bool> m_serverChanged = false;
    std::atomic<bool> m_eventsRequested = false;
    std::shared_ptr<CloudHttpThread> m_thread;
    // The serial of the answer being processed; 0 when the answer came from elsewhere.
    std::uint64_t m_answerSerial = 0;
};
