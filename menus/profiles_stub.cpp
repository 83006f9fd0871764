// The profile files come with the profile code; until then no profile is
// read or written and every slot stays empty.
#include "menus/profiles.h"

void ReadProfiles() {}
void LoadAllProfiles(int) {}
void SaveProfile(int) {}
void ResetProfile(int) {}
void RestartProfile(int) {}
void SortPlayers() {}
