#include "alerts/sound/SoundPlayerLibrary.h"

#include "alerts/sound/QtSoundPlayer.h"

extern "C" ISoundPlayer* Q4CreateSoundPlayer()
{
    return new QtSoundPlayer();
}
