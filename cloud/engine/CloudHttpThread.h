#pragma once
// The worker thread that talks to the cloud REST endpoint. The main thread queues requests; the
// worker runs them one at a time, checks each answer, posts it to the main window and starts
// the next request only once the main thread has taken the answer or the grace time has passed.
// It keeps the server's token, registers the alert receiver at the online quotation provider,
// asks for the user while the server is changing, and watches add, edit and delete requests
// for the provider's modification notice.
//
// The queue, the current request, the answer, the token and the worker's copy of the account
// data are guarded by "HttpThread_Lock". An exchange without an answer is dropped and reported,
// and the queue goes on; a request whose token the server refuses is sent once more after a
// new token, not again.

#include "cloud/engine/CloudRequest.h"
#include "cloud/engine/CloudUserData.h"
#include "platform/base/MessageThread.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/base/ThreadEvent.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class CloudAlertReceiver;
class CloudMessageManager;
class CloudRequestBuilder;
class ICloudAlertManager;
class ICloudMainWindow;
class ICloudMediator;
class IHttpClient;

class CloudHttpThread : public MessageThread
{
public:
    static const QString kNotValidToken;
    static const QString kProviderName;
    static const QString kModificationMissedText;
    // Requests beyond this are refused (logged), so nothing can grow the queue without end.
    static constexpr std::size_t kMaxQueuedRequests = 4096;

    struct Timing
    {
        // How long an answer waits for the main thread before it is thrown away.
        std::chrono::milliseconds answerWait{6000};
        // The user timer's period, and its period while the server is changing.
        std::chrono::milliseconds userPeriod{5000};
        std::chrono::milliseconds serverChangedUserPeriod{1000};
        // How long an add, edit or delete waits for the provider's modification notice.
        std::chrono::milliseconds modificationWait{6000};
    };

    // What the worker works with; the manager outlives the thread.
    struct Links
    {
        CloudMessageManager* manager = nullptr;
        std::shared_ptr<ICloudMainWindow> mainWindow;
        std::shared_ptr<IHttpClient> client;
        std::shared_ptr<ICloudMediator> mediator;
        std::shared_ptr<ICloudAlertManager> alertManager;
        std::shared_ptr<const CloudRequestBuilder> requests;
    };

    // An answer for the main thread, with the kind of its request and its status.
    struct Answer
    {
        QString text;
        CloudRequestKind kind = eRequestNotSet;
        int status = 0;
        // Tells this answer from later ones, so that a late "taken" cannot release another.
        std::uint64_t serial = 0;
    };

    CloudHttpThread(Links links, Timing timing);
    ~CloudHttpThread() override;

    // Main thread. Queues the request (a delete list becomes one request per id, at the back);
    // true when no request runs, and the caller must then wake the worker with 0x626. False
    // also when the queue is full.
    bool AddRequest(CloudRequestKind kind, const QString& path, const QString& body, bool front);
    // Main thread: the answer waiting for it, which it takes; nothing when none waits.
    std::optional<Answer> GetAnswer();
    // Main thread: the answer of that serial was handled; the worker may go on. A serial of an
    // answer that no longer waits changes nothing.
    void SetAnswerConsumed(std::uint64_t serial);
    void SetUserLogData(const CloudUserData& userData);
    void SetToken(const QString& token);
    QString GetToken() const;
    // Provider thread: a modification notice arrived (before 0x62D is posted).
    void NoteAlertsModified();

    // No request runs and none waits.
    bool IsIdle() const;
    // Ends the thread: a wait for the main thread or an exchange under way is given up.
    void StopThread();

protected:
    bool InitInstance() override;
    void ExitInstance() override;
    bool ProcessMessage(const ThreadMessage& message) override;
    void OnTimer(std::uintptr_t id) override;

private:
    void ExecuteNextRequestIfNeccessary();
    // False when the worker must stop going through the queue.
    bool ExecuteRequest();
    void ServeAnswer(int status, const QString& text, bool sentWithToken);
    void RegisterAlertReceiver();
    bool SetNextRequestFromQueue();
    void SetCurrRequestForReCalling();
    void ClearCurrentRequest();
    bool WaitForAnswerConsumed();
    void QueueUserRequest();
    void ShowLoginMissing();
    bool PostToMainWindow(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Logs the lost exchange as an error and tells the user, unless already told (see below).
    void ReportNoAnswer(CloudRequestKind kind, const QString& details);
    void StartModificationTimer(bool failureReported);
    void OnUserTimer();
    void OnModificationTimer();

    const Links m_links;
    const Timing m_timing;

    mutable SafeCriticalSection m_lock{QStringLiteral("HttpThread_Lock")};
    std::deque<CloudRequest> m_queue;
    CloudRequest m_current;
    CloudUserData m_userData;
    QString m_token;
    std::optional<Answer> m_answer;
    std::uint64_t m_answerSerial = 0;
    bool m_loginMissingShown = false;
    // The main thread was asked for a token: other requests wait until it comes first.
    bool m_awaitingToken = false;

    // Set while an answer waits for the main thread; a plain flag would be read without order.
    ThreadEvent m_answerTaken{ThreadEvent::ResetMode::Manual, true};
    std::atomic<bool> m_stopping = false;
    std::atomic<bool> m_modificationNoticed = false;
    // Worker thread only.
    std::uintptr_t m_userTimerId = 0;
    std::uintptr_t m_modificationTimerId = 0;
    std::shared_ptr<CloudAlertReceiver> m_alertReceiver;
    // A lost exchange was reported since the last answer came; a lost alert change since the
    // queue last ran empty; the running modification timer's change was one of them.
    bool m_noConnectionShown = false;
    bool m_modificationFailureShown = false;
    bool m_modificationFailureReported = false;
};
