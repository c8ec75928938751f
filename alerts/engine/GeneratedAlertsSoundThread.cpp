#include "alerts/engine/GeneratedAlertsSoundThread.h"

#include "alerts/engine/ISoundPlayer.h"

GeneratedAlertsSoundThread::GeneratedAlertsSoundThread(std::shared_ptr<ISoundPlayer> player,
                                                       std::function<QString(unsigned side)> soundFile)
    : PlainThread(QStringLiteral("GeneratedAlertsSoundThread"))
    , m_player(std::move(player))
    , m_soundFile(std::move(soundFile))
{
}

GeneratedAlertsSoundThread::~GeneratedAlertsSoundThread()
{
    Stop();
}

void GeneratedAlertsSoundThread::Play(unsigned kind)
{
    const std::lock_guard lock(m_startMutex);
    if (!IsRunning())
    {
        m_kind.store(kIdle);
        m_event.Reset();
        Start();
    }
    m_kind.store(kind);
    m_event.Set();
}

void GeneratedAlertsSoundThread::Stop()
{
    const std::lock_guard lock(m_startMutex);
    if (!IsRunning())
        return;
    RequestStop();
    m_event.Set();
    m_player->Purge();
    Join();
}

void GeneratedAlertsSoundThread::Run()
{
    while (!IsStopRequested())
    {
        // The request is taken before the sound plays, so that one coming during it is kept.
        const unsigned kind = m_kind.exchange(kIdle);
        if (kind == kSell || kind == kBuy)
            m_player->PlayFileBlocking(m_soundFile(kind));
        if (IsStopRequested())
            break;
        if (m_kind.load() != kIdle)
            continue;
        m_event.Wait();
        if (IsStopRequested())
            break;
        m_event.Reset();
    }
    m_player->Purge();
}
