#include "alerts/engine/MailSenderThread.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

MailSenderThread::MailSenderThread()
    : PlainThread(QStringLiteral("MailSenderThread"))
{
    m_sender.SetAbortFlag(&m_abort);
}

MailSenderThread::~MailSenderThread()
{
    StopSending();
}

void MailSenderThread::SetupSender(const QString& host, const QString& user, const QString& password, int port,
                                   bool ssl, bool startTls)
{
    m_sender.SetupSender(host, user, password, port, ssl, startTls);
}

void MailSenderThread::Send(const QString& recipient, const QString& subject, const QString& body)
{
    const std::lock_guard lock(m_startMutex);
    if (!IsRunning())
    {
        m_abort.store(false);
        m_event.Reset();
        if (!Start())
        {
            Log::WriteError(QStringLiteral("Mail alertu nie został wysłany: nie udało się uruchomić wątku wysyłania."),
                            QString::fromLatin1(AppPaths::kProductName), QStringLiteral("MailSenderThread::Send"),
                            __LINE__);
            return;
        }
    }
    m_queue.PushBack(std::make_shared<MailData>(MailData{recipient, subject, body}));
    m_event.Set();
}

void MailSenderThread::StopSending()
{
    const std::lock_guard lock(m_startMutex);
    if (!IsRunning())
        return;
    m_queue.Clear();
    RequestStop();
    m_abort.store(true);
    m_event.Set();
    Join();
}

void MailSenderThread::Run()
{
    while (!IsStopRequested())
    {
        m_event.Wait();
        while (!IsStopRequested())
        {
            const std::optional<std::shared_ptr<MailData>> mail = m_queue.PopFront();
            if (!mail)
                break;
            const MailData& data = **mail;
            if (!m_sender.SendEmail(data.recipient, data.subject, data.body))
                Log::WriteError(m_sender.GetLastError(), QString::fromLatin1(AppPaths::kProductName),
                                QStringLiteral("MailSenderThread::Execute"), __LINE__);
        }
        if (IsStopRequested())
            break;
        m_event.Reset();
        // A mail that came after the queue was found empty, before the reset.
        if (!m_queue.Empty())
            m_event.Set();
    }
}
