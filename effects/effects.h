// Particles, glows and flyers drawn over every screen.
#pragma once

// The first kind of each particle range; within a coloured range the offset
// from its first kind is the colour code of the picture (1..9).
constexpr int PK_SPARKLE = 0;           // 1..99, drifting on a small circle
constexpr int PK_SPARK = 100;           // 100..149, thrown out and falling
constexpr int PK_BIG_SPARK = 150;       // 150..199
constexpr int PK_GLOW_FADE = 200;       // 200..299, shrinking in place
constexpr int PK_FLASH = 300;           // 300..399
constexpr int PK_DIRT = 1000;           // 1000..1099, debris
constexpr int PK_PULSE = 1300;          // 1300..1399, swells and shrinks
constexpr int PK_BOMB_FLARE = 2000;
constexpr int PK_STAR = 4000;           // 4000..4099, a twinkle
constexpr int PK_VANISH = 10000;        // + item kind: a removed item shrinking
constexpr int PK_ORDER_TOKEN = 10400;   // + colour: an item flying to its fish
constexpr int PK_PROJECTILE = 13000;    // + colour: a power-up shot
constexpr int PK_AIMED_SHOT = 13005;    // lands on an item
constexpr int PK_MOSS_SHOT = 13009;     // lands on a cell
constexpr int PK_DYNAMITE = 13205;      // lands on an item
constexpr int PK_BUBBLE = 21000;
constexpr int PK_HOLDER_FLASH = 22000;  // + power-up 1..4

// Particles: sparks, flashes, debris and flying tokens. Kinds choose the
// picture and behaviour; slot 0 and slot 1100 never hold a particle.
// Returns the slot, 0 when the pool is full (the particle is dropped).
int SpawnParticle(float x, float y, int kind, float vx, float vy);
// A fish-order token flies to the icon of item slot itemSlot of order orderSlot.
void SetTokenTarget(int particle, int orderSlot, int itemSlot);
// A power-up projectile flies to its target: an item for the aimed shot and
// the dynamite, a cell for the moss shot.
void SetProjectileTarget(int particle, int target);
void UpdateParticles();
void ClearParticles();

// Rising glows in colour codes 1..9.
int SpawnGlow(float x, float y, int maxLife, int colour);
void UpdateGlows(float alpha);
void ClearGlows();

// Ambient swimming fish.
int SpawnFlyer(float x, float y, float speed, int kind);
void UpdateFlyers();
void ClearFlyers();
