#include "tables/audio_tables.h"

Table<TSound, SOUND_SLOTS> sounds;
Table<int, SOUND_SLOTS> sfxPlayedThisFrame;
int soundsAvailable;
int musicLevel;
TChannel musicChannel;
TSound musicSound;

void ClearAudioTables() {
    sounds.name = "sounds";
    sfxPlayedThisFrame.name = "sfxPlayedThisFrame";
    Stop(musicChannel);
    for (TSound& sound : sounds) FreeSound(sound);
    FreeSound(musicSound);
    sfxPlayedThisFrame.Clear();
    soundsAvailable = 0;
    musicLevel = 0;
    musicChannel = 0;
}
