// The music's state shared by the shell, the screens and the music player.
// Defined in tables/audio_tables.cpp; cleared by ClearAudioTables at start-up.
#pragma once

#include "platform/platform.h"

extern int musicLevel;          // current music volume, follows musicVolume and the fade
extern TChannel musicChannel;   // 0 until the first music starts

// Stops any music still playing and forgets its channel (the start-up allocation).
void ClearAudioTables();
