#pragma once
// The library of the alerts' sound player: it alone links Qt Multimedia (and the audio libraries
// under it), so the program loads it when the first alert sound plays, not at start.

class ISoundPlayer;

// The name the library exports its factory under; the caller owns what it returns.
inline constexpr const char* kCreateSoundPlayerExport = "Q4CreateSoundPlayer";
extern "C" ISoundPlayer* Q4CreateSoundPlayer();
