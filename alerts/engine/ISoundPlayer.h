#pragma once
// Plays the sound files of generated alerts. The sound thread plays one file at a time and waits
// until it ends; a player that cannot play (no audio device, no file) returns at once.

#include <QString>

class ISoundPlayer
{
public:
    virtual ~ISoundPlayer() = default;

    // Plays the file and returns when it has ended, or at once when it cannot be played.
    // Called on the sound thread only.
    virtual void PlayFileBlocking(const QString& path) = 0;
    // Ends the sound being played now, if any. Any thread.
    virtual void Purge() = 0;
};
