// Sound effects by slot number and the one looping music track at a time.
#pragma once

#include <string>

#include "tables/audio_tables.h"

void LoadSounds();                          // on entering the title, once per run
void PlaySound(int index, int x);           // x pans the sound across the screen
void PlayMusic(const std::string& fileName);
void StopMusic();
void UpdateMusic();                         // once per frame after the first 30 frames
// The track of a level: "ingame1.ogg" .. "ingame3.ogg" by map position.
std::string LevelMusicFile(int position);
