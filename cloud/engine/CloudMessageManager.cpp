#include "cloud/engine/CloudMessageManager.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAnswerReader.h"
#include "cloud/engine/CloudHttpControlResults.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/CloudXml.h"
#include "cloud/engine/ICloudAlertManager.h"
#include "cloud/engine/ICloudMainWindow.h"
#include "cloud/engine/ICloudMediator.h"
#include "core/engine/XMLElement.h"
#include "platform/base/Log.h"

#include <exception>
#include <utility>

namespace
{
const QString kModule = QStringLiteral("CloudAlert");
constexpr int kStatusNoContent = 204;
constexpr int kStatusUnprocessable = 422;
constexpr int kFirstErrorStatus = 400;
}

const QString CloudMessageManager::kMailChannelText =
    QStringLiteral("Zdefiniowałeś mailowy kanał informowania o alertach w Chmurze. Aby dokończyć proces, postępuj "
                   "zgodnie z otrzymaną wiadomością e-mail.");
const QString CloudMessageManager::kSmsChannelText =
    QStringLiteral("Zdefiniowałeś esemesowy kanał informowania o alertach w Chmurze. Aby dokończyć proces, w Opcjach "
                   "programu, w polu poniżej wprowadzonego numeru telefonu, wpisz kod otrzymany esemesem.");
const QString CloudMessageManager::kPhoneNumberInvalidText = QStringLiteral("Błąd poprawności numeru telefonu.");
const QString CloudMessageManager::kTokenAcceptedText = QStringLiteral("Token zaakceptowany.");
const QString CloudMessageManager::kOpenChangesLimitText =
    QStringLiteral("Przekroczono limit niezakończonych zmian danych kontaktowych.");
const QString CloudMessageManager::kMonthlyChangesLimitText =
    QStringLiteral("Przekroczono limit zmian danych kontaktowych w miesiącu.");
const QString CloudMessageManager::kWrongConfirmationsLimitText =
    QStringLiteral("Przekroczono limit błędnych potwierdzeń danych kontaktowych.");

CloudMessageManager::CloudMessageManager(std::shared_ptr<const CloudSettings> settings,
                                         std::shared_ptr<IHttpClient> client, CloudHttpThread::Timing timing,
                                         CloudRequestBuilder::Clock clock)
    : m_requests(std::make_shared<CloudRequestBuilder>(std::move(settings), std::move(clock)))
    , m_client(std::move(client))
    , m_timing(timing)
{
}

CloudMessageManager::~CloudMessageManager()
{
    ReleaseHttpThread();
}

void CloudMessageManager::SetMediator(std::shared_ptr<ICloudMediator> mediator)
{
    m_mediator = std::move(mediator);
}

void CloudMessageManager::SetAlertManager(std::shared_ptr<ICloudAlertManager> alertManager)
{
    m_alertManager = std::move(alertManager);
}

void CloudMessageManager::SetMainWindow(std::shared_ptr<ICloudMainWindow> mainWindow)
{
    m_mainWindow = std::move(mainWindow);
}

void CloudMessageManager::PostRequest(const QString& path, CloudRequestKind kind, const QString& body)
{
    if (!m_thread)
    {
        Log::WriteWarning(QStringLiteral("Wątek Chmury nie działa; żądanie rodzaju %1 pominięte").arg(kind), kModule,
                          QStringLiteral("CloudMessageManager::PostRequest"), __LINE__);
        return;
    }
    if (m_thread->AddRequest(kind, path, body, false))
        m_thread->PostThreadMessage(CloudMessages::kExecuteNextRequest);
}

void CloudMessageManager::PostRequestFirst(const QString& path, CloudRequestKind kind)
{
    if (!m_thread)
    {
        Log::WriteWarning(QStringLiteral("Wątek Chmury nie działa; żądanie rodzaju %1 pominięte").arg(kind), kModule,
                          QStringLiteral("CloudMessageManager::PostRequestFirst"), __LINE__);
        return;
    }
    if (m_thread->AddRequest(kind, path, QString(), true))
        m_thread->PostThreadMessage(CloudMessages::kExecuteNextRequest);
}

void CloudMessageManager::GetUser()
{
    PostRequest(m_requests->Address(eGetUser), eGetUser, QString());
}

void CloudMessageManager::GetUserCloudData()
{
    PostRequest(m_requests->Address(eGetUserCloudData), eGetUserCloudData, QString());
}

void CloudMessageManager::GetChangeEmailError()
{
    PostRequest(m_requests->Address(eGetChangeEmailError), eGetChangeEmailError, QString());
}

void CloudMessageManager::GetChangeTelNumberError()
{
    PostRequest(m_requests->Address(eGetChangeTelNumberError), eGetChangeTelNumberError, QString());
}

void CloudMessageManager::GetCloudToken(bool front)
{
    if (front)
        PostRequestFirst(m_requests->Address(eGetCloudToken), eGetCloudToken);
    else
        PostRequest(m_requests->Address(eGetCloudToken), eGetCloudToken, QString());
}

void CloudMessageManager::GetAllAlerts()
{
    PostRequest(m_requests->Address(eGetAllAlerts), eGetAllAlerts, QString());
}

void CloudMessageManager::GetAlertEvents()
{
    PostRequest(m_requests->Address(eGetAlertEvents), eGetAlertEvents, QString());
}

void CloudMessageManager::AddAlert(const QString& alertXml)
{
    PostRequest(m_requests->Address(eAddAlert), eAddAlert, CloudRequestBuilder::AlertBody(alertXml));
}

void CloudMessageManager::EditAlert(const QString& alertXml, std::int32_t alertId)
{
    PostRequest(m_requests->Address(eEditAlert) + QString::number(alertId), eEditAlert,
                CloudRequestBuilder::AlertBody(alertXml));
}

void CloudMessageManager::DeleteAlerts(const std::vector<std::int32_t>& alertIds)
{
    if (alertIds.empty())
        return;
    QString body;
    for (const std::int32_t id : alertIds)
        body += QString::number(id) + QLatin1Char(';');
    PostRequest(m_requests->Address(eDeleteAlerts), eDeleteAlerts, body);
}

void CloudMessageManager::ChangeUserEmail(const QString& address)
{
    if (address == m_userData.email)
        return;
    GetUser();
    PostRequest(m_requests->Address(eChangeUserEmail), eChangeUserEmail,
                CloudRequestBuilder::UserValueBody(QStringLiteral("new_email"), address));
}

void CloudMessageManager::ChangeTelNumber(const QString& number)
{
    if (number == m_userData.phoneNo)
        return;
    GetUser();
    PostRequest(m_requests->Address(eChangeTelNumber), eChangeTelNumber,
                CloudRequestBuilder::UserValueBody(QStringLiteral("new_phoneno"), number));
}

void CloudMessageManager::SendTelNumberToken(const QString& code)
{
    PostRequest(m_requests->Address(eSendTelNumberToken), eSendTelNumberToken,
                CloudRequestBuilder::UserValueBody(QStringLiteral("new_phoneno_token"), code));
}

void CloudMessageManager::ChangeCloudAlertNotifications(std::int32_t bits, bool once)
{
    m_userData.defaultNotifications = bits;
    m_userData.newAlertDefaultOnce = once;
    PostRequest(m_requests->Address(eChangeCloudAlertNotifications), eChangeCloudAlertNotifications,
                CloudRequestBuilder::NotificationsBody(bits, once));
    GetUser();
}

void CloudMessageManager::ProcessAnswer(const QString& answer, CloudRequestKind kind, int status)
{
    const bool contactChange = kind >= eChangeUserEmail && kind <= eSendTelNumberToken;
    if (answer.isEmpty() && !contactChange)
    {
        // Nothing to read; taken at once so that the worker need not wait its grace time.
        Taken();
        return;
    }
    const std::shared_ptr<XMLElement> root = answer.isEmpty() ? nullptr : CloudAnswerReader::Parse(answer, false);
    try
    {
        switch (kind)
        {
        case eGetUser:
        {
            const QString noted = m_userData.id;
            ReadUserAnswer(root.get());
            if (!m_userData.id.isEmpty() && m_userData.id != noted && m_thread)
                m_thread->PostThreadMessage(CloudMessages::kRegisterAlertReceiver);
            Taken();
            GetCloudToken(false);
            break;
        }
        case eGetCloudToken:
            if (const std::optional<QString> token = root ? CloudAnswerReader::ReadToken(*root) : std::nullopt;
                token && m_thread)
                m_thread->SetToken(*token);
            Taken();
            if (std::exchange(m_firstTokenPending, false))
                GetAllAlerts();
            break;
        case eGetUserCloudData:
            ReadUserAnswer(root.get());
            Taken();
            break;
        case eGetAllAlerts:
            ReceiveAlerts(root.get(), status);
            Taken();
            if (!m_eventsRequested.exchange(true))
                GetAlertEvents();
            break;
        case eGetAlertEvents:
            ReceiveEvents(root.get(), status);
            Taken();
            break;
        case eAddAlert:
        case eEditAlert:
        case eDeleteAlerts:
            Taken();
            if (m_mediator)
                m_mediator->UpdateRibbonContextWithoutModule();
            break;
        default:
            Taken();
            HandleContactChange(root.get(), kind, status);
            break;
        }
    }
    catch (const std::exception& error)
    {
        Log::WriteErrorEx(error, kModule, QStringLiteral("CloudMessageManager::ProcessAnswer"), __LINE__);
    }
    // Whatever happened above, the worker must not wait for this answer any longer.
    Taken();
}

bool CloudMessageManager::PreTranslateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message)
    {
    case CloudMessages::kAnswerReady:
        // A message whose answer was thrown away finds the next answer or none; the answer
        // itself says which request it belongs to.
        if (m_thread)
            if (std::optional<CloudHttpThread::Answer> answer = m_thread->GetAnswer())
            {
                m_answerSerial = answer->serial;
                ProcessAnswer(answer->text, answer->kind, answer->status);
                m_answerSerial = 0;
            }
        return true;
    case CloudMessages::kReloadAlerts:
        GetAllAlerts();
        return true;
    case CloudMessages::kAlertEventsWaiting:
        if (m_alertManager)
            m_alertManager->ReorderNewCloudAlertsEvents();
        return true;
    case CloudMessages::kTokenNeeded:
        GetCloudToken(true);
        return true;
    case CloudMessages::kRestartHttpThread:
        RestartHttpThread(m_mainWindow);
        return true;
    case CloudMessages::kClearCloudAlerts:
        if (m_alertManager)
            m_alertManager->ClearAll();
        return true;
    default:
        return false;
    }
}

void CloudMessageManager::SetUserLogData()
{
    const UserSettings login = m_mediator ? m_mediator->GetUserSettings() : UserSettings();
    m_userData.login = login.login;
    m_userData.password = login.password;
    if (m_thread)
        m_thread->SetUserLogData(m_userData);
}

void CloudMessageManager::RestartHttpThread(std::shared_ptr<ICloudMainWindow> mainWindow)
{
    ReleaseHttpThread();
    m_userData.id.clear();
    m_userData.email.clear();
    m_userData.cloudLogin.clear();
    m_userData.newEmail.clear();
    m_userData.phoneNo.clear();
    m_userData.newPhoneNo.clear();
    // A new account asks for its events with its first alert list.
    m_eventsRequested = false;
    m_mainWindow = std::move(mainWindow);

    CloudHttpThread::Links links;
    links.manager = this;
    links.mainWindow = m_mainWindow;
    links.client = m_client;
    links.mediator = m_mediator;
    links.alertManager = m_alertManager;
    links.requests = m_requests;
    auto thread = std::make_shared<CloudHttpThread>(std::move(links), m_timing);
    if (!thread->Start(MessageThread::StartMode::Suspended))
    {
        Log::WriteError(QStringLiteral("Nie można uruchomić wątku Chmury"), kModule,
                        QStringLiteral("CloudMessageManager::RestartHttpThread"), __LINE__);
        return;
    }
    m_thread = std::move(thread);
    SetUserLogData();
    m_thread->Resume();
    m_firstTokenPending = true;
}

void CloudMessageManager::ReleaseHttpThread()
{
    if (!m_thread)
        return;
    m_thread->StopThread();
    m_thread.reset();
}

void CloudMessageManager::Taken()
{
    if (m_thread && m_answerSerial != 0)
        m_thread->SetAnswerConsumed(m_answerSerial);
}

void CloudMessageManager::ReadUserAnswer(const XMLElement* root)
{
    if (root)
        CloudAnswerReader::ReadUser(*root, m_userData);
    if (m_thread)
        m_thread->SetUserLogData(m_userData);
}

void CloudMessageManager::ReceiveAlerts(const XMLElement* root, int status)
{
    auto alertList = root && status < kFirstErrorStatus ? CloudAnswerReader::ReadAlerts(*root) : std::nullopt;
    if (CanDeliver(alertList.has_value(), status, QStringLiteral("CloudMessageManager::ReceiveAlerts")))
        m_alertManager->OnReceivedCloudAlerts(std::move(*alertList));
}

void CloudMessageManager::ReceiveEvents(const XMLElement* root, int status)
{
    const auto events = root && status < kFirstErrorStatus ? CloudAnswerReader::EventElements(*root) : std::nullopt;
    if (CanDeliver(events.has_value(), status, QStringLiteral("CloudMessageManager::ReceiveEvents")))
        m_alertManager->OnReceivedCloudAlertEvents(*events);
}

bool CloudMessageManager::CanDeliver(bool answerHoldsList, int status, const QString& where) const
{
    // An error, an answer that is no XML or one without the list keeps what the user sees.
    if (!answerHoldsList)
        Log::WriteWarning(QStringLiteral("Odpowiedź Chmury bez oczekiwanej listy (status %1); dane bez zmian").arg(status),
                          kModule, where, __LINE__);
    else if (!m_alertManager)
        Log::WriteWarning(QStringLiteral("Brak menedżera alertów Chmury; odpowiedź pominięta"), kModule, where, __LINE__);
    return answerHoldsList && m_alertManager;
}

void CloudMessageManager::HandleContactChange(const XMLElement* root, CloudRequestKind kind, int status)
{
    switch (kind)
    {
    case eChangeUserEmail:
        if (status == kStatusNoContent)
            ShowInfo(kMailChannelText);
        else
            GetChangeEmailError();
        GetUserCloudData();
        break;
    case eChangeTelNumber:
        if (status == kStatusNoContent)
            ShowInfo(kSmsChannelText);
        else if (status == kStatusUnprocessable)
            ShowInfo(kPhoneNumberInvalidText);
        else
            GetChangeTelNumberError();
        GetUserCloudData();
        break;
    case eGetChangeEmailError:
    case eGetChangeTelNumberError:
    {
        // The code of this answer is the fresh one; the stored code may be older.
        const std::optional<QString> fresh = root ? CloudAnswerReader::ReadLimitCode(*root) : std::nullopt;
        switch (CloudXml::ToNumber(fresh.value_or(m_userData.newEmailLimitCode)))
        {
        case 0:
        case 1:
            ShowInfo(kOpenChangesLimitText);
            break;
        case 2:
            ShowInfo(kMonthlyChangesLimitText);
            break;
        case 3:
            ShowInfo(kWrongConfirmationsLimitText);
            break;
        default:
            break;
        }
        GetUserCloudData();
        break;
    }
    case eSendTelNumberToken:
        ShowInfo(status == kStatusNoContent ? kTokenAcceptedText : kWrongConfirmationsLimitText);
        GetUserCloudData();
        break;
    default:
        break;
    }
}

void CloudMessageManager::ShowInfo(const QString& text) const
{
    CloudHttpControlResults::ShowInfo(m_mediator.get(), text);
}
