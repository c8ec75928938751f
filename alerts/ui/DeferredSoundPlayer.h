#pragma once
// The sound player the alerts module is given: it loads the sound player's library beside the
// executable when the first sound is to be played (on the sound thread), and passes every call on
// to the player made there. When the library cannot be loaded the log says so once and alerts are
// announced without sound.

#include "alerts/engine/ISoundPlayer.h"

#include <QString>

#include <atomic>
#include <memory>

class DeferredSoundPlayer : public ISoundPlayer
{
public:
    // The file name of the library, looked for in the executable's folder.
    static constexpr const char* kLibraryName = "libq4_alert_sounds.so";

    void PlayFileBlocking(const QString& path) override;
    void Purge() override;

private:
    // Sound thread only.
    bool Load();

    std::unique_ptr<ISoundPlayer> m_player;
    // The player, once made, for Purge from other threads.
    std::atomic<ISoundPlayer*> m_ready = nullptr;
    bool m_failed = false;
};
