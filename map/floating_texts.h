// Points and short messages that rise from where they happened and fade out.
#pragma once

#include <string>

// Takes the first free slot 1..19; with all of them busy, slot 20 is reused
// whatever it holds, so a burst of scores never pushes out the older texts.
void AddFloatingText(int x, int y, const std::string& text);
// Every frame of the game screen: ages, raises and draws every text.
void UpdateFloatingTexts();
void ClearFloatingTexts();
