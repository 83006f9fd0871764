// The ten player profiles and their files "players<slot>.ppp".
#pragma once

void ReadProfiles();            // start-up: LoadAllProfiles(firstRun)
void LoadAllProfiles(int firstRun);
void SaveProfile(int slot);     // writes one profile whole
void ResetProfile(int slot);    // an empty slot
void RestartProfile(int slot);  // the same player from the first position
void SortPlayers();             // the player list's order
