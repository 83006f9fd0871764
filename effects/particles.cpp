// The particle pool: every sparkle, spark, flash, bit of debris and flying
// token, advanced and drawn in slot order once per frame by the screen that
// shows them. Tokens and projectiles act on the board when they arrive.
#include "effects/effects.h"

#include "audio/audio.h"
#include "effects/degrees.h"
#include "match3/fish_orders.h"
#include "match3/specials.h"
#include "platform/platform.h"
#include "tables/board_art_tables.h"
#include "tables/board_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/map_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

constexpr int SLOW_FPS = 10;            // below this sparkles and sparks die at once
constexpr int TOKEN_LIFE = 1000;        // a token that never arrives gives up
constexpr float TOKEN_PULL = 0.05f;     // share of the remaining way flown per frame
constexpr float TOKEN_TOP_SPEED = 6.0f;
constexpr float TOKEN_REACH = 30.0f;
constexpr float SHOT_REACH = 18.0f;
constexpr float DYNAMITE_REACH = 28.0f;
constexpr int TOKEN_RING_MOST = 10;
constexpr int ORDER_SOUND = 33, ARRIVE_SOUND = 17;
constexpr int SMOKE_KIND = 2;           // a grey-red sparkle behind the dynamite
constexpr int BUBBLE_COLOUR = 5;        // pearl white
constexpr int BUBBLE_LIFE = 100;

// The picture of colour offset n of a coloured range: none for 0, the first
// for an offset beyond the nine colours.
TImage ColourPicture(Table<TImage, EFFECT_COLOURS>& pictures, int offset) {
    if (offset <= 0) return nullptr;
    if (offset >= EFFECT_COLOURS) return pictures[1];
    return pictures[offset];
}

void Draw(TImage picture, const TParticle& p) { PaintImage(picture, p.x, p.y, 0); }

void Kill(TParticle& p) { p.kind = 0; }

int OffScreen(const TParticle& p) { return p.y > 868 || p.y < -100 || p.x > 1124 || p.x < -100; }

int Near(const TParticle& p, float tx, float ty, float reach) {
    return tx - reach < p.x && p.x < tx + reach && ty - reach < p.y && p.y < ty + reach;
}

// Whether a flying kind leaves a trail this frame: every frame above `every`
// frames per second, every second frame above `half`, every fourth above
// `quarter`, never at or below it.
int TrailDue(int every, int half, int quarter) {
    if (framesPerSecond > every) return 1;
    if (framesPerSecond > half) return frameCount % 2 == 1;
    if (framesPerSecond > quarter) return frameCount % 4 == 1;
    return 0;
}

// Jitter of the falling kinds: half a pixel either way on each axis.
float Jitter() { return RandomInt(-10, 10) * 0.05f; }

void StepSparkle(TParticle& p, int s, int chance) {
    p.age += 1 + (chance < 7 ? 1 : 0);
    p.x += p.vx + 0.5f * SinDeg(5.0f * p.age + 2.0f * s);
    p.y += p.vy + 0.5f * CosDeg(5.0f * p.age + 2.0f * s);
    const float scale = 1.0f - 0.01f * p.age;
    SetDrawScale(scale, scale);
    if (p.age < 10) SetAlpha(p.age * 0.1f * boardAlpha);
    else SetAlpha((100 - p.age) * boardAlpha * 0.01f);
    Draw(ColourPicture(sparkleImages, p.kind - PK_SPARKLE), p);
    SetAlpha(boardAlpha);
    if (p.age >= 100 || framesPerSecond < SLOW_FPS) Kill(p);
}

void StepSpark(TParticle& p, int chance) {
    const int big = p.kind >= PK_BIG_SPARK;
    p.age += 2 + (chance < 4 ? 2 : 0);
    p.vy += 0.3f;
    p.x += p.vx + Jitter();
    p.y += p.vy + Jitter();
    const float scale = (1.0f - 0.01f * p.age) * (big ? 1.3f : 0.7f);
    SetDrawScale(scale, scale);
    if (!big && p.age < 5) SetAlpha(p.age * 0.2f * boardAlpha);
    Draw(ColourPicture(sparkleImages, p.kind - (big ? PK_BIG_SPARK : PK_SPARK)), p);
    if (!big) SetAlpha(boardAlpha);
    if (p.age >= 100 || framesPerSecond < SLOW_FPS) Kill(p);
}

void StepGlowFade(TParticle& p) {
    const int flash = p.kind >= PK_FLASH;
    p.age += 4;
    const float scale = (1.0f - 0.01f * p.age) * (flash ? 1.6f : 0.9f);
    SetDrawScale(scale, scale);
    Draw(ColourPicture(glowBlobImages, p.kind - (flash ? PK_FLASH : PK_GLOW_FADE)), p);
    if (p.age >= 100) Kill(p);
}

void StepDirt(TParticle& p, int s, int chance) {
    p.age += 1 + (chance < 4 ? 1 : 0);
    p.vx *= 0.95f;
    p.vy += 0.23f;
    p.x += p.vx + Jitter();
    p.y += p.vy + Jitter();
    const float scale = 1.0f - 0.01f * p.age;
    SetDrawScale(scale, scale);
    SetAlpha(0.7f * boardAlpha);
    SetDrawRotation(static_cast<float>((p.age + s) * (s % 4 + 4)));
    Draw(ColourPicture(dirtImages, p.kind - PK_DIRT), p);
    if (p.age >= 100) Kill(p);
    SetDrawRotation(0.0f);
    SetAlpha(boardAlpha);
}

void StepPulse(TParticle& p) {
    p.age += 1;
    const float scale = 1.2f * SinDeg(9.0f * p.age);
    SetDrawScale(scale, scale);
    SetAlpha(0.7f * boardAlpha);
    Draw(ColourPicture(glowBlobImages, p.kind - PK_PULSE), p);
    SetAlpha(boardAlpha);
    if (p.age >= 20) Kill(p);
}

void StepBombFlare(TParticle& p) {
    p.age += 5;
    const float scale = 0.01f * p.age + 0.4f;
    SetDrawScale(scale, scale);
    SetAlpha((100 - p.age) * 0.02f * boardAlpha);
    SetDrawRotation(10.0f * frameCount);
    SetBlend(BLEND_LIGHT);
    Draw(bombFlareImage, p);
    if (p.age >= 100) Kill(p);
    SetAlpha(boardAlpha);
    SetBlend(BLEND_ALPHA);
    SetDrawRotation(0.0f);
}

void StepStar(TParticle& p, int s, int chance) {
    p.age += 1 + (chance < 4 ? 1 : 0);
    const float twinkle = SinDeg(6.0f * p.age);
    SetDrawScale(0.8f * twinkle, 0.8f * twinkle);
    // The twinkle keeps its own brightness whatever the board's fade.
    SetAlpha(twinkle);
    SetDrawRotation(static_cast<float>(p.age + 11 * s));
    Draw(glowStarImage, p);
    if (p.age >= 30) Kill(p);
    SetDrawRotation(0.0f);
    SetAlpha(1.0f);
}

void StepVanish(TParticle& p) {
    p.age += 1;
    const float scale = 1.0f - 0.1f * p.age;
    SetDrawScale(scale, scale);
    // The raw item kind's picture: a removed item shows what it was.
    Draw(itemArtImage[CurrentProfile().itemSet][p.kind - PK_VANISH], p);
    if (p.age >= 10) Kill(p);
    SetDrawRotation(0.0f);
    SetDrawScale(1.0f, 1.0f);
}

void TokenArrives(TParticle& p, int tx, int ty) {
    const int colour = p.kind - PK_ORDER_TOKEN;
    PlaySound(ORDER_SOUND, static_cast<int>(p.x));
    PlaySound(ARRIVE_SOUND, static_cast<int>(p.x));
    for (int g = 1; g <= 5; g++) {
        SpawnGlow(static_cast<float>(tx), static_cast<float>(ty), RandomInt(100, 200), colour);
    }
    int ring = framesPerSecond / 2;
    if (ring > TOKEN_RING_MOST) ring = TOKEN_RING_MOST;
    for (int i = 1; i <= ring; i++) {
        const float u = static_cast<float>(RandomInt(1, 7)), v = static_cast<float>(RandomInt(1, 7));
        SpawnParticle(p.x, p.y, PK_SPARK + colour, u * CosDeg(36.0f * i), v * SinDeg(36.0f * i));
    }
    // The order counts the item only now that it has reached the fish.
    OrderItemArrived(p.orderSlot, p.itemSlot);
    Kill(p);
}

float Clamp(float value, float limit) {
    if (value > limit) return limit;
    if (value < -limit) return -limit;
    return value;
}

void StepOrderToken(int s) {
    TParticle& p = particles[s];
    p.age += 1;
    // The icon moves with its fish, so the token steers anew every frame and
    // eases in without overshooting.
    const int tx = static_cast<int>(orderIconX[p.orderSlot][p.itemSlot]);
    const int ty = static_cast<int>(orderIconY[p.orderSlot][p.itemSlot]);
    p.vx = Clamp(-(p.x - tx) * TOKEN_PULL, TOKEN_TOP_SPEED);
    p.vy = Clamp(-(p.y - ty) * TOKEN_PULL, TOKEN_TOP_SPEED);
    p.x += p.vx;
    p.y += p.vy;
    if (TrailDue(30, 20, 10)) SpawnParticle(p.x, p.y, PK_SPARKLE + p.kind - PK_ORDER_TOKEN, 0.0f, 0.0f);
    const float flickerX = 0.3f + 0.1f * RandomInt(0, 8);
    const float flickerY = 0.3f + 0.1f * RandomInt(0, 8);
    SetDrawScale(flickerX, flickerY);
    Draw(ColourPicture(sparkleImages, p.kind - PK_ORDER_TOKEN), p);
    if (Near(p, static_cast<float>(tx), static_cast<float>(ty), TOKEN_REACH)) TokenArrives(p, tx, ty);
    else if (p.age >= TOKEN_LIFE) Kill(p);
    SetDrawRotation(0.0f);
    SetDrawScale(1.0f, 1.0f);
}

void Land(TParticle& p) {
    ProjectileLanded(p.kind, p.target, p.x, p.y);
    Kill(p);
}

void StepProjectile(int s) {
    TParticle& p = particles[s];
    p.x += p.vx;
    p.y += p.vy;
    if (TrailDue(30, 25, 20)) SpawnParticle(p.x, p.y, PK_SPARKLE + p.kind - PK_PROJECTILE, 0.0f, 0.0f);
    const float scaleX = 0.9f + 0.3f * RandomInt(0, 5);
    const float scaleY = 0.9f + 0.3f * RandomInt(0, 5);
    SetDrawScale(scaleX, scaleY);
    Draw(ColourPicture(sparkleImages, p.kind - PK_PROJECTILE), p);
    if (p.kind == PK_MOSS_SHOT) {
        const TCell& cell = cells[p.target];
        if (Near(p, static_cast<float>(cell.x), static_cast<float>(cell.y), SHOT_REACH)) {
            Land(p);
            return;
        }
    } else if (p.kind == PK_AIMED_SHOT) {
        const TItem& item = items[p.target];
        if (Near(p, static_cast<float>(item.x), static_cast<float>(item.y), SHOT_REACH)) {
            Land(p);
            return;
        }
    }
    if (OffScreen(p)) Kill(p);
}

void StepDynamite(int s) {
    TParticle& p = particles[s];
    p.x += p.vx;
    p.y += p.vy;
    // The fuse smokes every frame, however slow the machine.
    SpawnParticle(p.x, p.y, SMOKE_KIND, 0.0f, 0.0f);
    const float swell = 0.5f + 0.5f * SinDeg(3.0f * p.age);
    SetDrawRotation((p.age + 2.0f * s) * 10.0f);
    SetDrawScale(swell, swell);
    Draw(dynamiteImage, p);
    SetDrawRotation(0.0f);
    const TItem& item = items[p.target];
    if (item.kind < 1) {
        Kill(p);        // its item has gone: the stick fizzles out
    } else if (Near(p, static_cast<float>(item.x), static_cast<float>(item.y), DYNAMITE_REACH)) {
        Land(p);
    }
    SetDrawScale(1.0f, 1.0f);
    if (p.kind == 0) return;
    p.age += 1;
    if (OffScreen(p)) Kill(p);
}

// Bubbles from the fish and the moss shot rise by their velocity, fade out
// and burst after a hundred frames or off the screen.
void StepBubble(TParticle& p) {
    p.age += 1;
    p.x += p.vx;
    p.y += p.vy;
    const float scale = 0.3f + 0.002f * p.age;
    SetDrawScale(scale, scale);
    SetAlpha((BUBBLE_LIFE - p.age) * 0.01f * boardAlpha);
    Draw(glowBlobImages[BUBBLE_COLOUR], p);
    SetAlpha(boardAlpha);
    if (p.age >= BUBBLE_LIFE || OffScreen(p)) Kill(p);
}

void StepHolderFlash(TParticle& p) {
    p.age += 1;
    const float scale = 1.0f + 0.05f * p.age;
    SetDrawScale(scale, scale);
    SetBlend(BLEND_LIGHT);
    SetDrawRotation(0.0f);
    SetAlpha((1.0f - 0.04f * p.age) * boardAlpha);
    Draw(holderImage[p.kind - PK_HOLDER_FLASH], p);
    if (p.age >= 26) Kill(p);
    SetAlpha(boardAlpha);
    SetBlend(BLEND_ALPHA);
    SetDrawScale(1.0f, 1.0f);
}

// One particle's frame; the kind ranges are tested in this order.
void StepParticle(int s) {
    TParticle& p = particles[s];
    const int kind = p.kind;
    const int chance = RandomInt(1, 10);
    if (kind < PK_SPARK) StepSparkle(p, s, chance);
    else if (kind < PK_GLOW_FADE) StepSpark(p, chance);
    else if (kind < 400) StepGlowFade(p);
    else if (kind >= PK_DIRT && kind < 1100) StepDirt(p, s, chance);
    else if (kind >= PK_PULSE && kind < 1400) StepPulse(p);
    else if (kind == PK_BOMB_FLARE) StepBombFlare(p);
    else if (kind >= PK_STAR && kind < 4100) StepStar(p, s, chance);
    else if (kind > PK_VANISH && kind < 10100) StepVanish(p);
    else if (kind > PK_ORDER_TOKEN && kind < 10500) StepOrderToken(s);
    else if (kind > PK_PROJECTILE && kind < 13100) StepProjectile(s);
    else if (kind == PK_DYNAMITE) StepDynamite(s);
    else if (kind == PK_BUBBLE) StepBubble(p);
    else if (kind > PK_HOLDER_FLASH && kind < 23000) StepHolderFlash(p);
    else Kill(p);       // no such kind is ever made
}

}  // namespace

int SpawnParticle(float x, float y, int kind, float vx, float vy) {
    for (int s = 1; s <= PARTICLE_LAST_SLOT; s++) {
        TParticle& p = particles[s];
        if (p.kind != 0) continue;
        p = TParticle{};
        p.x = x;
        p.y = y;
        p.kind = kind;
        p.vx = vx;
        p.vy = vy;
        // Sparkles and sparks start part-way through their lives, so a burst
        // does not fade out all at once.
        if (kind < PK_GLOW_FADE) p.age = RandomInt(0, 50);
        return s;
    }
    return 0;
}

void SetTokenTarget(int particle, int orderSlot, int itemSlot) {
    if (particle < 1 || particle > PARTICLE_LAST_SLOT) return;
    particles[particle].orderSlot = orderSlot;
    particles[particle].itemSlot = itemSlot;
}

void SetProjectileTarget(int particle, int target) {
    if (particle < 1 || particle > PARTICLE_LAST_SLOT) return;
    particles[particle].target = target;
}

void UpdateParticles() {
    for (int s = 1; s < PARTICLE_SLOTS; s++) {
        if (particles[s].kind > 0) StepParticle(s);
    }
    SetDrawScale(1.0f, 1.0f);
    SetAlpha(boardAlpha);
    SetBlend(BLEND_ALPHA);
    SetViewport(0, 0, 1024, 768);
}

void ClearParticles() {
    for (int s = 1; s < PARTICLE_SLOTS; s++) particles[s].kind = 0;
}
