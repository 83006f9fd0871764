// The effect pictures shared by particles, glows and the board: one picture per
// colour code 1..9 for sparkles, glow blobs and dirt, and three single ones;
// and the three effect pools: particles, glows and swimming fish.
#pragma once

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

constexpr int EFFECT_COLOURS = 10;    // colour codes 1..9

extern Table<TImage, EFFECT_COLOURS> sparkleImages;
extern Table<TImage, EFFECT_COLOURS> glowBlobImages;
extern Table<TImage, EFFECT_COLOURS> dirtImages;
extern TImage bombFlareImage, glowStarImage, dynamiteImage;
extern int fishCount;     // flyers alive, counted by UpdateFlyers

// A particle: its kind decides its picture, motion and end; kind 0 is free.
struct TParticle {
    float x = 0, y = 0;     // centre in logical pixels
    int kind = 0;
    int age = 0;            // frames lived, in the kind's own step
    float vx = 0, vy = 0;   // pixels per frame
    int target = 0;         // projectiles: the item or cell they fly to
    int orderSlot = 0, itemSlot = 0;   // order tokens: the icon they fly to
};
// Slots 1..1099 hold particles; 0 and 1100 never do.
constexpr int PARTICLE_LAST_SLOT = PARTICLE_SLOTS - 2;
extern Table<TParticle, PARTICLE_SLOTS> particles;

// A rising glow; colour 0 is free, else the colour code 1..9.
struct TGlow {
    float x = 0, y = 0;
    int colour = 0;
    int size = 0;           // 2..30: drawn size, and the speed of rise and sway
    int life = 0;           // frames left
    int age = 0;            // frames lived
};
// Slots 1..99 are filled; slot 100 is visited but never filled.
constexpr int GLOW_LAST_SLOT = GLOW_SLOTS - 2;
extern Table<TGlow, GLOW_SLOTS> glows;

// A swimming fish; kind 0 is free, else the fish kind of its pictures.
struct TFlyer {
    float x = 0, y = 0;
    int kind = 0;
    int speed = 0;          // 7..10: scale, pace and depth (slower drawn first)
    int dir = 0;            // 1 swimming right, -1 left
    int frame = 0;          // animation frame 1..4
    float vx = 0;           // forward speed before the pace factor
    float kick = 0;         // forward speed of the last kick, decaying
    float vy = 0;
    float tilt = 0, tiltTarget = 0;
    int bubble = 0;         // 0 swimming; 1..10 showing an order bubble and sinking
};
// Slots 1..50; when all are taken a new fish replaces the one in the last slot.
constexpr int FLYER_LAST_SLOT = FLYER_SLOTS - 1;
extern Table<TFlyer, FLYER_SLOTS> flyers;

// Releases every effect picture and empties the pools (the start-up allocation).
void ClearEffectTables();
