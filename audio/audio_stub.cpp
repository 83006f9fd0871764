// The sound table and the music player are not built yet: the game is silent.
#include "audio/audio.h"

void LoadSounds() {}
void PlaySound(int, int) {}
void PlayMusic(const std::string&) {}
void StopMusic() {}
void UpdateMusic() {}
