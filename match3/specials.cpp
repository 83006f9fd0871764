// The special items and the power-ups. The state is real; the effects of moss,
// bombs, pillars, stones and the power-ups arrive with their own code and are
// empty for now, so a match next to them simply leaves them as they are.
#include "match3/specials.h"

int BreakPillar(int) { return 0; }
void ClearMoss(int) {}
void ClearMossAtCell(int) {}
void ExplodeBomb(int) {}
void CollectStone(int) {}
void RunShuffleWave() {}
void UpdatePowerups() {}

int ShuffleWaveRunning() { return shuffleWave > 0 ? 1 : 0; }

int PowerUpBusy() {
    for (int p = 1; p <= 4; p++) {
        if (powerupState[p] > 0) return 1;
    }
    return 0;
}
