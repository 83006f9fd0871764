// The ten player profiles and their files "players<slot>.ppp".
#pragma once

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
