// The pictures of the four middle stages, where the light thins: the coral
// arch with a school passing through, the sunken temple, the twilight cliffs
// with their manta, and the cave of glowing crystals.
#include <cmath>

#include "stage_pictures.h"

namespace {

void Finish(TScene& s, int motes, TRgb moteColour, double glowChance, double vignette) {
    DrawMotes(s.cr, s.rnd, motes, moteColour, 0.4, glowChance);
    PaintVignette(s.cr, vignette);
}

// A wall of rock from the side: ragged edge reaching `reach` into the picture,
// shaded by a noise of ledges; side 0 left, 1 right.
void RockWall(cairo_t* cr, int side, double reach, uint32_t seed, TRgb c, double y0 = -10, double y1 = SP_H + 10) {
    double base = side ? SP_W + 10 : -10;
    cairo_move_to(cr, base, y0);
    for (double y = y0; y <= y1; y += 6) {
        double d = reach * (0.45 + 0.55 * FractalNoise(0.5 + side * 7, y * 0.012, 4, seed));
        cairo_line_to(cr, side ? SP_W - d : d, y);
    }
    cairo_line_to(cr, base, y1);
    cairo_close_path(cr);
    double lit = side ? SP_W - reach : reach;
    cairo_pattern_t* p = cairo_pattern_create_linear(side ? SP_W : 0, 0, lit, 0);
    AddStop(p, 0, Darker(c, 0.55));
    AddStop(p, 0.8, c);
    AddStop(p, 1, Lighter(c, 0.25));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip(cr);
    for (int i = 0; i < 26; i++) {   // strata and ledges
        double y = y0 + (i + 0.5) * (y1 - y0) / 26 + FractalNoise(i, 3.3, 2, seed) * 10;
        cairo_move_to(cr, side ? SP_W : 0, y);
        for (double t = 0; t <= 1.0; t += 0.1) {
            double x = t * reach * 1.1;
            cairo_line_to(cr, side ? SP_W - x : x, y + std::sin(t * 5 + i) * 4);
        }
        SetRgb(cr, (i % 2) ? Darker(c, 0.45) : Lighter(c, 0.2), 0.45);
        cairo_set_line_width(cr, (i % 3) + 1.0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void PaintArchesScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.4);
    // the open water seen through the arch glows brighter
    SoftGlow(s.cr, 330, 200, 330, {0.45, 0.85, 0.95}, 0.5);
    PaintShafts(s.cr, rnd, 6, 330, 0.3, {0.8, 0.95, 1.0});
    const TRgb STONE = {0.46, 0.38, 0.36};
    cairo_t* far = BeginLayer();
    PaintRidge(far, 360, 80, 0.008, s.seed, {0.3, 0.4, 0.5});
    for (int i = 0; i < 2; i++) {   // distant arches
        double x = 120 + i * 430, w = 150, h = 230;
        cairo_move_to(far, x - w / 2, 380);
        cairo_curve_to(far, x - w / 2, 380 - h * 1.3, x + w / 2, 380 - h * 1.3, x + w / 2, 380);
        cairo_line_to(far, x + w / 2 - 30, 380);
        cairo_curve_to(far, x + w / 2 - 30, 380 - h * 0.95, x - w / 2 + 30, 380 - h * 0.95, x - w / 2 + 30, 380);
        cairo_close_path(far);
        SetRgb(far, {0.35, 0.4, 0.5});
        cairo_fill(far);
    }
    for (int i = 0; i < 10; i++) {   // the reef beyond the arch
        double x = 90 + i * 50 + rnd.Range(-15, 15), y = 330 + rnd.Range(0, 40);
        if (i % 3 == 0) DrawBrainCoral(far, rnd, x, y, rnd.Range(16, 26), {0.45, 0.5, 0.55});
        else if (i % 3 == 1) DrawBranchCoral(far, rnd, x, y, rnd.Range(50, 80), {0.5, 0.45, 0.6});
        else DrawFanCoral(far, rnd, x, y, rnd.Range(40, 60), {0.45, 0.5, 0.6});
    }
    DrawSchool(far, rnd, 330, 330, 90, 25, 14, 10, -1, {0.6, 0.7, 0.8}, {0.5, 0.6, 0.7});
    FogLayer(s, far, 0.55);
    LayLayer(s, far, 0, 0, 0, 0);
    // the school streaming through the arch
    cairo_t* school = BeginLayer();
    for (int i = 0; i < 70; i++) {
        double t = rnd.Unit();
        double x = 60 + t * 520, y = 260 - std::sin(t * M_PI) * 90 + rnd.Range(-28, 28);
        DrawFish(school, x, y, rnd.Range(14, 22), 1, -std::cos(t * M_PI) * 0.35, {0.6, 0.85, 0.95}, {0.95, 0.8, 0.3}, 0);
    }
    FogLayer(s, school, 0.12);
    LayLayer(s, school, 0, 0, 0, 0);
    // the great arch: two legs and a span overhead, crusted with coral
    cairo_t* arch = BeginLayer();
    cairo_move_to(arch, -20, SP_H + 10);
    cairo_line_to(arch, -20, -10);
    cairo_line_to(arch, SP_W + 20, -10);
    cairo_line_to(arch, SP_W + 20, SP_H + 10);
    cairo_line_to(arch, 560, SP_H + 10);
    for (double t = 0; t <= 1.0; t += 0.02) {   // the inner edge of the opening
        double a = M_PI * t;
        double x = 330 + std::cos(a) * 250 + FractalNoise(t * 9, 1.5, 3, s.seed) * 30 - 15;
        double y = SP_H + 10 - std::sin(a) * 400 - FractalNoise(t * 7, 4.5, 3, s.seed) * 40;
        cairo_line_to(arch, x, y);
    }
    cairo_line_to(arch, 90, SP_H + 10);
    cairo_close_path(arch);
    cairo_pattern_t* p = cairo_pattern_create_radial(330, 260, 200, 330, 260, 520);
    AddStop(p, 0, Lighter(STONE, 0.2));
    AddStop(p, 0.5, STONE);
    AddStop(p, 1, Darker(STONE, 0.65));
    cairo_set_source(arch, p);
    cairo_fill_preserve(arch);
    cairo_pattern_destroy(p);
    cairo_save(arch);
    cairo_clip(arch);
    for (int i = 0; i < 160; i++) {   // pitted, crusted stone
        double x = rnd.Range(0, SP_W), y = rnd.Range(0, SP_H);
        cairo_arc(arch, x, y, rnd.Range(1, 5), 0, 2 * M_PI);
        SetRgb(arch, rnd.Unit() < 0.5 ? Darker(STONE, 0.5) : Lighter(STONE, 0.3), 0.4);
        cairo_fill(arch);
    }
    cairo_restore(arch);
    TextureLayer(arch, 0.07, 0.22, s.seed + 11);
    const TRgb CORALS[5] = {{0.98, 0.45, 0.55}, {1.0, 0.6, 0.3}, {0.7, 0.45, 0.95}, {0.95, 0.85, 0.4}, {0.4, 0.85, 0.75}};
    // coral along the inner rim of the arch and on its legs
    for (int i = 0; i < 20; i++) {
        double t = (i + 0.5) / 20, a = M_PI * t;
        double x = 330 + std::cos(a) * 265, y = SP_H + 10 - std::sin(a) * 420;
        TRgb c = CORALS[i % 5];
        if (i % 4 == 0) DrawFanCoral(arch, rnd, x, y + 10, 45, c);
        else if (i % 4 == 1) DrawBrainCoral(arch, rnd, x, y + 12, 20, c);
        else if (i % 4 == 2) DrawBranchCoral(arch, rnd, x, y + 10, 50, c);
        else DrawTubeSponges(arch, rnd, x, y + 12, 40, c);
    }
    for (int i = 0; i < 14; i++) {
        double x = i < 7 ? rnd.Range(0, 80) : rnd.Range(570, SP_W), y = rnd.Range(30, SP_H);
        TRgb c = CORALS[(i * 3) % 5];
        if (i % 3 == 0) DrawBrainCoral(arch, rnd, x, y, rnd.Range(14, 26), c);
        else if (i % 3 == 1) DrawStarfish(arch, x, y, rnd.Range(10, 16), rnd.Range(0, 6), c);
        else DrawAnemone(arch, rnd, x, y, 36, c);
    }
    LayLayer(s, arch, 0, 0, 0, 0);
    // the floor under the arch
    cairo_t* floor = BeginLayer();
    PaintSeabed(s, floor, 430, 8, {0.75, 0.68, 0.55}, 0.3);
    DrawRock(floor, rnd, 250, 440, 90, 45, {0.5, 0.42, 0.42});
    DrawBranchCoral(floor, rnd, 390, 450, 80, CORALS[0]);
    DrawShell(floor, 300, 465, 14, 0.4, {0.95, 0.85, 0.8});
    DrawFanCoral(floor, rnd, 180, 470, 55, CORALS[2]);
    FogLayer(s, floor, 0.1);
    LayLayer(s, floor, 3, 5, 4, 0.4);
    cairo_t* near = BeginLayer();
    DrawFish(near, 470, 380, 70, -1, 0.05, {0.95, 0.4, 0.45}, {0.95, 0.75, 0.3}, 1);
    DrawFish(near, 200, 150, 44, 1, 0.1, {0.3, 0.55, 0.95}, {0.9, 0.9, 0.4}, 3);
    LayLayer(s, near, 8, 12, 7, 0.35);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 520, 300, 10, 3);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 80, {0.85, 0.97, 1.0}, 0.0, 0.4);
}

void PaintRuinsScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.45);
    PaintShafts(s.cr, rnd, 5, 300, 0.35, {0.8, 0.95, 1.0});
    const TRgb MARBLE = {0.72, 0.7, 0.62};
    cairo_t* far = BeginLayer();
    PaintRidge(far, 300, 60, 0.005, s.seed, {0.25, 0.35, 0.4});
    for (int i = 0; i < 6; i++) {   // far broken columns
        double x = 20 + i * 115 + rnd.Range(-15, 15), h = rnd.Range(80, 200);
        cairo_rectangle(far, x, 320 - h, 22, h);
        SetRgb(far, {0.45, 0.5, 0.5});
        cairo_fill(far);
    }
    FogLayer(s, far, 0.62);
    LayLayer(s, far, 0, 0, 0, 0);
    // the temple: steps, columns with flutes and capitals, a cracked pediment
    cairo_t* temple = BeginLayer();
    PaintSeabed(s, temple, 400, 8, {0.6, 0.58, 0.5}, 0.4);
    for (int k = 0; k < 3; k++) {
        double y = 380 + k * 18, w = 480 + k * 50;
        cairo_rectangle(temple, 320 - w / 2, y, w, 18);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 18);
        AddStop(p, 0, Lighter(MARBLE, 0.15));
        AddStop(p, 1, Darker(MARBLE, 0.4));
        cairo_set_source(temple, p);
        cairo_fill(temple);
        cairo_pattern_destroy(p);
    }
    cairo_move_to(temple, 60, 118);   // pediment, broken at its right end
    cairo_line_to(temple, 330, 20);
    cairo_line_to(temple, 470, 70);
    cairo_line_to(temple, 500, 110);
    cairo_line_to(temple, 455, 118);
    cairo_close_path(temple);
    cairo_rectangle(temple, 50, 118, 420, 26);
    cairo_pattern_t* pp = cairo_pattern_create_linear(0, 20, 0, 144);
    AddStop(pp, 0, Lighter(MARBLE, 0.2));
    AddStop(pp, 1, Darker(MARBLE, 0.3));
    cairo_set_source(temple, pp);
    cairo_fill(temple);
    cairo_pattern_destroy(pp);
    cairo_move_to(temple, 110, 112);   // the frieze inside the pediment
    cairo_line_to(temple, 330, 34);
    cairo_line_to(temple, 440, 74);
    SetRgb(temple, Darker(MARBLE, 0.4), 0.8);
    cairo_set_line_width(temple, 3);
    cairo_stroke(temple);
    for (int k = 0; k < 10; k++) {
        cairo_rectangle(temple, 64 + k * 40, 124, 22, 14);
    }
    SetRgb(temple, Darker(MARBLE, 0.25), 0.7);
    cairo_fill(temple);
    const double COLUMN_X[5] = {90, 195, 300, 405, 540};
    const double COLUMN_TOP[5] = {144, 144, 144, 144, 250};
    for (int k = 0; k < 5; k++) {
        double x = COLUMN_X[k], top = COLUMN_TOP[k], w = 44;
        cairo_rectangle(temple, x - w / 2, top + 12, w, 380 - top - 12);
        cairo_pattern_t* c = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
        AddStop(c, 0, Lighter(MARBLE, 0.3));
        AddStop(c, 0.4, MARBLE);
        AddStop(c, 1, Darker(MARBLE, 0.55));
        cairo_set_source(temple, c);
        cairo_fill(temple);
        cairo_pattern_destroy(c);
        for (int f = 1; f < 5; f++) {
            cairo_move_to(temple, x - w / 2 + f * w / 5, top + 14);
            cairo_line_to(temple, x - w / 2 + f * w / 5, 378);
        }
        SetRgb(temple, Darker(MARBLE, 0.5), 0.5);
        cairo_set_line_width(temple, 1.5);
        cairo_stroke(temple);
        cairo_rectangle(temple, x - w / 2 - 8, top, w + 16, 14);   // capital
        SetRgb(temple, Lighter(MARBLE, 0.1));
        cairo_fill(temple);
        if (k == 4) {   // the broken one, its jagged top
            cairo_move_to(temple, x - w / 2, top);
            cairo_line_to(temple, x - 5, top - 18);
            cairo_line_to(temple, x + 6, top - 6);
            cairo_line_to(temple, x + w / 2, top - 22);
            cairo_line_to(temple, x + w / 2, top);
            cairo_close_path(temple);
            SetRgb(temple, MARBLE);
            cairo_fill(temple);
        }
        for (int g = 0; g < 3; g++) DrawSeagrass(temple, rnd, x + rnd.Range(-20, 20), 382, 50, {0.35, 0.5, 0.3});
    }
    // the dark doorway of the cella between the middle columns
    cairo_rectangle(temple, 222, 200, 156, 180);
    cairo_set_source_rgba(temple, 0.02, 0.05, 0.08, 0.55);
    cairo_fill(temple);
    // the fallen pieces: a drum of column, an amphora, the statue's head
    cairo_save(temple);
    cairo_translate(temple, 560, 430);
    cairo_scale(temple, 1, 0.45);
    cairo_arc(temple, 0, 0, 36, 0, 2 * M_PI);
    cairo_restore(temple);
    SetRgb(temple, Lighter(MARBLE, 0.1));
    cairo_fill(temple);
    cairo_rectangle(temple, 524, 430, 72, 38);
    SetRgb(temple, Darker(MARBLE, 0.2));
    cairo_fill(temple);
    for (int k = 0; k < 2; k++) {
        double ax = 40 + k * 70, ay = 420 + k * 18;
        cairo_save(temple);
        cairo_translate(temple, ax, ay);
        cairo_rotate(temple, k ? 1.3 : 0.15);
        cairo_move_to(temple, -6, -34);
        cairo_curve_to(temple, -6, -24, -22, -20, -20, 0);
        cairo_curve_to(temple, -18, 18, -6, 28, 0, 34);
        cairo_curve_to(temple, 6, 28, 18, 18, 20, 0);
        cairo_curve_to(temple, 22, -20, 6, -24, 6, -34);
        cairo_close_path(temple);
        cairo_pattern_t* a = cairo_pattern_create_linear(-20, 0, 20, 0);
        AddStop(a, 0, {0.85, 0.55, 0.35});
        AddStop(a, 1, {0.45, 0.25, 0.15});
        cairo_set_source(temple, a);
        cairo_fill(temple);
        cairo_pattern_destroy(a);
        cairo_rectangle(temple, -20, -4, 40, 4);
        SetRgb(temple, {0.3, 0.15, 0.08}, 0.7);
        cairo_fill(temple);
        cairo_restore(temple);
    }
    FogLayer(s, temple, 0.2);
    PaintCaustics(temple, 0, 150, SP_W, SP_H, 0.25, s.seed + 4);
    LayLayer(s, temple, 5, 7, 6, 0.45);
    // the statue's face lying in the light, the scene's heart
    cairo_t* head = BeginLayer();
    SoftGlow(head, 300, 300, 130, {0.75, 0.95, 1.0}, 0.35);
    double hx = 300, hy = 330;
    cairo_save(head);
    cairo_translate(head, hx, hy);
    cairo_rotate(head, -0.25);
    cairo_move_to(head, 0, -60);
    cairo_curve_to(head, 40, -60, 48, -20, 44, 10);
    cairo_curve_to(head, 40, 45, 20, 62, 0, 62);
    cairo_curve_to(head, -20, 62, -40, 45, -44, 10);
    cairo_curve_to(head, -48, -20, -40, -60, 0, -60);
    cairo_close_path(head);
    cairo_pattern_t* f = cairo_pattern_create_radial(-14, -20, 4, 0, 0, 70);
    AddStop(f, 0, Lighter(MARBLE, 0.45));
    AddStop(f, 0.6, MARBLE);
    AddStop(f, 1, Darker(MARBLE, 0.5));
    cairo_set_source(head, f);
    cairo_fill(head);
    cairo_pattern_destroy(f);
    for (int side = -1; side <= 1; side += 2) {   // closed eyes and brows
        cairo_move_to(head, side * 26, -4);
        cairo_curve_to(head, side * 20, 2, side * 10, 2, side * 6, -4);
        cairo_move_to(head, side * 30, -16);
        cairo_curve_to(head, side * 22, -22, side * 10, -22, side * 4, -16);
    }
    cairo_move_to(head, 0, -8);   // nose and lips
    cairo_line_to(head, -6, 20);
    cairo_line_to(head, 4, 22);
    cairo_move_to(head, -12, 36);
    cairo_curve_to(head, -4, 40, 4, 40, 12, 36);
    SetRgb(head, Darker(MARBLE, 0.55), 0.85);
    cairo_set_line_width(head, 2);
    cairo_stroke(head);
    for (int k = 0; k < 9; k++) {   // curls of stone hair
        cairo_arc(head, -36 + k * 9, -54 + std::fabs(k - 4) * 4, 7, 0, 2 * M_PI);
        SetRgb(head, Darker(MARBLE, 0.15 + (k % 2) * 0.12));
        cairo_fill(head);
    }
    cairo_move_to(head, 30, -40);   // a crack across the cheek
    cairo_line_to(head, 22, -10);
    cairo_line_to(head, 34, 18);
    SetRgb(head, Darker(MARBLE, 0.6), 0.7);
    cairo_set_line_width(head, 1.2);
    cairo_stroke(head);
    cairo_restore(head);
    DrawStarfish(head, 345, 372, 14, 0.7, {0.95, 0.4, 0.3});
    LayLayer(s, head, 6, 8, 7, 0.5);
    cairo_t* near = BeginLayer();
    DrawFish(near, 520, 180, 56, -1, 0.05, {0.6, 0.7, 0.75}, {0.4, 0.5, 0.55}, 2);
    DrawSchool(near, rnd, 560, 60, 60, 25, 12, 14, -1, {0.8, 0.85, 0.9}, {0.55, 0.6, 0.7});
    DrawSchool(near, rnd, 60, 55, 50, 30, 10, 13, 1, {0.95, 0.8, 0.45}, {0.85, 0.55, 0.3});
    DrawJelly(near, rnd, 30, 150, 12, {0.8, 0.7, 1.0}, 0.1);
    DrawFish(near, 150, 250, 40, 1, 0.0, {0.95, 0.7, 0.3}, {0.85, 0.4, 0.2}, 1);
    DrawOctopus(near, rnd, 610, 400, 60, {0.8, 0.35, 0.3});
    LayLayer(s, near, 8, 12, 7, 0.35);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 250, 250, 10, 3);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 100, {0.85, 0.97, 1.0}, 0.0, 0.45);
}

void PaintCliffsScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.5);
    SoftGlow(s.cr, 340, -40, 380, {0.45, 0.55, 0.9}, 0.45);
    PaintShafts(s.cr, rnd, 5, 340, 0.2, {0.6, 0.7, 1.0});
    const TRgb CLIFF = {0.28, 0.3, 0.42};
    cairo_t* far = BeginLayer();
    RockWall(far, 0, 250, s.seed + 1, {0.3, 0.35, 0.5});
    RockWall(far, 1, 250, s.seed + 2, {0.3, 0.35, 0.5});
    FogLayer(s, far, 0.6);
    LayLayer(s, far, 0, 0, 0, 0);
    // the manta gliding down the gap between the cliffs
    cairo_t* manta = BeginLayer();
    DrawRay(manta, 330, 200, 270, 0.15, {0.2, 0.22, 0.32}, {0.75, 0.8, 0.95});
    DrawSchool(manta, rnd, 330, 380, 90, 30, 20, 12, 1, {0.6, 0.65, 0.85}, {0.4, 0.45, 0.7});
    FogLayer(s, manta, 0.15);
    LayLayer(s, manta, 16, 30, 12, 0.3);
    // the near cliffs with their ledges of sponges and fans
    cairo_t* near = BeginLayer();
    RockWall(near, 0, 170, s.seed + 3, CLIFF);
    RockWall(near, 1, 160, s.seed + 4, Mix(CLIFF, {0.35, 0.25, 0.35}, 0.4));
    TextureLayer(near, 0.07, 0.22, s.seed + 12);
    const TRgb LIFE[4] = {{0.85, 0.5, 0.35}, {0.65, 0.45, 0.85}, {0.9, 0.75, 0.4}, {0.45, 0.75, 0.8}};
    for (int i = 0; i < 10; i++) {
        int side = i % 2;
        double y = 40 + i * 44 + rnd.Range(-10, 10);
        double d = (side ? 160 : 170) * (0.45 + 0.55 * FractalNoise(0.5 + (side ? 7 + 7 : 7), y * 0.012, 4, s.seed + 3 + side));
        double x = side ? SP_W - d + 10 : d - 10;
        TRgb c = LIFE[i % 4];
        switch (i % 4) {
            case 0: DrawFanCoral(near, rnd, x, y, 50, c); break;
            case 1: DrawTubeSponges(near, rnd, x, y, 45, c); break;
            case 2: DrawAnemone(near, rnd, x, y, 34, c); break;
            default: DrawBranchCoral(near, rnd, x, y, 50, c); break;
        }
    }
    PaintRidge(near, 470, 40, 0.01, s.seed + 5, Darker(CLIFF, 0.2));
    DrawTubeSponges(near, rnd, 300, 462, 50, {0.75, 0.5, 0.6});
    DrawUrchin(near, rnd, 380, 462, 10, {0.4, 0.3, 0.55});
    DrawSeaPen(near, 250, 470, 60, {0.6, 0.8, 1.0}, 0.12);
    DrawSeaPen(near, 420, 470, 50, {0.8, 0.6, 1.0}, 0.12);
    FogLayer(s, near, 0.15);
    LayLayer(s, near, 6, 8, 8, 0.45);
    cairo_t* fish = BeginLayer();
    DrawFish(fish, 200, 100, 40, 1, 0.1, {0.55, 0.6, 0.85}, {0.4, 0.45, 0.7}, 2);
    DrawFish(fish, 470, 300, 50, -1, -0.05, {0.75, 0.45, 0.55}, {0.6, 0.3, 0.4}, 3);
    DrawEel(fish, 120, 330, 120, 1, {0.35, 0.38, 0.3});
    DrawSchool(fish, rnd, 440, 55, 45, 25, 9, 12, -1, {0.7, 0.75, 0.95}, {0.5, 0.55, 0.8});
    DrawJelly(fish, rnd, 250, 40, 14, {0.75, 0.6, 1.0}, 0.2);
    LayLayer(s, fish, 6, 10, 6, 0.35);
    Finish(s, 140, {0.7, 0.85, 1.0}, 0.15, 0.5);
}

void PaintCavesScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.5);
    const TRgb CRYSTAL = {0.45, 0.95, 1.0}, CRYSTAL2 = {0.75, 0.5, 1.0};
    SoftGlow(s.cr, 330, 360, 300, CRYSTAL, 0.35);
    const TRgb ROCK = {0.22, 0.24, 0.3};
    // the cave: roof with stalactites, walls and floor around an opening
    cairo_t* cave = BeginLayer();
    RockWall(cave, 0, 150, s.seed + 1, ROCK);
    RockWall(cave, 1, 140, s.seed + 2, ROCK);
    cairo_move_to(cave, -10, -10);
    for (int x = -10; x <= SP_W + 10; x += 6) cairo_line_to(cave, x, 40 + 50 * FractalNoise(x * 0.01, 3.5, 4, s.seed + 3));
    cairo_line_to(cave, SP_W + 10, -10);
    cairo_close_path(cave);
    SetRgb(cave, ROCK);
    cairo_fill(cave);
    for (int i = 0; i < 16; i++) {   // stalactites
        double x = 20 + i * 40 + rnd.Range(-10, 10), top = 40 + 50 * FractalNoise(x * 0.01, 3.5, 4, s.seed + 3) - 4;
        double len = rnd.Range(30, 110), w = rnd.Range(10, 22);
        cairo_move_to(cave, x - w / 2, top);
        cairo_curve_to(cave, x - w / 3, top + len * 0.6, x - 2, top + len * 0.9, x, top + len);
        cairo_curve_to(cave, x + 2, top + len * 0.9, x + w / 3, top + len * 0.6, x + w / 2, top);
        cairo_close_path(cave);
        cairo_pattern_t* p = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
        AddStop(p, 0, Lighter(ROCK, 0.25));
        AddStop(p, 1, Darker(ROCK, 0.5));
        cairo_set_source(cave, p);
        cairo_fill(cave);
        cairo_pattern_destroy(p);
    }
    PaintRidge(cave, 430, 40, 0.012, s.seed + 4, ROCK);
    for (int i = 0; i < 8; i++) DrawRock(cave, rnd, rnd.Range(0, SP_W), rnd.Range(440, 470), rnd.Range(40, 90), rnd.Range(25, 40), Lighter(ROCK, 0.1));
    TextureLayer(cave, 0.07, 0.22, s.seed + 13);
    LayLayer(s, cave, 0, 0, 0, 0);
    // glow-worm threads hanging from the roof, each a different length and hue
    cairo_t* threads = BeginLayer();
    for (int i = 0; i < 14; i++) {
        double x = 30 + i * 44 + rnd.Range(-12, 12), top = 60 + 40 * FractalNoise(x * 0.01, 3.5, 4, s.seed + 3);
        double len = rnd.Range(30, 120);
        TRgb c = Mix(CRYSTAL, CRYSTAL2, (i % 3) / 2.0);
        cairo_move_to(threads, x, top);
        cairo_line_to(threads, x + rnd.Range(-3, 3), top + len);
        SetRgb(threads, c, 0.35);
        cairo_set_line_width(threads, 0.8);
        cairo_stroke(threads);
        for (double k = 10; k < len; k += rnd.Range(7, 14)) {
            SoftGlow(threads, x, top + k, 4, c, 0.8);
        }
    }
    LayLayer(s, threads, 0, 0, 0, 0);
    // the crystal light on the cave's rock
    cairo_t* light = BeginLayer();
    SoftGlow(light, 330, 400, 260, CRYSTAL, 0.25);
    SoftGlow(light, 120, 300, 120, CRYSTAL2, 0.2);
    SoftGlow(light, 560, 140, 110, CRYSTAL2, 0.18);
    cairo_set_operator(light, CAIRO_OPERATOR_ADD);
    LayLayer(s, light, 0, 0, 0, 0);
    // crystal clusters: the great one in the middle, small ones on the walls
    cairo_t* crystals = BeginLayer();
    auto cluster = [&](double x, double y, double size, TRgb c, int count) {
        SoftGlow(crystals, x, y - size * 0.4, size * 1.3, c, 0.4);
        for (int k = 0; k < count; k++) {
            double a = -M_PI / 2 + (k - (count - 1) / 2.0) * 0.28 + rnd.Range(-0.1, 0.1);
            double len = size * rnd.Range(0.5, 1.0) * (1 - std::fabs(k - (count - 1) / 2.0) / count), w = size * rnd.Range(0.09, 0.15);
            double ex = x + std::cos(a) * len, ey = y + std::sin(a) * len;
            double nx = -std::sin(a) * w, ny = std::cos(a) * w;
            cairo_move_to(crystals, x + nx, y + ny);
            cairo_line_to(crystals, ex + nx, ey + ny);
            cairo_line_to(crystals, ex + std::cos(a) * w * 1.5, ey + std::sin(a) * w * 1.5);
            cairo_line_to(crystals, ex - nx, ey - ny);
            cairo_line_to(crystals, x - nx, y - ny);
            cairo_close_path(crystals);
            cairo_pattern_t* p = cairo_pattern_create_linear(x + nx, y + ny, x - nx, y - ny);
            AddStop(p, 0, Lighter(c, 0.7), 0.95);
            AddStop(p, 0.5, c, 0.85);
            AddStop(p, 1, Darker(c, 0.5), 0.9);
            cairo_set_source(crystals, p);
            cairo_fill(crystals);
            cairo_pattern_destroy(p);
            cairo_move_to(crystals, x, y);
            cairo_line_to(crystals, ex + std::cos(a) * w * 1.5, ey + std::sin(a) * w * 1.5);
            cairo_set_source_rgba(crystals, 1, 1, 1, 0.6);
            cairo_set_line_width(crystals, 1.0);
            cairo_stroke(crystals);
        }
    };
    cluster(330, 440, 170, CRYSTAL, 9);
    cluster(250, 455, 80, CRYSTAL2, 5);
    cluster(420, 450, 90, CRYSTAL2, 6);
    cluster(80, 320, 60, CRYSTAL2, 5);
    cluster(580, 200, 55, CRYSTAL, 4);
    cluster(60, 120, 40, CRYSTAL, 4);
    cluster(575, 95, 45, {1.0, 0.6, 0.8}, 4);
    cluster(600, 420, 60, CRYSTAL, 5);
    LayLayer(s, crystals, 0, 0, 0, 0);
    // life in the cave: an eel at its hole, pale fish, glowing anemones
    cairo_t* life = BeginLayer();
    cairo_save(life);
    cairo_translate(life, 560, 300);
    cairo_scale(life, 1, 0.7);
    cairo_arc(life, 0, 0, 26, 0, 2 * M_PI);
    cairo_restore(life);
    cairo_set_source_rgb(life, 0.01, 0.01, 0.02);
    cairo_fill(life);
    DrawEel(life, 520, 300, 120, -1, {0.45, 0.5, 0.35});
    DrawFish(life, 200, 200, 48, 1, 0.05, {0.75, 0.8, 0.85}, {0.5, 0.6, 0.7}, 0);
    DrawFish(life, 420, 160, 36, -1, -0.1, {0.7, 0.75, 0.85}, {0.5, 0.55, 0.7}, 2);
    DrawFish(life, 320, 110, 28, 1, 0.1, {0.8, 0.6, 0.7}, {0.6, 0.4, 0.5}, 0);
    DrawJelly(life, rnd, 190, 300, 16, {0.6, 0.9, 1.0}, 0.3);
    DrawAnemone(life, rnd, 150, 450, 40, {0.95, 0.6, 0.85});
    DrawAnemone(life, rnd, 500, 455, 36, {0.6, 0.95, 0.85});
    DrawCrab(life, 200, 462, 28, {0.85, 0.5, 0.4});
    LayLayer(s, life, 5, 7, 5, 0.45);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 370, 330, 12, 3);
    DrawBubbles(air, rnd, 130, 250, 8, 2.5);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 120, {0.6, 0.95, 1.0}, 0.2, 0.45);
}
