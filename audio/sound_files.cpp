#include "audio/sound_files.h"

// Slot 28 names the same bell as slot 7: both are loaded, each into its own slot.
const char* const SOUND_FILES[SOUND_SLOTS] = {
    nullptr,           nullptr,          nullptr,          "mark1.ogg",      "mark2.ogg",
    "turnup.ogg",      "turndown.ogg",   "bell1.ogg",      "shuffle.ogg",    "hint.ogg",
    "failure.ogg",     "gamebutt1.ogg",  "mo.ogg",         "button1.ogg",    "bomb.ogg",
    "match3.ogg",      "pucollect.ogg",  "bubbleout.ogg",  "match4.ogg",     "match.ogg",
    "puready.ogg",     "enterping.ogg",  "pucollect2.ogg", "contact2.ogg",   "match5.ogg",
    "explosion.ogg",   "match6.ogg",     "match7.ogg",     "bell1.ogg",      "puhit.ogg",
    "takepu.ogg",      "match8.ogg",     "glitter.ogg",    "laypart.ogg",    "pustart.ogg",
    "stone2.ogg",      "butt.ogg",       "match9.ogg",     "freefairy.ogg",  nullptr,
    "moss2.ogg",       "mmh1.ogg",       "match10.ogg",    nullptr,          "pufull.ogg",
    "puno.ogg",        "cash.ogg",       "build.ogg",      nullptr,          nullptr,
    nullptr,
};

const char* const SOUND_PROBE_FILE = "button1.ogg";

const char* const MUSIC_FILES[MUSIC_FILE_COUNT] = {
    "titel.ogg", "ingame1.ogg", "ingame2.ogg", "ingame3.ogg", "introstory.ogg", "story.wav",
};
