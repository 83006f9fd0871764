// The effect pools arrive with the particle and glow code; until then every
// spawn is refused (slot 0) and nothing is drawn.
#include "effects/effects.h"

int SpawnParticle(float, float, int, float, float) { return 0; }
void SetTokenTarget(int, int, int) {}
void UpdateParticles() {}
void ClearParticles() {}
int SpawnGlow(float, float, int, int) { return 0; }
void UpdateGlows(float) {}
void ClearGlows() {}
int SpawnFlyer(float, float, float, int) { return 0; }
void UpdateFlyers() {}
void ClearFlyers() {}
