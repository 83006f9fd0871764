// The effect pools: their limits, sparkles thinned on a slow machine, the
// order tokens that fly to their fish and count only on arrival, the
// projectiles that land on their targets, and the fishes' direction.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "effects/effects.h"
#include "match3/fish_orders.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/board_driver.h"
#include "tests/driver.h"
#include "tests/game_driver.h"
#include "tests/test_support.h"

namespace {

void FreshPools() {
    ClearParticles();
    ClearGlows();
    ClearFlyers();
    framesPerSecond = 40;
    boardAlpha = 1.0f;
}

// Slots 1..1099 take particles, 1..99 glows and 1..50 fish (a 51st fish
// takes the last slot over); slot 0 and the end slots stay empty.
TEST(EffectPools, EachPoolStopsAtItsLastSlot) {
    FreshPools();
    for (int n = 1; n <= 1099; n++) ASSERT_EQ(SpawnParticle(10.0f, 10.0f, PK_FLASH + 1, 0.0f, 0.0f), n);
    EXPECT_EQ(SpawnParticle(20.0f, 20.0f, PK_FLASH + 2, 0.0f, 0.0f), 0);
    UpdateParticles();
    EXPECT_TRUE(particles[0].kind == 0 && particles[1100].kind == 0);
    ClearParticles();
    EXPECT_EQ(SpawnParticle(20.0f, 20.0f, PK_FLASH + 2, 0.0f, 0.0f), 1);

    for (int n = 1; n <= 99; n++) ASSERT_EQ(SpawnGlow(100.0f, 700.0f, 300, 4), n);
    EXPECT_EQ(SpawnGlow(100.0f, 700.0f, 300, 4), 0);
    EXPECT_TRUE(glows[0].colour == 0 && glows[100].colour == 0);

    for (int n = 1; n <= 50; n++) ASSERT_EQ(SpawnFlyer(-150.0f, 300.0f, 8.0f, 7), n);
    EXPECT_EQ(SpawnFlyer(1150.0f, 400.0f, 9.0f, 13), 50);
    EXPECT_TRUE(flyers[50].kind == 13 && flyers[0].kind == 0);
    UpdateFlyers();
    EXPECT_EQ(fishCount, 50);
}

// On a slow machine sparkles die at once; other kinds live on.
TEST(EffectPools, SparklesDieAtOnceOnASlowMachine) {
    FreshPools();
    framesPerSecond = 9;
    const int sparkle = SpawnParticle(300.0f, 300.0f, PK_SPARKLE + 5, 0.0f, 0.0f);
    const int glow = SpawnParticle(300.0f, 300.0f, PK_GLOW_FADE + 5, 0.0f, 0.0f);
    UpdateParticles();
    EXPECT_EQ(particles[sparkle].kind, 0);
    EXPECT_EQ(particles[glow].kind, PK_GLOW_FADE + 5);
}

TEST(EffectPools, AMossShotLandsOnItsCellAndDynamiteWithoutItsItemFizzles) {
    BoardStart(3, 5, 12);
    BuildTestBoard({"123", "4m1", "231"});
    FreshPools();
    int cell = 0, item = 0;
    for (int c = 1; c < BOARD_SLOTS; c++) {
        if (cells[c].exists && cells[c].isMoss) cell = c;
        if (item == 0 && items[c].kind >= 1 && items[c].kind <= 5) item = c;
    }
    ASSERT_GT(cell, 0);
    const int shot = SpawnParticle(static_cast<float>(cells[cell].x), cells[cell].y + 300.0f, PK_MOSS_SHOT, 0.0f, -7.0f);
    SetProjectileTarget(shot, cell);
    float lastY = 0.0f;
    int frames = 0;
    while (particles[shot].kind == PK_MOSS_SHOT && frames < 100) {
        lastY = particles[shot].y;
        UpdateParticles();
        frames++;
    }
    EXPECT_LT(frames, 100);
    EXPECT_LT(std::fabs(lastY - 7.0f - cells[cell].y), 18.0f) << "it lands on the cell, not off the screen";

    ASSERT_GT(item, 0);
    const int dynamite = SpawnParticle(900.0f, 100.0f, PK_DYNAMITE, 0.0f, 1.0f);
    SetProjectileTarget(dynamite, item);
    items[item].kind = 0;
    UpdateParticles();
    EXPECT_EQ(particles[dynamite].kind, 0);
}

TEST(EffectPools, AServedItemCountsOnlyWhenItsTokenReachesTheFish) {
    ASSERT_EQ(GameStartLevel(3, MODE_SWAP, 21), 1);
    int colour = 0;
    for (int wait = 0; wait < 400 && colour == 0; wait++) {
        DriverFrames(1);
        for (int i = 1; i < FISH_ORDER_SLOTS && colour == 0; i++) {
            const TFishOrder& o = CurrentProfile().fishOrders[i];
            if (o.orderSize > 0 && o.orderAge > 30 && o.orderX > 30 && !o.wanted[1].wantedServed && o.wanted[1].wantedKind >= 1)
                colour = o.wanted[1].wantedKind;
        }
    }
    ASSERT_GT(colour, 0) << "a fish waits with an order";
    ServeOrder(512, 600, colour);
    int token = 0, orderSlot = 0, itemSlot = 0;
    for (int s = 1; s < PARTICLE_SLOTS; s++) {
        if (particles[s].kind > PK_ORDER_TOKEN && particles[s].kind < PK_ORDER_TOKEN + 100) {
            token = s;
            orderSlot = particles[s].orderSlot;
            itemSlot = particles[s].itemSlot;
        }
    }
    ASSERT_GT(token, 0);
    TWantedItem& wanted = CurrentProfile().fishOrders[orderSlot].wanted[itemSlot];
    const int tokenKind = particles[token].kind;
    const int wantedKind = wanted.wantedKind;
    int frames = 0;
    float lastX = 0.0f, lastY = 0.0f;
    while (particles[token].kind == tokenKind && frames < 300) {
        EXPECT_EQ(wanted.wantedKind, wantedKind) << "not counted in flight, frame " << frames;
        lastX = particles[token].x;
        lastY = particles[token].y;
        DriverFrames(1);
        frames++;
    }
    EXPECT_LT(frames, 300) << "the token arrives";
    EXPECT_GT(frames, 3) << "the token flies";
    EXPECT_NE(wanted.wantedKind, wantedKind) << "counted on arrival";
    EXPECT_LT(std::hypot(lastX - orderIconX[orderSlot][itemSlot], lastY - orderIconY[orderSlot][itemSlot]), 60.0f);
    DriverStop();
}

// ---- every kind at once, against its stored summary

uint32_t Mix(uint32_t hash, int value) {
    for (int b = 0; b < 4; b++) hash = (hash ^ ((static_cast<uint32_t>(value) >> (8 * b)) & 255u)) * 16777619u;
    return hash;
}
int Sixteenths(float value) { return static_cast<int>(value * 16.0f); }

uint32_t PoolHash() {
    uint32_t hash = 2166136261u;
    for (const TParticle& p : particles) {
        if (p.kind == 0) continue;      // a free slot keeps stale numbers
        for (int v : {p.kind, p.age, Sixteenths(p.x), Sixteenths(p.y), Sixteenths(p.vx), Sixteenths(p.vy)})
            hash = Mix(hash, v);
    }
    for (const TGlow& g : glows) {
        if (g.colour == 0) continue;
        for (int v : {g.colour, g.size, g.life, g.age, Sixteenths(g.x), Sixteenths(g.y)}) hash = Mix(hash, v);
    }
    for (const TFlyer& f : flyers) {
        if (f.kind == 0) continue;
        for (int v : {f.kind, f.frame, f.dir, f.bubble, Sixteenths(f.x), Sixteenths(f.y), Sixteenths(f.tilt)})
            hash = Mix(hash, v);
    }
    return hash;
}

// With GLD_WRITE_REPLAYS=1 the summary is stored anew (after a deliberate
// change of how an effect moves or ages).
TEST(EffectPools, EveryKindRunsToItsStoredSummary) {
    const std::string path = std::string(GLD_SOURCE_DIR) + "/tests/replays/effect_pools.txt";
    FreshPools();
    frameCount = 0;
    gameScreen = SCREEN_MATCH3;     // the glows as the board shows them
    SeedRandom(77);
    for (int c = 1; c <= 9; c++) {
        const float x = 100.0f * c, vx = c - 5.0f;
        for (int base : {PK_SPARKLE, PK_SPARK, PK_BIG_SPARK, PK_GLOW_FADE, PK_FLASH, PK_DIRT, PK_PULSE, PK_STAR})
            SpawnParticle(x, 300.0f, base + c, vx, -3.0f);
        SpawnGlow(x, 760.0f, 400, c);
    }
    SpawnParticle(500.0f, 400.0f, PK_BOMB_FLARE, 0.0f, 0.0f);
    for (int k = 1; k <= 5; k++) SpawnParticle(200.0f + 40 * k, 500.0f, PK_VANISH + k, 0.0f, 0.0f);
    for (int h = 1; h <= 4; h++) SpawnParticle(150.0f * h, 700.0f, PK_HOLDER_FLASH + h, 0.0f, 0.0f);
    SpawnParticle(600.0f, 600.0f, PK_PROJECTILE + 3, 4.0f, -6.0f);
    SpawnParticle(600.0f, 600.0f, PK_BUBBLE, 1.0f, -2.0f);
    SpawnFlyer(-150.0f, 300.0f, 10.0f, 7);
    SpawnFlyer(1150.0f, 400.0f, 8.0f, 15);
    flyers[SpawnFlyer(300.0f, 250.0f, 9.0f, 3)].bubble = 1;
    for (int n = 0; n < 60; n++) {
        frameCount++;
        UpdateFlyers();
        UpdateParticles();
        UpdateGlows(1.0f);
    }
    const std::string summary = "summary " + std::to_string(PoolHash());
    const char* write = std::getenv("GLD_WRITE_REPLAYS");
    if (write && std::string(write) == "1")
        WriteWholeFile(path, "# Every effect kind spawned with seed 77, after 60 frames.\n" + summary + "\n");
    std::ifstream in(path);
    std::string line, stored;
    while (std::getline(in, line))
        if (line.rfind("summary", 0) == 0) stored = line;
    EXPECT_EQ(summary, stored);
}

}  // namespace
