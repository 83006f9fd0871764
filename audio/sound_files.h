// The names of the game's sound and music files, shared by the game and the
// sound generator so that every file the game loads is one the build makes.
#pragma once

#include "tables/sizes.h"

// File of each sound slot inside "data/sound/"; nullptr for the empty slots.
extern const char* const SOUND_FILES[SOUND_SLOTS];
constexpr int FIRST_SOUND_SLOT = 3;
constexpr int LAST_SOUND_SLOT = 47;
// The sound whose loading tells whether the sound folder can be read at all.
extern const char* const SOUND_PROBE_FILE;

// The tracks inside "data/music/"; every one is played as a loop.
constexpr int MUSIC_FILE_COUNT = 6;
extern const char* const MUSIC_FILES[MUSIC_FILE_COUNT];
// The levels take turns with "ingame1.ogg" .. "ingame3.ogg", which follow
// each other in MUSIC_FILES from this entry.
constexpr int FIRST_LEVEL_TRACK = 1;
constexpr int LEVEL_TRACKS = 3;

constexpr const char* SOUND_FOLDER = "data/sound/";
constexpr const char* MUSIC_FOLDER = "data/music/";
