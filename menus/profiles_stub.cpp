// The profile files come with the profile code; until then no profile is
// read or written and every slot stays empty.
#include "menus/profiles.h"

void ReadProfiles() {}
void SaveProfile(int) {}
void ResetProfile(int) {}
