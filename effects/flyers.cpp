// Flyers: the fishes swimming across the screens behind the interface, each
// in its own rhythm of kicks and glides, slower (smaller, farther) ones first.
#include "effects/effects.h"

#include "effects/degrees.h"
#include "platform/platform.h"
#include "tables/board_art_tables.h"
#include "tables/effect_tables.h"
#include "tables/map_tables.h"
#include "tables/shell_tables.h"

namespace {

constexpr int SLOWEST = 7, FASTEST = 10;
constexpr int SCREEN_MIDDLE = 512;
constexpr int BUBBLE_FULL = 10;
constexpr int FISH_FRAMES_SHOWN = 4;

// The bubble a fish shows in the story: as many items as its kind's order.
int BubblePicture(int kind) {
    if (kind == 1 || kind == 2) return 2;
    if (kind == 3 || kind == 4) return 3;
    return 1;
}

// Kick and glide: when the fish has slowed below `slowest`, it kicks again
// and turns toward a new tilt; between kicks everything eases.
void Swim(TFlyer& f, float slowest, int tiltFrom, int tiltTo, float tiltSize, float kickSize) {
    if (f.vx / f.dir < slowest) {
        f.tiltTarget = tiltSize * SinDeg(static_cast<float>(RandomInt(tiltFrom, tiltTo)));
        f.kick = f.dir * RandomInt(20, 50) * kickSize;
    }
    f.kick -= f.kick * 0.02f;
    f.vx -= (f.vx - f.kick) * 0.02f;
    f.tilt -= (f.tilt - f.tiltTarget) * 0.02f;
    f.vy = f.tilt;
}

void StepFlyer(int i, float baseAlpha) {
    TFlyer& f = flyers[i];
    fishCount++;
    if (f.bubble == 0) {
        // The story's big fishes (kinds 1..4) glide longer between stronger kicks.
        if (f.kind <= 4) Swim(f, 1.5f, 345, 375, 2.0f, 0.35f);
        else Swim(f, 0.5f, 315, 405, 5.0f, 0.15f);
    } else {
        if (f.bubble < BUBBLE_FULL) f.bubble++;
        f.vy = 1.0f + (i % 10) * 0.1f * f.speed * 0.1f;
        f.vx = 0.1f * f.speed * SinDeg(static_cast<float>((i % 10 + 1) * frameCount));
        f.tilt -= f.tilt * 0.02f;
    }
    f.x += f.speed * f.vx * 0.1f;
    f.y += f.speed * f.vy * 0.1f;
    if (f.bubble == 0 && frameCount % 4 == 0) {
        f.frame++;
        if (f.frame > FISH_FRAMES_SHOWN) f.frame = 1;
    }
    SetDrawRotation(f.tilt * 5.0f * f.dir);
    SetDrawScale(f.dir * f.speed * 0.1f, f.speed * 0.1f);
    PaintImage(fishImage[f.kind][f.frame], f.x, f.y, 0);
    if (f.bubble > 0) {
        SetAlpha(baseAlpha * f.bubble * 0.1f);
        SetDrawScale(f.bubble * 0.1f, f.bubble * 0.1f);
        PaintImage(orderBubbleImages[BubblePicture(f.kind)], f.x, f.y, 0);
        SetAlpha(baseAlpha);
        SetDrawScale(1.0f, 1.0f);
        if (f.bubble == 2) {
            for (int b = 1; b <= 5; b++) {
                const float vx = RandomInt(-100, 100) * 0.05f;
                const float vy = RandomInt(-100, 100) * 0.05f;
                SpawnParticle(f.x, f.y, PK_BUBBLE, vx, vy);
            }
        }
    }
    if (f.x > 1324 || f.x < -300 || f.y > 1068 || f.y < -300) f.kind = 0;
}

}  // namespace

int SpawnFlyer(float x, float y, float speed, int kind) {
    int slot = FLYER_LAST_SLOT;     // a full pool gives its last fish away
    for (int i = 1; i < FLYER_LAST_SLOT; i++) {
        if (flyers[i].kind == 0) {
            slot = i;
            break;
        }
    }
    TFlyer& f = flyers[slot];
    f.kind = kind;
    f.x = x;
    f.y = y;
    f.speed = static_cast<int>(speed);
    f.frame = 1;
    f.tilt = f.tiltTarget = f.vx = f.vy = 0.0f;
    f.bubble = 0;
    // A fish placed right in the middle swims to the right.
    f.dir = x > SCREEN_MIDDLE ? -1 : 1;
    f.kick = f.dir * RandomInt(20, 50) * 0.1f;
    return slot;
}

void UpdateFlyers() {
    fishCount = 0;
    const float baseAlpha = CurrentAlpha();
    for (int speed = SLOWEST; speed <= FASTEST; speed++) {
        for (int i = 1; i <= FLYER_LAST_SLOT; i++) {
            if (flyers[i].kind > 0 && flyers[i].speed == speed) StepFlyer(i, baseAlpha);
        }
    }
    SetDrawRotation(0.0f);
    SetDrawScale(1.0f, 1.0f);
    SetAlpha(baseAlpha);
}

void ClearFlyers() {
    for (int i = 1; i <= FLYER_LAST_SLOT; i++) flyers[i].kind = 0;
    fishCount = 0;
}
