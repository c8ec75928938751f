#pragma once
// The sounds of generated alerts through Qt Multimedia: each file is played by a sound effect
// made on the sound thread, in that thread's own event loop, until it ends. Without an audio
// output the player says so once in the log and plays nothing; a file that is not there is named
// in the log once and skipped.

#include "alerts/engine/ISoundPlayer.h"

#include <QString>

#include <atomic>
#include <set>

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
    // Sound thread only.
    std::set<QString> m_missingLogged;
};
