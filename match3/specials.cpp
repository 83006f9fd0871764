// The special items and the power-ups. Moss is cleared by the matches over it;
// bombs, pillars, stones and the power-ups are still to come and leave their
// items as they are.
#include "match3/specials.h"

#include <cmath>

#include "effects/effects.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

int BreakPillar(int) { return 0; }

namespace {

constexpr int MOSS_BURST = 1003;    // dirt picture 3: the moss's own green

void BurstMoss(int x, int y) {
    mossSoundX = x;
    CurrentProfile().playerMossCleared++;
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), MOSS_BURST, 0.0f, 0.0f);
    const int sparks = framesPerSecond > 34 ? framesPerSecond / 4 : framesPerSecond / 7;
    for (int i = 1; i <= sparks; i++) {
        const float angle = 36.0f * i * 3.14159265f / 180.0f;
        const float u = static_cast<float>(RandomInt(1, 7)), v = static_cast<float>(RandomInt(1, 7));
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), 103, std::cos(angle) * u, std::sin(angle) * v);
    }
}

}  // namespace

void ClearMoss(int item) {
    const int cell = items[item].cellIndex;
    if (cell <= 0 || cells[cell].isMoss != 1) return;
    BurstMoss(items[item].x, items[item].y);
    cells[cell].isMoss = 0;
}

void ClearMossAtCell(int cell) {
    if (cell <= 0 || cells[cell].isMoss != 1) return;
    BurstMoss(cells[cell].x, cells[cell].y);
    cells[cell].isMoss = 0;
}
void ExplodeBomb(int) {}
void ProjectileLanded(int, int, float, float) {}
void CollectStone(int) {}
void RunShuffleWave() {}
void UpdatePowerups() {}
void DrawPowerupShells() {}

void ResetPowerups() {
    for (int p = 1; p <= 4; p++) powerupState[p] = 0;
}

int ShuffleWaveRunning() { return shuffleWave > 0 ? 1 : 0; }

int PowerUpBusy() {
    for (int p = 1; p <= 4; p++) {
        if (powerupState[p] > 0) return 1;
    }
    return 0;
}
