// The ten player profiles and their files "players<slot>.ppp".
#pragma once

void ReadProfiles();            // start-up; creates ten empty profiles on the first run
void SaveProfile(int slot);     // writes one profile whole
void ResetProfile(int slot);
