#pragma once
// The sounds of generated alerts through Qt Multimedia: each file is played by a sound effect
// made on the sound thread, in that thread's own event loop, until it ends. Without an audio
// output the player says so once in the log and plays nothing; a file that cannot be played is
// skipped in silence.

#include "alerts/engine/ISoundPlayer.h"

#include <atomic>

class QtSoundPlayer : public ISoundPlayer
{
public:
    // Longer sounds are cut.
    static constexpr int kLongestSoundMs = 30000;

    void PlayFileBlocking(const QString& path) override;
    void Purge() override { m_purge.store(true); }

private:
    std::atomic<bool> m_purge = false;
    std::atomic<bool> m_noDeviceLogged = false;
};
