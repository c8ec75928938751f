#pragma once
// The sound of generated alerts: one thread, started by the first Play, that plays the buy or
// the sell sound file of the general settings and sleeps between sounds. Sounds are not queued:
// a Play that comes while a sound plays replaces any request still waiting, and only the newest
// side sounds after the current one.
//
// Play is called where generated alerts are announced and on the main thread (cloud events);
// Stop on the main thread when the module stops.

#include "platform/base/PlainThread.h"
#include "platform/base/ThreadEvent.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class ISoundPlayer;

class GeneratedAlertsSoundThread : public PlainThread
{
public:
    static constexpr unsigned kSell = 0;
    static constexpr unsigned kBuy = 1;
    static constexpr unsigned kIdle = 2;

    // soundFile: the file of a side, read when it is played.
    GeneratedAlertsSoundThread(std::shared_ptr<ISoundPlayer> player, std::function<QString(unsigned side)> soundFile);
    ~GeneratedAlertsSoundThread() override;

    // kind: 0 the sell sound, 1 the buy sound.
    void Play(unsigned kind);
    // Ends the sound being played and the thread; a later Play starts it again.
    void Stop();

protected:
    void Run() override;

private:
    const std::shared_ptr<ISoundPlayer> m_player;
    const std::function<QString(unsigned)> m_soundFile;
    // Serialises starting and stopping: Play comes from two threads.
    std::mutex m_startMutex;
    ThreadEvent m_event{ThreadEvent::ResetMode::Manual};
    std::atomic<unsigned> m_kind = kIdle;
};
