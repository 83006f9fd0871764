// The ten player profiles and their files "players<slot>.ppp".
#pragma once

#include <string>

#include "tables/player_tables.h"

void ReadProfiles();            // start-up: LoadAllProfiles(firstRun)
void LoadAllProfiles(int firstRun);
void SaveProfile(int slot);     // writes one profile whole
void ResetProfile(int slot);    // an empty slot
void RestartProfile(int slot);  // the same player from the first position
void SortPlayers();             // the player list's order

// The slot a new player goes into: slot 1 while no player is chosen, else
// the first empty slot; 0 when all ten are taken.
int NewPlayerSlot();
// Empties the slot and its file; the current player becomes the first slot
// that still holds a player, or -1 when none does.
void DeletePlayer(int slot);

std::string ProfilePath(int slot);   // the slot's file in the save folder
// Reads one profile file into `player`: 1 when the file was whole; 0 when it
// is missing, shorter than its integers, or names more bytes than it holds,
// and then `player` is left as it was.
int ReadProfileFile(const std::string& path, TPlayerProfile& player);
