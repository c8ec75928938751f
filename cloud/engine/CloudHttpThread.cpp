#include "cloud/engine/CloudHttpThread.h"

#include "cloud/engine/CloudAlertReceiver.h"
#include "cloud/engine/CloudHttpControlResults.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/CloudRequestBuilder.h"
#include "cloud/engine/ICloudMainWindow.h"
#include "cloud/engine/ICloudMediator.h"
#include "cloud/engine/IHttpClient.h"
#include "platform/base/Log.h"
#include "platform/base/SafeAutoLock.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace
{
constexpr const char* kFile = "CloudHttpThread.cpp";
const QString kModule = QStringLiteral("CloudAlert");
constexpr int kStatusNoContent = 204;
constexpr int kStatusNoContentAsReported = 1223;
constexpr int kStatusUnauthorized = 401;
constexpr int kFirstErrorStatus = 400;
// The server's own code for "no connection", whose text an alert change that got no answer shows.
constexpr std::int32_t kNoConnectionCode = -5;

bool IsModification(CloudRequestKind kind)
{
    return kind == eAddAlert || kind == eEditAlert || kind == eDeleteAlerts;
}
}

const QString CloudHttpThread::kNotValidToken = QStringLiteral("NOT_VALID");
const QString CloudHttpThread::kProviderName = QStringLiteral("Kelvora OnLine");
const QString CloudHttpThread::kModificationMissedText =
    QStringLiteral("Błąd! Nie otrzymano komunikatu modyfikacji alertu. Dodatkowe odświeżenie listy alertów.");

CloudHttpThread::CloudHttpThread(Links links, Timing timing)
    : MessageThread(QStringLiteral("CloudHttpThread"))
    , m_links(std::move(links))
    , m_timing(timing)
{
}

CloudHttpThread::~CloudHttpThread()
{
    StopThread();
}

bool CloudHttpThread::AddRequest(CloudRequestKind kind, const QString& path, const QString& body, bool front)
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::AddRequest", kFile);
    // An empty id between two separators would address the whole collection, not one alert.
    const QStringList ids = kind == eDeleteAlerts ? body.split(QLatin1Char(';'), Qt::SkipEmptyParts) : QStringList();
    const std::size_t adding = kind == eDeleteAlerts ? static_cast<std::size_t>(ids.size()) : 1;
    if (m_queue.size() + adding > kMaxQueuedRequests)
    {
        Log::WriteWarning(QStringLiteral("Kolejka żądań Chmury jest pełna; odrzucone żądanie rodzaju %1").arg(kind), kModule,
                          QStringLiteral("CloudHttpThread::AddRequest"), __LINE__);
        return false;
    }
    if (kind == eDeleteAlerts)
        for (const QString& id : ids)
            m_queue.push_back({path + id, QString(), kind});
    else if (front)
        m_queue.push_front({path, body, kind});
    else
        m_queue.push_back({path, body, kind});
    return !m_current.IsSet();
}

std::optional<CloudHttpThread::Answer> CloudHttpThread::GetAnswer()
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::GetAnswer", kFile);
    return std::exchange(m_answer, std::nullopt);
}

void CloudHttpThread::SetAnswerConsumed(std::uint64_t serial)
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::SetAnswerConsumed", kFile);
    if (serial == m_answerSerial)
        m_answerTaken.Set();
}

void CloudHttpThread::SetUserLogData(const CloudUserData& userData)
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::SetUserLogData", kFile);
    if (userData.login != m_userData.login)
        m_loginMissingShown = false;
    m_userData = userData;
}

void CloudHttpThread::SetToken(const QString& token)
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::SetToken", kFile);
    m_token = token;
}

QString CloudHttpThread::GetToken() const
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::GetToken", kFile);
    return m_token;
}

void CloudHttpThread::NoteAlertsModified()
{
    m_modificationNoticed = true;
}

bool CloudHttpThread::IsIdle() const
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::IsIdle", kFile);
    return !m_current.IsSet() && m_queue.empty();
}

void CloudHttpThread::StopThread()
{
    m_stopping = true;
    m_answerTaken.Set();
    Stop();
}

bool CloudHttpThread::InitInstance()
{
    const bool serverChanged = m_links.manager && m_links.manager->IsServerChanged();
    if (!serverChanged)
        QueueUserRequest();
    m_userTimerId = SetTimer(CloudMessages::kUserTimerId,
                             serverChanged ? m_timing.serverChangedUserPeriod : m_timing.userPeriod);
    return true;
}

void CloudHttpThread::ExitInstance()
{
    if (m_alertReceiver && m_links.mediator)
        m_links.mediator->SetAlertReceiver(kProviderName, nullptr);
    m_alertReceiver.reset();
}

bool CloudHttpThread::ProcessMessage(const ThreadMessage& message)
{
    if (m_stopping || IsStopping())
        return MessageThread::ProcessMessage(message);
    switch (message.message)
    {
    case CloudMessages::kExecuteNextRequest:
        ExecuteNextRequestIfNeccessary();
        return true;
    case CloudMessages::kRegisterAlertReceiver:
        RegisterAlertReceiver();
        return true;
    case CloudMessages::kAlertsModified:
        if (m_modificationTimerId != 0)
        {
            KillTimer(m_modificationTimerId);
            m_modificationTimerId = 0;
        }
        ExecuteNextRequestIfNeccessary();
        return true;
    default:
        return MessageThread::ProcessMessage(message);
    }
}

void CloudHttpThread::OnTimer(std::uintptr_t id)
{
    if (m_stopping)
        return;
    if (id == CloudMessages::kUserTimerId)
        OnUserTimer();
    else if (id == CloudMessages::kModificationTimerId)
        OnModificationTimer();
}

void CloudHttpThread::ExecuteNextRequestIfNeccessary()
{
    // A loop rather than the next request from the end of the previous one, so that a long
    // queue does not deepen the stack.
    for (;;)
    {
        if (!WaitForAnswerConsumed())
            return;
        bool queued = false;
        bool tokenRefused = false;
        {
            const SafeAutoLock lock(m_lock, "CloudHttpThread::ExecuteNextRequestIfNeccessary", kFile);
            queued = !m_queue.empty();
            if (m_token == kNotValidToken)
            {
                m_token.clear();
                tokenRefused = true;
            }
            // Wake-ups that were already on their way must not send the refused request again
            // without a token.
            else if (m_awaitingToken && queued && m_queue.front().kind != eGetCloudToken)
                return;
        }
        // The main thread queues a token request first, which wakes the queue again. Without
        // a main window the queue goes on with login and password.
        if (tokenRefused && PostToMainWindow(CloudMessages::kTokenNeeded))
        {
            const SafeAutoLock lock(m_lock, "CloudHttpThread::ExecuteNextRequestIfNeccessary", kFile);
            m_awaitingToken = true;
            return;
        }
        if (!queued)
            m_modificationFailureShown = false;
        if (!queued || !ExecuteRequest())
            return;
    }
}

bool CloudHttpThread::ExecuteRequest()
{
    if (!SetNextRequestFromQueue())
        return false;
    CloudRequest request;
    CloudUserData user;
    QString token;
    {
        const SafeAutoLock lock(m_lock, "CloudHttpThread::ExecuteRequest", kFile);
        request = m_current;
        user = m_userData;
        token = m_token;
        if (request.kind == eGetCloudToken)
            m_awaitingToken = false;
    }
    if ((request.kind == eGetUser || request.kind == eGetUserCloudData) && user.login.isEmpty())
    {
        ClearCurrentRequest();
        ShowLoginMissing();
        return true;
    }
    if (!m_links.client)
    {
        Log::WriteError(QStringLiteral("Brak klienta HTTP; żądanie Chmury pominięte"), kModule,
                        QStringLiteral("CloudHttpThread::ExecuteRequest"), __LINE__);
        ClearCurrentRequest();
        return true;
    }
    if (m_stopping || IsStopping())
    {
        ClearCurrentRequest();
        return false;
    }

    // Rewritten on a copy: a request sent again after a refused token must not be rewritten twice.
    QString path = request.path;
    if (request.kind == eChangeUserEmail && !user.newEmail.isEmpty())
        path.replace(QStringLiteral("new_email"), QStringLiteral("new_email_token_resend"));
    if (request.kind == eChangeTelNumber && !user.newPhoneNo.isEmpty())
        path.replace(QStringLiteral("new_phoneno"), QStringLiteral("new_phoneno_token_resend"));

    const bool withToken = !token.isEmpty() && token != kNotValidToken;
    HttpRequest http;
    http.verb = CloudRequestVerb(request.kind);
    if (http.verb.isEmpty())
    {
        ClearCurrentRequest();
        return true;
    }
    http.url = path;
    http.user = withToken ? QStringLiteral("_token") : user.login;
    http.password = withToken ? token : user.password;
    http.headers = {{QByteArrayLiteral("Content-Type"), QByteArrayLiteral("text/xml")}};
    http.body = request.body;

    std::optional<HttpResponse> response;
    QString failure;
    try
    {
        response = m_links.client->Send(http, [this] { return m_stopping.load() || IsStopping(); });
    }
    catch (const std::exception& error)
    {
        failure = QString::fromUtf8(error.what());
    }
    if (m_stopping || IsStopping())
    {
        ClearCurrentRequest();
        return false;
    }
    if (response)
        ServeAnswer(response->status, response->text, withToken);
    else
        ReportNoAnswer(request.kind, QStringLiteral("%1 %2: %3").arg(http.verb, path, failure));
    // Also after a lost exchange: the server may have made the change, and the reload shows it.
    if (IsModification(request.kind))
        StartModificationTimer(!response);
    ClearCurrentRequest();
    return !m_stopping;
}

void CloudHttpThread::ReportNoAnswer(CloudRequestKind kind, const QString& details)
{
    // No answer exists for the request: it is dropped and the queue goes on.
    Log::WriteError(QStringLiteral("Żądanie Chmury bez odpowiedzi: %1").arg(details), kModule,
                    QStringLiteral("CloudHttpThread::ReportNoAnswer"), __LINE__);
    // While the server stays out of reach, polls and reloads fail one after another: the user
    // hears of it once. A change the user asked for is reported once per run of the queue.
    const bool modification = IsModification(kind);
    if (std::exchange(modification ? m_modificationFailureShown : m_noConnectionShown, true))
        return;
    m_noConnectionShown = true;
    const QString text = modification ? CloudHttpControlResults::ReturnCodeText(kNoConnectionCode)
                                      : CloudHttpControlResults::kNoConnectionText;
    CloudHttpControlResults::ShowInfo(m_links.mediator.get(), text);
}

void CloudHttpThread::ServeAnswer(int status, const QString& text, bool sentWithToken)
{
    if (status == kStatusNoContentAsReported)
        status = kStatusNoContent;
    if (status != HttpResponse::kHostNotResolvedStatus)
        m_noConnectionShown = m_modificationFailureShown = false;
    CloudRequestKind kind = eRequestNotSet;
    bool retried = false;
    {
        const SafeAutoLock lock(m_lock, "CloudHttpThread::ServeAnswer", kFile);
        kind = m_current.kind;
        retried = m_current.tokenRetried;
    }
    // Outside the lock: the check shows messages through the mediator.
    CloudHttpControlResults(kind, text, status, m_links.mediator.get()).Check(kind == eGetAllAlerts);

    if (status == kStatusUnauthorized)
    {
        // Only a refused token is worth a new one, and only once per request; a refused login
        // would ask for tokens without end.
        if (sentWithToken && !retried)
        {
            SetCurrRequestForReCalling();
            const SafeAutoLock lock(m_lock, "CloudHttpThread::ServeAnswer", kFile);
            m_token = kNotValidToken;
        }
        else
            Log::WriteWarning(QStringLiteral("Serwer Chmury odmówił dostępu; żądanie rodzaju %1 pominięte").arg(kind),
                              kModule, QStringLiteral("CloudHttpThread::ServeAnswer"), __LINE__);
        return;
    }
    if (status >= kFirstErrorStatus)
        Log::WriteWarning(QStringLiteral("Serwer Chmury odpowiedział statusem %1 na żądanie rodzaju %2").arg(status).arg(kind),
                          kModule, QStringLiteral("CloudHttpThread::ServeAnswer"), __LINE__);

    {
        const SafeAutoLock lock(m_lock, "CloudHttpThread::ServeAnswer", kFile);
        m_answer = Answer{text, kind, status, ++m_answerSerial};
        m_answerTaken.Reset();
    }
    if (!PostToMainWindow(CloudMessages::kAnswerReady, static_cast<std::uintptr_t>(kind), status))
    {
        // Nobody will take the answer; the queue need not wait for it.
        const SafeAutoLock lock(m_lock, "CloudHttpThread::ServeAnswer", kFile);
        m_answer.reset();
        m_answerTaken.Set();
    }
}

void CloudHttpThread::RegisterAlertReceiver()
{
    if (!m_links.mediator || !m_links.manager)
        return;
    auto receiver = std::make_shared<CloudAlertReceiver>(*this, *m_links.manager, m_links.mainWindow, m_links.alertManager);
    if (!m_links.mediator->SetAlertReceiver(kProviderName, receiver.get()))
    {
        Log::WriteInfo(QStringLiteral("Dostawca \"%1\" nie działa; zdarzenia alertów Chmury nie będą przekazywane")
                           .arg(kProviderName),
                       kModule, QStringLiteral("CloudHttpThread::RegisterAlertReceiver"), __LINE__);
        return;
    }
    // The provider calls only the new receiver from here on.
    m_alertReceiver = std::move(receiver);
}

bool CloudHttpThread::SetNextRequestFromQueue()
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::SetNextRequestFromQueue", kFile);
    if (m_queue.empty())
        return false;
    m_current = std::move(m_queue.front());
    m_queue.pop_front();
    return true;
}

void CloudHttpThread::SetCurrRequestForReCalling()
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::SetCurrRequestForReCalling", kFile);
    CloudRequest again = m_current;
    again.tokenRetried = true;
    m_queue.push_front(std::move(again));
}

void CloudHttpThread::ClearCurrentRequest()
{
    const SafeAutoLock lock(m_lock, "CloudHttpThread::ClearCurrentRequest", kFile);
    m_current = CloudRequest();
}

bool CloudHttpThread::WaitForAnswerConsumed()
{
    if (!m_answerTaken.WaitFor(m_timing.answerWait))
    {
        const SafeAutoLock lock(m_lock, "CloudHttpThread::WaitForAnswerConsumed", kFile);
        if (m_answer)
            Log::WriteWarning(QStringLiteral("Odpowiedź Chmury rodzaju %1 nie została odebrana; pominięta").arg(m_answer->kind),
                              kModule, QStringLiteral("CloudHttpThread::WaitForAnswerConsumed"), __LINE__);
        m_answer.reset();
        m_answerTaken.Set();
    }
    return !m_stopping && !IsStopping();
}

void CloudHttpThread::QueueUserRequest()
{
    if (m_links.requests && AddRequest(eGetUser, m_links.requests->Address(eGetUser), QString(), false))
        PostThreadMessage(CloudMessages::kExecuteNextRequest);
}

void CloudHttpThread::ShowLoginMissing()
{
    {
        const SafeAutoLock lock(m_lock, "CloudHttpThread::ShowLoginMissing", kFile);
        // Once per login: the server-change polling would repeat it every second.
        if (std::exchange(m_loginMissingShown, true))
            return;
    }
    CloudHttpControlResults::ShowInfo(m_links.mediator.get(), CloudHttpControlResults::kUndefinedUserText);
}

bool CloudHttpThread::PostToMainWindow(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return m_links.mainWindow && m_links.mainWindow->PostMessage(message, wParam, lParam);
}

void CloudHttpThread::StartModificationTimer(bool failureReported)
{
    m_modificationNoticed = false;
    m_modificationFailureReported = failureReported;
    m_modificationTimerId = SetTimer(CloudMessages::kModificationTimerId, m_timing.modificationWait);
}

void CloudHttpThread::OnUserTimer()
{
    if (!m_links.manager || !m_links.manager->IsServerChanged())
        return;
    bool idle = false;
    bool userKnown = false;
    bool userQueued = false;
    {
        const SafeAutoLock lock(m_lock, "CloudHttpThread::OnUserTimer", kFile);
        idle = !m_current.IsSet();
        userKnown = !m_userData.id.isEmpty();
        userQueued = std::any_of(m_queue.begin(), m_queue.end(),
                                 [](const CloudRequest& request) { return request.kind == eGetUser; });
    }
    if (!idle)
        return;
    if (userKnown)
    {
        KillTimer(m_userTimerId);
        m_userTimerId = 0;
    }
    else if (!userQueued)
        QueueUserRequest();
}

void CloudHttpThread::OnModificationTimer()
{
    KillTimer(CloudMessages::kModificationTimerId);
    m_modificationTimerId = 0;
    // The notice may have come while a long exchange kept its message waiting.
    if (m_modificationNoticed.exchange(false))
        return;
    PostToMainWindow(CloudMessages::kReloadAlerts);
    // The user already knows that the change got no answer.
    if (!m_modificationFailureReported)
        CloudHttpControlResults::ShowInfo(m_links.mediator.get(), kModificationMissedText);
}
