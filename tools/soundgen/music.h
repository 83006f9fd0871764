// Music: scores of content/music rendered through a General MIDI SoundFont
// into looping tracks.
#pragma once

#include <string>

// Renders `score` into `trackFile` (.ogg, or .wav for PCM); 1 on success.
int MakeMusic(const std::string& score, const std::string& trackFile, const std::string& contact,
              const std::string& soundFont);
