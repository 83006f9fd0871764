// Sound effects by slot number and the music of each screen.
#pragma once

#include <string>

#include "tables/audio_tables.h"

void LoadSounds();                          // on entering the title
void PlaySound(int index, int x);           // x pans the sound across the screen
void PlayMusic(const std::string& fileName);
void StopMusic();
void UpdateMusic();                         // once per frame after the first 30 frames
