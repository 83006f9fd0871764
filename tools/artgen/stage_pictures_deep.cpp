// The pictures of the four deepest stages, lit only by what lives there: the
// jellyfish drift, the trench with its octopus, the smoking vents and the
// abyss with its anglerfish.
#include <cmath>
#include <functional>

#include "stage_pictures.h"

namespace {

// Places one thing in every piece of the puzzle, somewhere inside it, so that
// even the darkest picture has something to find in each piece.
void InEveryPiece(TRandom& rnd, double margin, const std::function<void(int column, int row, double x, double y)>& place) {
    for (int row = 0; row < STAGE_PICTURE_ROWS; row++)
        for (int column = 0; column < STAGE_PICTURE_COLUMNS; column++) {
            double x = column * STAGE_PIECE_WIDTH + rnd.Range(margin, STAGE_PIECE_WIDTH - margin);
            double y = row * STAGE_PIECE_HEIGHT + rnd.Range(margin, STAGE_PIECE_HEIGHT - margin);
            place(column, row, x, y);
        }
}

// Marine snow: pale flakes drifting down through the dark.
void MarineSnow(TScene& s, int count) { DrawMotes(s.cr, s.rnd, count, {0.8, 0.88, 1.0}, 0.45, 0.08); }

void DeepWall(TScene& s, cairo_t* cr, int side, double reach, uint32_t seed, TRgb c) {
    double base = side ? SP_W + 10 : -10;
    cairo_move_to(cr, base, -10);
    for (double y = -10; y <= SP_H + 10; y += 6) {
        double d = reach * (0.4 + 0.6 * FractalNoise(0.5 + side * 9, y * 0.01, 4, seed));
        cairo_line_to(cr, side ? SP_W - d : d, y);
    }
    cairo_line_to(cr, base, SP_H + 10);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(side ? SP_W : 0, 0, side ? SP_W - reach : reach, 0);
    AddStop(p, 0, Darker(c, 0.6));
    AddStop(p, 1, Lighter(c, 0.2));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip(cr);
    TRandom& rnd = s.rnd;
    for (int i = 0; i < 30; i++) {   // crevices and bulges
        double y = rnd.Range(0, SP_H), x = rnd.Range(0, reach);
        cairo_move_to(cr, side ? SP_W - x : x, y);
        cairo_curve_to(cr, side ? SP_W - x - 20 : x + 20, y + 10, side ? SP_W - x - 10 : x + 10, y + 30, side ? SP_W - x - 25 : x + 25, y + 45);
        SetRgb(cr, Darker(c, 0.65), 0.6);
        cairo_set_line_width(cr, rnd.Range(1.5, 4));
        cairo_stroke(cr);
    }
    for (int i = 0; i < 60; i++) {
        double y = rnd.Range(0, SP_H), x = rnd.Range(0, reach);
        cairo_arc(cr, side ? SP_W - x : x, y, rnd.Range(1, 4), 0, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.35), 0.35);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void PaintJelliesScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.5);
    SoftGlow(s.cr, 320, 0, 320, {0.3, 0.3, 0.7}, 0.35);
    PaintShafts(s.cr, rnd, 4, 320, 0.12, {0.55, 0.6, 1.0});
    const TRgb COLOURS[5] = {{0.75, 0.5, 1.0}, {0.4, 0.85, 1.0}, {1.0, 0.55, 0.8}, {0.55, 1.0, 0.8}, {1.0, 0.75, 0.45}};
    // a far swarm, small and faint
    cairo_t* far = BeginLayer();
    for (int i = 0; i < 26; i++)
        DrawJelly(far, rnd, rnd.Range(0, SP_W), rnd.Range(0, SP_H - 80), rnd.Range(6, 12), COLOURS[i % 5], 0.1);
    PaintRidge(far, 450, 50, 0.008, s.seed, {0.18, 0.16, 0.3});
    FogLayer(s, far, 0.45);
    LayLayer(s, far, 0, 0, 0, 0);
    // the drift: one jelly in every piece, away from the great one
    cairo_t* drift = BeginLayer();
    InEveryPiece(rnd, 30, [&](int column, int row, double x, double y) {
        if (column >= 1 && column <= 3 && row >= 1 && row <= 2 && !(column == 2 && row == 2)) return;
        DrawJelly(drift, rnd, x, y - 20, rnd.Range(14, 26), COLOURS[(column + row * 2) % 5], 0.22);
    });
    LayLayer(s, drift, 0, 0, 0, 0);
    // the floor with glowing sea pens
    cairo_t* floor = BeginLayer();
    PaintRidge(floor, 470, 30, 0.01, s.seed + 1, {0.14, 0.12, 0.24});
    for (int i = 0; i < 9; i++) DrawSeaPen(floor, 30 + i * 72 + rnd.Range(-15, 15), 478, rnd.Range(35, 60), COLOURS[(i + 1) % 5], 0.2);
    LayLayer(s, floor, 0, 0, 0, 0);
    // the great moon jelly in the middle, trailing its long arms
    cairo_t* great = BeginLayer();
    DrawJelly(great, rnd, 320, 170, 78, {0.8, 0.6, 1.0}, 0.35);
    DrawJelly(great, rnd, 470, 290, 34, {0.45, 0.9, 1.0}, 0.25);
    DrawJelly(great, rnd, 190, 300, 30, {1.0, 0.6, 0.85}, 0.25);
    LayLayer(s, great, 0, 0, 0, 0);
    cairo_t* fish = BeginLayer();
    DrawFish(fish, 120, 210, 40, 1, 0.05, {0.45, 0.5, 0.8}, {0.35, 0.4, 0.7}, 2);
    DrawSchool(fish, rnd, 500, 420, 70, 25, 14, 12, -1, {0.55, 0.6, 0.85}, {0.4, 0.45, 0.75});
    LayLayer(s, fish, 5, 8, 5, 0.35);
    MarineSnow(s, 200);
    PaintVignette(s.cr, 0.45);
}

void PaintTrenchScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.5);
    SoftGlow(s.cr, 330, -60, 260, {0.25, 0.45, 0.65}, 0.4);   // the last of the light, far above
    const TRgb WALL = {0.2, 0.22, 0.28};
    cairo_t* far = BeginLayer();
    DeepWall(s, far, 0, 290, s.seed + 1, {0.22, 0.27, 0.35});
    DeepWall(s, far, 1, 290, s.seed + 2, {0.22, 0.27, 0.35});
    FogLayer(s, far, 0.55);
    LayLayer(s, far, 0, 0, 0, 0);
    cairo_t* walls = BeginLayer();
    DeepWall(s, walls, 0, 190, s.seed + 3, WALL);
    DeepWall(s, walls, 1, 180, s.seed + 4, Mix(WALL, {0.3, 0.22, 0.2}, 0.35));
    // the ledge the octopus sits on, reaching out from the left wall
    cairo_move_to(walls, -10, 360);
    cairo_curve_to(walls, 150, 340, 330, 350, 420, 372);
    cairo_curve_to(walls, 440, 400, 300, 420, 200, 430);
    cairo_curve_to(walls, 100, 440, 20, 440, -10, 450);
    cairo_close_path(walls);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 345, 0, 440);
    AddStop(p, 0, Lighter(WALL, 0.3));
    AddStop(p, 1, Darker(WALL, 0.5));
    cairo_set_source(walls, p);
    cairo_fill(walls);
    cairo_pattern_destroy(p);
    TextureLayer(walls, 0.07, 0.22, s.seed + 14);
    // life on the walls: sponges, crinoids, glowing spots
    const TRgb LIFE[4] = {{0.8, 0.5, 0.45}, {0.55, 0.75, 0.85}, {0.85, 0.75, 0.55}, {0.7, 0.5, 0.85}};
    for (int i = 0; i < 12; i++) {
        int side = i % 2;
        double y = 20 + i * 38 + rnd.Range(-8, 8);
        double d = (side ? 180 : 190) * (0.4 + 0.6 * FractalNoise(0.5 + side * 9, y * 0.01, 4, s.seed + 3 + side));
        double x = side ? SP_W - d + 8 : d - 8;
        if (y > 330 && y < 450 && !side) continue;   // the ledge holds the octopus
        switch (i % 3) {
            case 0: DrawTubeSponges(walls, rnd, x, y, 40, LIFE[i % 4]); break;
            case 1: DrawSeaPen(walls, x, y, 40, LIFE[i % 4], 0.15); break;
            default: DrawFanCoral(walls, rnd, x, y, 38, LIFE[i % 4]); break;
        }
    }
    DrawTubeSponges(walls, rnd, 90, 362, 50, {0.85, 0.55, 0.4});
    DrawSeaPen(walls, 380, 372, 45, {0.55, 0.9, 1.0}, 0.2);
    PaintRidge(walls, 480, 25, 0.02, s.seed + 5, Darker(WALL, 0.3));
    FogLayer(s, walls, 0.12);
    LayLayer(s, walls, 6, 8, 8, 0.5);
    // glowing specks on the rock, one cluster in every piece
    cairo_t* glow = BeginLayer();
    InEveryPiece(rnd, 15, [&](int, int, double x, double y) {
        TRgb c = Mix({0.35, 0.9, 1.0}, {0.6, 0.5, 1.0}, rnd.Unit());
        for (int k = 0; k < 4; k++) {
            double gx = x + rnd.Range(-12, 12), gy = y + rnd.Range(-12, 12);
            SoftGlow(glow, gx, gy, 9, c, 0.5);
            cairo_arc(glow, gx, gy, 1.3, 0, 2 * M_PI);
            SetRgb(glow, Lighter(c, 0.6));
            cairo_fill(glow);
        }
    });
    LayLayer(s, glow, 0, 0, 0, 0);
    // the octopus on its ledge, lit by a drifting glow, and a squid far up
    cairo_t* near = BeginLayer();
    SoftGlow(near, 260, 300, 120, {0.5, 0.7, 1.0}, 0.2);
    DrawOctopus(near, rnd, 250, 300, 150, {0.85, 0.35, 0.3});
    DrawFish(near, 450, 170, 60, -1, 0.1, {0.5, 0.55, 0.6}, {0.35, 0.4, 0.5}, 2);
    DrawEel(near, 400, 450, 130, 1, {0.4, 0.42, 0.38});
    DrawJelly(near, rnd, 330, 80, 20, {0.6, 0.8, 1.0}, 0.25);
    DrawFish(near, 60, 60, 36, 1, 0.1, {0.6, 0.45, 0.4}, {0.45, 0.3, 0.3}, 3);
    DrawSchool(near, rnd, 540, 60, 40, 20, 7, 12, -1, {0.55, 0.65, 0.8}, {0.4, 0.5, 0.65});
    LayLayer(s, near, 6, 9, 7, 0.45);
    MarineSnow(s, 220);
    PaintVignette(s.cr, 0.4);
}

void PaintVentsScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.5);
    const TRgb HEAT = {1.0, 0.5, 0.15}, ROCK = {0.2, 0.17, 0.17};
    cairo_t* far = BeginLayer();
    SoftGlow(far, 330, 300, 420, {0.5, 0.22, 0.1}, 0.35);   // the heat tints the water
    SoftGlow(far, 560, 120, 200, {0.2, 0.3, 0.5}, 0.3);
    SoftGlow(far, 60, 80, 180, {0.35, 0.2, 0.4}, 0.3);
    PaintRidge(far, 380, 90, 0.006, s.seed, {0.2, 0.15, 0.16});
    for (int i = 0; i < 3; i++) SoftGlow(far, 80 + i * 240, 360, 70, HEAT, 0.25);
    FogLayer(s, far, 0.4);
    LayLayer(s, far, 0, 0, 0, 0);
    // the chimneys: rough stacks glowing at the foot, smoke rising to the top
    const double CHIMNEY_X[4] = {110, 330, 510, 600};
    const double CHIMNEY_H[4] = {200, 330, 230, 130};
    cairo_t* smoke = BeginLayer();
    for (int i = 0; i < 4; i++) {
        double x = CHIMNEY_X[i], top = 450 - CHIMNEY_H[i];
        for (int k = 0; k < 14; k++) {   // each puff lit from below, fading as it climbs
            double py = top - k * 32, px = x + std::sin(k * 0.8 + i) * (8 + k * 3) + k * 4;
            double r = 16 + k * 5;
            if (py < -r) break;
            TRgb c = Mix({0.55, 0.4, 0.35}, {0.28, 0.28, 0.32}, std::min(1.0, k / 5.0));
            SoftGlow(smoke, px, py, r * 1.5, c, 0.5 - k * 0.02);
            SoftGlow(smoke, px + r * 0.3, py - r * 0.3, r * 0.8, Lighter(c, 0.2), 0.25);
        }
    }
    LayLayer(s, smoke, 0, 0, 0, 0);
    cairo_t* stacks = BeginLayer();
    PaintRidge(stacks, 455, 25, 0.012, s.seed + 2, ROCK);
    for (int i = 0; i < 4; i++) {
        double x = CHIMNEY_X[i], h = CHIMNEY_H[i], top = 450 - h, w = 26 + h * 0.1;
        cairo_move_to(stacks, x - w, 460);
        for (int k = 0; k <= 10; k++) {
            double t = k / 10.0;
            cairo_line_to(stacks, x - w * (1 - t * 0.55) + FractalNoise(t * 6, i, 2, s.seed) * 12 - 6, 460 - h * t);
        }
        for (int k = 10; k >= 0; k--) {
            double t = k / 10.0;
            cairo_line_to(stacks, x + w * (1 - t * 0.55) + FractalNoise(t * 6, i + 9, 2, s.seed) * 12 - 6, 460 - h * t);
        }
        cairo_close_path(stacks);
        cairo_pattern_t* p = cairo_pattern_create_linear(x - w, 0, x + w, 0);
        AddStop(p, 0, Lighter(ROCK, 0.35));
        AddStop(p, 0.5, ROCK);
        AddStop(p, 1, Darker(ROCK, 0.6));
        cairo_set_source(stacks, p);
        cairo_fill_preserve(stacks);
        cairo_pattern_destroy(p);
        cairo_save(stacks);
        cairo_clip(stacks);
        for (int k = 0; k < 8; k++) {   // mineral bands and hot cracks
            double y = 460 - h * (k + 0.5) / 8;
            cairo_move_to(stacks, x - w, y);
            cairo_curve_to(stacks, x - w / 3, y + 5, x + w / 3, y - 5, x + w, y + 2);
            SetRgb(stacks, (k % 2) ? Lighter(ROCK, 0.3) : Darker(ROCK, 0.5), 0.6);
            cairo_set_line_width(stacks, 2.5);
            cairo_stroke(stacks);
        }
        for (int k = 0; k < 3; k++) {
            double cx = x + rnd.Range(-w * 0.4, w * 0.4), cy = 460 - rnd.Range(0, h * 0.6);
            cairo_move_to(stacks, cx, cy);
            cairo_line_to(stacks, cx + rnd.Range(-6, 6), cy - rnd.Range(10, 30));
            cairo_line_to(stacks, cx + rnd.Range(-6, 6), cy - rnd.Range(30, 50));
            SetRgb(stacks, HEAT, 0.8);
            cairo_set_line_width(stacks, 1.5);
            cairo_stroke(stacks);
        }
        cairo_restore(stacks);
        SoftGlow(stacks, x, top + 4, 26, {1.0, 0.75, 0.35}, 0.7);   // the hot mouth
        cairo_save(stacks);
        cairo_translate(stacks, x, top + 2);
        cairo_scale(stacks, w * 0.4, 5);
        cairo_arc(stacks, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(stacks);
        SetRgb(stacks, {1.0, 0.6, 0.2});
        cairo_fill(stacks);
        SoftGlow(stacks, x, 455, 80, HEAT, 0.35);
    }
    TextureLayer(stacks, 0.07, 0.22, s.seed + 15);
    LayLayer(s, stacks, 5, 6, 6, 0.5);
    // the life the heat feeds: tube worms, white crabs, pale shrimp
    cairo_t* life = BeginLayer();
    DrawTubeWorms(life, rnd, 200, 462, 70, {0.92, 0.9, 0.85}, {0.95, 0.2, 0.2});
    DrawTubeWorms(life, rnd, 420, 466, 80, {0.92, 0.9, 0.85}, {0.95, 0.25, 0.2});
    DrawTubeWorms(life, rnd, 40, 468, 55, {0.9, 0.88, 0.82}, {0.9, 0.2, 0.25});
    DrawTubeWorms(life, rnd, 600, 470, 50, {0.9, 0.88, 0.82}, {0.9, 0.2, 0.25});
    DrawCrab(life, 270, 462, 30, {0.9, 0.88, 0.85});
    DrawCrab(life, 560, 466, 26, {0.9, 0.88, 0.85});
    DrawCrab(life, 360, 300, 22, {0.9, 0.88, 0.85});
    for (int i = 0; i < 10; i++) {   // shrimp swarming around the stacks
        double x = rnd.Range(40, 600), y = rnd.Range(160, 430);
        DrawFish(life, x, y, rnd.Range(12, 18), rnd.Unit() < 0.5 ? 1 : -1, rnd.Range(-0.4, 0.4), {0.95, 0.8, 0.75}, {0.9, 0.6, 0.5}, 0);
    }
    DrawFish(life, 470, 110, 54, -1, 0.1, {0.55, 0.45, 0.5}, {0.45, 0.35, 0.4}, 2);
    DrawFish(life, 150, 70, 40, 1, 0.0, {0.5, 0.5, 0.55}, {0.4, 0.4, 0.45}, 0);
    DrawJelly(life, rnd, 600, 40, 16, {1.0, 0.6, 0.45}, 0.3);
    DrawJelly(life, rnd, 64, 40, 22, {0.95, 0.8, 0.5}, 0.35);
    DrawJelly(life, rnd, 40, 200, 13, {0.6, 0.7, 1.0}, 0.3);
    DrawEel(life, 250, 150, 110, 1, {0.45, 0.38, 0.35});
    LayLayer(s, life, 4, 6, 5, 0.45);
    // sparks of heat drifting up in every piece
    cairo_t* sparks = BeginLayer();
    const TRgb SPARK[5] = {{1.0, 0.5, 0.15}, {1.0, 0.35, 0.45}, {1.0, 0.75, 0.3}, {0.45, 0.8, 1.0}, {0.8, 0.5, 1.0}};
    InEveryPiece(rnd, 10, [&](int column, int row, double x, double y) {
        TRgb c = SPARK[(column + row * 3) % 5];
        for (int k = 0; k < 3 + row + column; k++) {
            double gx = x + rnd.Range(-24, 24), gy = y + rnd.Range(-24, 24);
            SoftGlow(sparks, gx, gy, rnd.Range(5, 11), c, 0.6);
            cairo_arc(sparks, gx, gy, 1.2, 0, 2 * M_PI);
            SetRgb(sparks, {1.0, 0.85, 0.6});
            cairo_fill(sparks);
        }
    });
    LayLayer(s, sparks, 0, 0, 0, 0);
    MarineSnow(s, 120);
    PaintVignette(s.cr, 0.45);
}

void PaintAbyssScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.5);
    const TRgb BLUE = {0.35, 0.85, 1.0}, VIOLET = {0.7, 0.45, 1.0}, GREEN = {0.5, 1.0, 0.7};
    cairo_t* far = BeginLayer();
    SoftGlow(far, 80, 120, 260, {0.25, 0.12, 0.4}, 0.45);   // faint clouds of light
    SoftGlow(far, 580, 330, 260, {0.05, 0.3, 0.35}, 0.45);
    PaintRidge(far, 440, 60, 0.006, s.seed, {0.1, 0.12, 0.2});
    for (int i = 0; i < 30; i++) SoftGlow(far, rnd.Range(0, SP_W), rnd.Range(0, 430), rnd.Range(8, 20), Mix(BLUE, VIOLET, rnd.Unit()), 0.3);
    FogLayer(s, far, 0.3);
    LayLayer(s, far, 0, 0, 0, 0);
    // a siphonophore's glowing chain drifting across the top
    cairo_t* chain = BeginLayer();
    for (int k = 0; k < 44; k++) {
        double t = k / 43.0, x = -10 + t * 660, y = 60 + std::sin(t * 5.5) * 26 + t * 20;
        SoftGlow(chain, x, y, 10, k % 3 ? BLUE : VIOLET, 0.45);
        cairo_arc(chain, x, y, 2.4, 0, 2 * M_PI);
        SetRgb(chain, Lighter(BLUE, 0.6));
        cairo_fill(chain);
        if (k % 4 == 0) {
            cairo_move_to(chain, x, y);
            cairo_curve_to(chain, x + 4, y + 20, x - 4, y + 35, x + 2, y + 50);
            SetRgb(chain, BLUE, 0.4);
            cairo_set_line_width(chain, 1);
            cairo_stroke(chain);
        }
    }
    LayLayer(s, chain, 0, 0, 0, 0);
    // the floor of the abyss with sea pens and glass sponges
    cairo_t* floor = BeginLayer();
    PaintRidge(floor, 470, 30, 0.012, s.seed + 1, {0.08, 0.09, 0.14});
    for (int i = 0; i < 8; i++) DrawSeaPen(floor, 40 + i * 80 + rnd.Range(-20, 20), 476, rnd.Range(35, 65), i % 2 ? GREEN : VIOLET, 0.25);
    DrawTubeSponges(floor, rnd, 560, 470, 60, {0.55, 0.6, 0.7});
    DrawTubeSponges(floor, rnd, 90, 472, 50, {0.5, 0.55, 0.65});
    LayLayer(s, floor, 0, 0, 0, 0);
    // small lights of the deep in every piece: lanternfish, glowing jellies, specks
    cairo_t* lights = BeginLayer();
    InEveryPiece(rnd, 25, [&](int column, int row, double x, double y) {
        if (column >= 1 && column <= 3 && row >= 1 && row <= 2) return;   // the angler's water
        int kind = (column * 3 + row) % 3;
        if (kind == 0) {
            DrawFish(lights, x, y, 30, column < 2 ? 1 : -1, rnd.Range(-0.2, 0.2), {0.3, 0.32, 0.42}, {0.25, 0.25, 0.35}, 0);
            for (int k = 0; k < 5; k++) {
                double gx = x + (k - 2) * 4.5 * (column < 2 ? 1 : -1), gy = y + 4;
                SoftGlow(lights, gx, gy, 5, BLUE, 0.8);
            }
        } else if (kind == 1) {
            DrawJelly(lights, rnd, x, y, rnd.Range(9, 15), row % 2 ? VIOLET : GREEN, 0.3);
        } else {
            for (int k = 0; k < 7; k++) SoftGlow(lights, x + rnd.Range(-25, 25), y + rnd.Range(-25, 25), rnd.Range(4, 10), Mix(BLUE, GREEN, rnd.Unit()), 0.7);
        }
    });
    LayLayer(s, lights, 0, 0, 0, 0);
    // the anglerfish, lit by its own lure
    cairo_t* angler = BeginLayer();
    DrawAnglerfish(angler, 300, 270, 250, 1);
    DrawFish(angler, 480, 205, 26, -1, 0.2, {0.6, 0.65, 0.75}, {0.5, 0.5, 0.6}, 0);
    DrawEel(angler, 120, 150, 150, 1, {0.3, 0.28, 0.36});
    DrawJelly(angler, rnd, 600, 250, 18, {1.0, 0.4, 0.5}, 0.35);
    LayLayer(s, angler, 0, 0, 0, 0);
    MarineSnow(s, 260);
    PaintVignette(s.cr, 0.35);
}
