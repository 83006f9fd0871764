// The sound effects and the music. An effect plays at most once per frame
// however many events ask for it, so a cascade does not stack one sample
// dozens of times; the music follows the screen fade except where one track
// goes on across a screen change.
#include "audio/audio.h"

#include "audio/sound_files.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"

static const float VOLUME_PER_STEP = 0.00357143f;   // 1/280: a setting of 280 is full volume
static const float FADE_PER_STEP = 0.00390625f;     // 1/256 of the picture's fade level
static const float PAN_PER_PIXEL = 0.0017f * 0.5f;  // the screen edges pan to +-0.4352
static const int SCREEN_CENTRE_X = 512;
static const int SILENT_SETTING = 10;               // volume settings up to this are silence
static const int MUSIC_STEP = 5;                    // musicLevel moves this much per frame

// The mixer keeps this channel for the music for the whole run, so a flood of
// effects never takes it over.
static TChannel reservedMusicChannel = 0;

void LoadSounds() {
    if (!reservedMusicChannel) reservedMusicChannel = AllocChannel();
    musicChannel = reservedMusicChannel;
    // Sounds of an earlier load go first, so loading again never fills the mixer.
    for (TSound& sound : sounds) FreeSound(sound);
    soundsAvailable = 1;
    TSound probe = LoadSoundFile(std::string(SOUND_FOLDER) + SOUND_PROBE_FILE, 1);
    if (!probe) soundsAvailable = 0;
    FreeSound(probe);
    if (soundsAvailable == 1) {
        for (int i = FIRST_SOUND_SLOT; i <= LAST_SOUND_SLOT; i++)
            if (SOUND_FILES[i]) sounds[i] = LoadSoundFile(std::string(SOUND_FOLDER) + SOUND_FILES[i], 0);
    }
    Stop(musicChannel);
}

void PlaySound(int index, int x) {
    if (soundVolume <= SILENT_SETTING) return;
    if (sfxPlayedThisFrame[index] == 1) return;
    // An empty slot gives no channel, and the settings below then touch nothing.
    TChannel channel = Play(sounds[index]);
    SetVolume(channel, soundVolume * VOLUME_PER_STEP);
    SetPan(channel, (x - SCREEN_CENTRE_X) * PAN_PER_PIXEL);
    sfxPlayedThisFrame[index] = 1;
}

// The track waits paused on the music's channel; UpdateMusic lets it go once
// the volume for this frame is set, so it never starts with a loud first
// block. The file is read again on every call and the track it replaces is
// released, so changing music never fills the mixer.
void PlayMusic(const std::string& fileName) {
    StopMusic();
    FreeSound(musicSound);
    musicSound = LoadSoundFile(std::string(MUSIC_FOLDER) + fileName, SOUND_LOOPS | SOUND_IN_BACKGROUND);
    musicChannel = Cue(musicSound, musicChannel);
    SetVolume(musicChannel, musicLevel * VOLUME_PER_STEP);
}

void StopMusic() {
    Stop(musicChannel);
}

std::string LevelMusicFile(int position) {
    int n = (position % LEVEL_TRACKS + LEVEL_TRACKS) % LEVEL_TRACKS;
    return MUSIC_FILES[FIRST_LEVEL_TRACK + n];
}

// The same track goes on at full volume through these changes: on the title,
// between the menu and the map either way, and from a finished level to the
// map (the results music). Leaving the map for a level fades with the picture
// even when the map was entered from the menu, which is why that rule is last.
static float MusicVolumeThisFrame() {
    float full = musicLevel * VOLUME_PER_STEP;
    float v = full * fadeLevel * FADE_PER_STEP;
    if (gameScreen == SCREEN_TITLE) v = full;
    if (gameScreen == SCREEN_MENU && nextScreen == SCREEN_MAP) v = full;
    if (nextScreen == SCREEN_MENU && gameScreen == SCREEN_MAP) v = full;
    if (gameScreen == SCREEN_MENU && prevScreen == SCREEN_MAP) v = full;
    if (prevScreen == SCREEN_MENU && gameScreen == SCREEN_MAP) v = full;
    if (gameScreen == SCREEN_MATCH3 && nextScreen == SCREEN_MAP && levelEndTimer > 0) v = full;
    if (gameScreen == SCREEN_MAP && nextScreen == SCREEN_MATCH3) v = full * fadeLevel * FADE_PER_STEP;
    return v;
}

void UpdateMusic() {
    if (gameScreen == SCREEN_SPLASH) return;
    // Two separate tests: a setting that is not a multiple of the step settles
    // just below it from either side.
    if (musicLevel < musicVolume) musicLevel += MUSIC_STEP;
    if (musicLevel > musicVolume) musicLevel -= MUSIC_STEP;
    if (musicVolume < SILENT_SETTING) musicLevel = 0;
    float v = MusicVolumeThisFrame();
    for (int i = 1; i < SOUND_SLOTS; i++) sfxPlayedThisFrame[i] = 0;
    SetVolume(musicChannel, v);
    // Starts a track PlayMusic prepared, and resumes the music once the
    // paused overlay has been clicked away.
    if (pauseOverlay == -1 && !Playing(musicChannel)) SetPaused(musicChannel, 0);
}
