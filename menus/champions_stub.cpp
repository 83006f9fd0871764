// The champions list comes with the profile code; nothing is kept yet.
#include "menus/champions.h"

void LoadChampions() {}
void AddChampion() {}
void SaveChampions() {}
