// The sound-effect slots and the music's state. Defined in
// tables/audio_tables.cpp; cleared by ClearAudioTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

extern Table<TSound, SOUND_SLOTS> sounds;             // by slot 1..50; 0 where none is loaded
extern Table<int, SOUND_SLOTS> sfxPlayedThisFrame;    // 1 once the slot's sound started this frame
extern int soundsAvailable;     // 1 when the sound folder could be read
extern int musicLevel;          // the music volume in use, 0..280, steps toward musicVolume
extern TChannel musicChannel;   // 0 until the sounds are loaded
extern TSound musicSound;       // the playing track, held while it plays

// Stops the music and releases every loaded sound (the start-up allocation).
void ClearAudioTables();
