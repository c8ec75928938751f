#include "CloudFakes.h"

#include "cloud/engine/CloudMessageManager.h"
#include "platform/base/Log.h"

#include <QFile>

#include <thread>
#include <utility>

FakeHttpClient::FakeHttpClient(Handler handler) : m_handler(std::move(handler))
{
}

HttpResponse FakeHttpClient::Send(const HttpRequest& request, const CancelCheck& cancelled)
{
    Handler handler;
    {
        std::unique_lock lock(m_mutex);
        m_sent.push_back(request);
        while (m_held && !(cancelled && cancelled()))
            m_released.wait_for(lock, std::chrono::milliseconds(5));
        handler = m_handler;
    }
    return handler ? handler(request) : HttpResponse{200, QString()};
}

void FakeHttpClient::SetHandler(Handler handler)
{
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void FakeHttpClient::Hold()
{
    std::lock_guard lock(m_mutex);
    m_held = true;
}

void FakeHttpClient::Release()
{
    {
        std::lock_guard lock(m_mutex);
        m_held = false;
    }
    m_released.notify_all();
}

std::vector<HttpRequest> FakeHttpClient::Sent() const
{
    std::lock_guard lock(m_mutex);
    return m_sent;
}

std::size_t FakeHttpClient::SentCount() const
{
    std::lock_guard lock(m_mutex);
    return m_sent.size();
}

QStringList FakeHttpClient::SentLines(const QString& base) const
{
    QStringList lines;
    for (const HttpRequest& request : Sent())
    {
        QString path = request.url;
        if (path.startsWith(base))
            path = path.mid(base.size());
        // The time values change from run to run.
        path = path.section(QLatin1Char('?'), 0, 0);
        lines << request.verb + QLatin1Char(' ') + path;
    }
    return lines;
}

bool FakeMainWindow::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!exists)
        return false;
    std::lock_guard lock(m_mutex);
    m_waiting.push_back({message, wParam, lParam});
    m_history.push_back(message);
    return true;
}

std::vector<FakeMainWindow::Posted> FakeMainWindow::TakeAll()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_waiting, {});
}

std::vector<unsigned> FakeMainWindow::History() const
{
    std::lock_guard lock(m_mutex);
    return m_history;
}

UserSettings FakeCloudMediator::GetUserSettings()
{
    std::lock_guard lock(m_mutex);
    return login;
}

bool FakeCloudMediator::SetAlertReceiver(const QString& providerName, AlertReceiver* receiver)
{
    if (providerName != QStringLiteral("Kelvora OnLine") || !providerRuns)
        return false;
    std::lock_guard lock(m_mutex);
    m_receiver = receiver;
    if (receiver)
        ++receiverRegistrations;
    return true;
}

void FakeCloudMediator::ShowInfo(const QString& text)
{
    std::lock_guard lock(m_mutex);
    m_shown << text;
}

QStringList FakeCloudMediator::Shown() const
{
    std::lock_guard lock(m_mutex);
    return m_shown;
}

QStringList FakeCloudMediator::ShownTexts() const
{
    QStringList texts;
    for (const QString& text : Shown())
        texts << (text.endsWith(QLatin1Char('\n')) ? text.chopped(1) : text);
    return texts;
}

AlertReceiver* FakeCloudMediator::Receiver() const
{
    std::lock_guard lock(m_mutex);
    return m_receiver;
}

void FakeCloudAlertManager::OnReceivedCloudAlerts(std::vector<std::shared_ptr<CloudAlertData>> alerts)
{
    alertLists.push_back(std::move(alerts));
}

void FakeCloudAlertManager::OnReceivedCloudAlertEvents(const std::vector<std::shared_ptr<XMLElement>>& events)
{
    QStringList texts;
    for (const std::shared_ptr<XMLElement>& event : events)
        texts << event->GetText();
    eventLists.push_back(texts);
}

void FakeCloudAlertManager::AddNewCloudAlertEvent(const AlertEventGenerate& event)
{
    ++pushedEvents;
}

bool FakeCloudAlertManager::CheckIfAlertExist(const QString& name) const
{
    return names.contains(name);
}

bool Pump(CloudMessageManager& manager, FakeMainWindow& window, const std::function<bool()>& done,
          std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;)
    {
        for (const FakeMainWindow::Posted& posted : window.TakeAll())
            manager.PreTranslateMessage(posted.message, posted.wParam, posted.lParam);
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void PumpFor(CloudMessageManager& manager, FakeMainWindow& window, std::chrono::milliseconds time)
{
    Pump(manager, window, [] { return false; }, time);
}

bool PumpUntilSettled(CloudMessageManager& manager, FakeMainWindow& window, const std::function<bool()>& condition)
{
    const auto settled = [&manager, &condition] {
        return condition() && manager.GetHttpThread() && manager.GetHttpThread()->IsIdle();
    };
    return Pump(manager, window, [&] {
        if (!settled())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const FakeMainWindow::Posted& posted : window.TakeAll())
            manager.PreTranslateMessage(posted.message, posted.wParam, posted.lParam);
        return settled();
    });
}

LoggedHome::LoggedHome()
{
    Log::Init(m_home.Path() + QStringLiteral("/Log.txt"));
}

LoggedHome::~LoggedHome()
{
    Log::Close();
}

QString LoggedHome::Errors() const
{
    QFile file(m_home.Path() + QStringLiteral("/LogError.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString UserAnswer(const QString& id, const QString& email, const QString& phone, const QString& limitCode)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><response><user><id>%1</id><login>jan.cloud</login>"
                          "<email>%2</email><phoneno>%3</phoneno><new_email_limit_code>%4</new_email_limit_code>"
                          "<default_notifications>118</default_notifications><settings><NewAlertDefaultOnce>1"
                          "</NewAlertDefaultOnce></settings></user></response>")
        .arg(id, email, phone, limitCode);
}

QString TokenAnswer(const QString& token)
{
    return QStringLiteral("<?xml version=\"1.0\"?><response><token>%1</token></response>").arg(token);
}
