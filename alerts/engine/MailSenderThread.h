#pragma once
// Sends the mails of generated alerts one after another on a thread of their own, started by the
// first Send, so that a slow or unreachable server never holds the alerts worker. A mail that
// cannot be sent is written to the error log and dropped; the next one is tried. Stopping drops
// the mails still queued and ends a transfer under way.
//
// SetupSender and StopSending on the main thread; Send where generated alerts are announced.

#include "alerts/engine/MailSender.h"
#include "platform/base/PlainThread.h"
#include "platform/base/ThreadEvent.h"
#include "platform/base/ThreadSafeQueue.h"

#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class MailSenderThread : public PlainThread
{
public:
    struct MailData
    {
        QString recipient;
        QString subject;
        QString body;
    };

    MailSenderThread();
    ~MailSenderThread() override;

    void SetupSender(const QString& host, const QString& user, const QString& password, int port, bool ssl,
                     bool startTls);
    void Send(const QString& recipient, const QString& subject, const QString& body);
    void StopSending();

protected:
    void Run() override;

private:
    MailSender m_sender;
    ThreadSafeQueue<std::shared_ptr<MailData>> m_queue;
    std::mutex m_startMutex;
    ThreadEvent m_event{ThreadEvent::ResetMode::Manual};
    std::atomic<bool> m_abort = false;
};
