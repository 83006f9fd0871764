// The pictures of the four sunlit stages: the reef with its turtle, the kelp
// forest, the seagrass meadow with its seahorse and the shipwreck's chest.
#include <cmath>

#include "stage_pictures.h"

namespace {

const TRgb SAND = {0.86, 0.78, 0.58};
const TRgb CORAL_PINK = {0.98, 0.45, 0.55}, CORAL_ORANGE = {1.0, 0.55, 0.25}, CORAL_VIOLET = {0.66, 0.42, 0.9};
const TRgb CORAL_GOLD = {0.95, 0.78, 0.35}, ROCK = {0.45, 0.44, 0.42};

// The finishing passes every scene shares: drifting motes and the vignette.
void Finish(TScene& s, double motes, double vignette) {
    DrawMotes(s.cr, s.rnd, static_cast<int>(motes), {0.85, 0.97, 1.0}, 0.35, 0.0);
    PaintVignette(s.cr, vignette);
}

}  // namespace

void PaintReefScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.35);
    PaintSurface(s, 110, 0.55);
    PaintShafts(s.cr, rnd, 7, 330, 0.35, {0.85, 1.0, 0.95});
    // far reef, faded into the blue
    cairo_t* far = BeginLayer();
    PaintRidge(far, 330, 90, 0.006, s.seed, {0.25, 0.45, 0.5});
    for (int i = 0; i < 9; i++) DrawBranchCoral(far, rnd, 20 + i * 75 + rnd.Range(-20, 20), 300 + rnd.Range(0, 30), 70, {0.55, 0.5, 0.6});
    for (int i = 0; i < 6; i++) DrawBrainCoral(far, rnd, rnd.Range(0, SP_W), 318 + rnd.Range(0, 15), 24, {0.5, 0.55, 0.5});
    FogLayer(s, far, 0.55);
    LayLayer(s, far, 0, 0, 0, 0);
    // a school far off above the reef
    cairo_t* school = BeginLayer();
    DrawSchool(school, rnd, 500, 120, 110, 45, 26, 16, -1, {0.95, 0.85, 0.3}, {0.9, 0.6, 0.2});
    DrawSchool(school, rnd, 120, 250, 70, 30, 12, 12, 1, {0.6, 0.8, 0.95}, {0.4, 0.6, 0.85});
    FogLayer(s, school, 0.25);
    LayLayer(s, school, 0, 0, 0, 0);
    // the reef itself on the sand
    cairo_t* reef = BeginLayer();
    PaintSeabed(s, reef, 390, 14, SAND, 0.25);
    DrawRock(reef, rnd, 110, 375, 210, 110, ROCK);
    DrawRock(reef, rnd, 520, 370, 230, 120, Mix(ROCK, {0.5, 0.4, 0.35}, 0.4));
    DrawRock(reef, rnd, 330, 420, 120, 60, ROCK);
    DrawBrainCoral(reef, rnd, 90, 335, 55, {0.85, 0.72, 0.45});
    DrawBranchCoral(reef, rnd, 180, 340, 120, CORAL_PINK);
    DrawFanCoral(reef, rnd, 30, 330, 110, CORAL_VIOLET);
    DrawBranchCoral(reef, rnd, 460, 325, 110, CORAL_ORANGE);
    DrawTubeSponges(reef, rnd, 590, 330, 90, {0.75, 0.45, 0.85});
    DrawBrainCoral(reef, rnd, 540, 322, 40, {0.6, 0.8, 0.55});
    DrawAnemone(reef, rnd, 340, 395, 80, {0.95, 0.7, 0.6});
    DrawFanCoral(reef, rnd, 410, 420, 70, CORAL_GOLD);
    DrawStarfish(reef, 250, 450, 16, 0.4, {0.95, 0.35, 0.3});
    DrawShell(reef, 420, 462, 16, -0.3, {0.95, 0.85, 0.8});
    DrawShell(reef, 610, 455, 12, 0.5, {0.9, 0.7, 0.6});
    DrawStarfish(reef, 620, 410, 12, 1.0, {0.98, 0.6, 0.3});
    DrawPebbles(reef, rnd, 0, SP_W, 455, 26, SAND);
    FogLayer(s, reef, 0.08);
    PaintCaustics(reef, 0, 300, SP_W, SP_H, 0.35, s.seed + 3);
    LayLayer(s, reef, 4, 6, 6, 0.45);
    // clownfish at the anemone and the focal turtle gliding over the reef
    cairo_t* near = BeginLayer();
    DrawFish(near, 312, 360, 34, 1, -0.1, {1.0, 0.5, 0.15}, {0.95, 0.4, 0.1}, 1);
    DrawFish(near, 375, 378, 28, -1, 0.1, {1.0, 0.5, 0.15}, {0.95, 0.4, 0.1}, 1);
    DrawFish(near, 560, 230, 50, -1, 0.05, {0.3, 0.5, 0.95}, {0.95, 0.85, 0.25}, 3);
    DrawFish(near, 80, 150, 40, 1, -0.1, {0.95, 0.9, 0.4}, {0.2, 0.2, 0.25}, 1);
    DrawTurtle(near, 300, 200, 200, -0.18);
    LayLayer(s, near, 10, 18, 9, 0.35);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 600, 320, 12, 4);
    DrawBubbles(air, rnd, 40, 300, 10, 3);
    DrawBubbles(air, rnd, 420, 160, 6, 3);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 70, 0.35);
}

void PaintKelpScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.4);
    PaintSurface(s, 80, 0.45);
    PaintShafts(s.cr, rnd, 8, 300, 0.32, {0.9, 1.0, 0.8});
    const TRgb KELP = {0.62, 0.55, 0.2};
    cairo_t* far = BeginLayer();
    PaintRidge(far, 420, 60, 0.01, s.seed, {0.2, 0.35, 0.3});
    for (int i = 0; i < 10; i++) DrawKelp(far, rnd, 10 + i * 68 + rnd.Range(-15, 15), 470, rnd.Range(330, 470), 12, {0.4, 0.5, 0.3});
    FogLayer(s, far, 0.62);
    LayLayer(s, far, 0, 0, 0, 0);
    cairo_t* fish = BeginLayer();
    DrawSchool(fish, rnd, 420, 190, 120, 55, 34, 14, -1, {0.8, 0.85, 0.9}, {0.55, 0.6, 0.7});
    FogLayer(s, fish, 0.35);
    LayLayer(s, fish, 0, 0, 0, 0);
    cairo_t* mid = BeginLayer();
    for (int i = 0; i < 6; i++) DrawKelp(mid, rnd, 40 + i * 110 + rnd.Range(-20, 20), 480, rnd.Range(380, 500), 15, Mix(KELP, {0.35, 0.45, 0.25}, 0.4));
    FogLayer(s, mid, 0.3);
    LayLayer(s, mid, 3, 5, 5, 0.3);
    // the rocky floor with urchins and stars
    cairo_t* floor = BeginLayer();
    PaintSeabed(s, floor, 420, 10, {0.6, 0.58, 0.45}, 0.35);
    DrawRock(floor, rnd, 90, 430, 200, 100, {0.42, 0.42, 0.4});
    DrawRock(floor, rnd, 330, 450, 160, 70, {0.48, 0.44, 0.4});
    DrawRock(floor, rnd, 560, 425, 190, 110, {0.4, 0.42, 0.42});
    DrawUrchin(floor, rnd, 60, 392, 14, {0.45, 0.2, 0.5});
    DrawUrchin(floor, rnd, 130, 398, 11, {0.5, 0.22, 0.55});
    DrawUrchin(floor, rnd, 600, 380, 13, {0.42, 0.18, 0.48});
    DrawStarfish(floor, 360, 430, 18, 0.3, {0.98, 0.45, 0.2});
    DrawStarfish(floor, 520, 395, 13, 1.2, {0.85, 0.3, 0.5});
    DrawAnemone(floor, rnd, 250, 430, 50, {0.9, 0.9, 0.85});
    DrawTubeSponges(floor, rnd, 470, 440, 60, {0.95, 0.6, 0.3});
    DrawShell(floor, 430, 466, 14, 0.2, {0.9, 0.8, 0.7});
    FogLayer(s, floor, 0.1);
    PaintCaustics(floor, 0, 380, SP_W, SP_H, 0.3, s.seed + 5);
    LayLayer(s, floor, 4, 6, 5, 0.4);
    // the focal garibaldi among the near stipes
    cairo_t* near = BeginLayer();
    DrawFish(near, 330, 250, 110, 1, -0.08, {1.0, 0.48, 0.1}, {1.0, 0.4, 0.08}, 0);
    DrawFish(near, 180, 120, 40, -1, 0.1, {0.5, 0.6, 0.65}, {0.35, 0.45, 0.5}, 2);
    DrawFish(near, 520, 330, 46, -1, 0.0, {0.75, 0.55, 0.35}, {0.6, 0.4, 0.25}, 2);
    DrawKelp(near, rnd, 20, 490, 500, 20, KELP);
    DrawKelp(near, rnd, 615, 490, 490, 20, KELP);
    DrawKelp(near, rnd, 470, 490, 470, 18, Lighter(KELP, 0.1));
    LayLayer(s, near, 8, 12, 8, 0.35);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 300, 440, 14, 3.5);
    DrawBubbles(air, rnd, 560, 260, 7, 3);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 90, 0.4);
}

void PaintMeadowScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.35);
    PaintSurface(s, 90, 0.5);
    PaintShafts(s.cr, rnd, 7, 420, 0.3, {0.85, 1.0, 0.9});
    const TRgb GRASS = {0.35, 0.68, 0.3};
    cairo_t* far = BeginLayer();
    PaintRidge(far, 270, 60, 0.005, s.seed, {0.3, 0.5, 0.45});
    for (int i = 0; i < 40; i++) DrawSeagrass(far, rnd, rnd.Range(0, SP_W), 275 + rnd.Range(-10, 20), 45, {0.35, 0.55, 0.35});
    FogLayer(s, far, 0.55);
    LayLayer(s, far, 0, 0, 0, 0);
    // the ray gliding high over the meadow
    cairo_t* ray = BeginLayer();
    DrawRay(ray, 160, 110, 220, -0.2, {0.45, 0.42, 0.38}, {0.85, 0.85, 0.8});
    DrawSchool(ray, rnd, 520, 90, 80, 30, 16, 12, -1, {0.85, 0.9, 0.95}, {0.6, 0.7, 0.8});
    FogLayer(s, ray, 0.2);
    LayLayer(s, ray, 14, 40, 10, 0.25);
    cairo_t* meadow = BeginLayer();
    PaintSeabed(s, meadow, 300, 12, SAND, 0.3);
    for (int i = 0; i < 34; i++) {
        double x = rnd.Range(-10, SP_W + 10), y = 300 + rnd.Range(5, 60);
        DrawSeagrass(meadow, rnd, x, y, 70 + (y - 300), Mix(GRASS, {0.5, 0.6, 0.3}, rnd.Unit() * 0.5));
    }
    DrawRock(meadow, rnd, 560, 395, 120, 60, {0.55, 0.5, 0.45});
    DrawShell(meadow, 90, 440, 20, 0.3, {0.98, 0.8, 0.75});
    DrawShell(meadow, 470, 452, 15, -0.5, {0.95, 0.9, 0.85});
    DrawStarfish(meadow, 250, 445, 22, 0.6, {0.95, 0.5, 0.25});
    DrawStarfish(meadow, 600, 450, 15, 0.1, {0.85, 0.3, 0.35});
    DrawCrab(meadow, 380, 455, 36, {0.9, 0.45, 0.3});
    DrawPebbles(meadow, rnd, 0, SP_W, 465, 20, SAND);
    FogLayer(s, meadow, 0.06);
    PaintCaustics(meadow, 0, 290, SP_W, SP_H, 0.35, s.seed + 9);
    LayLayer(s, meadow, 4, 6, 5, 0.4);
    // tall near blades framing the seahorse, the scene's heart
    cairo_t* near = BeginLayer();
    for (int i = 0; i < 9; i++) {
        double x = (i < 5) ? rnd.Range(-10, 200) : rnd.Range(440, SP_W + 10);
        DrawSeagrass(near, rnd, x, 490, rnd.Range(200, 330), GRASS);
    }
    DrawSeagrass(near, rnd, 290, 490, 260, Lighter(GRASS, 0.1));
    DrawSeahorse(near, 340, 250, 190, {0.98, 0.68, 0.25});
    DrawFish(near, 520, 200, 44, -1, 0.1, {0.4, 0.75, 0.9}, {0.3, 0.55, 0.8}, 3);
    DrawFish(near, 110, 300, 36, 1, -0.05, {0.95, 0.75, 0.5}, {0.8, 0.5, 0.3}, 2);
    DrawSchool(near, rnd, 60, 200, 45, 25, 9, 13, 1, {0.95, 0.85, 0.4}, {0.9, 0.6, 0.25});
    LayLayer(s, near, 7, 10, 7, 0.35);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 405, 300, 10, 3);
    DrawBubbles(air, rnd, 600, 360, 12, 3);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 80, 0.35);
}

void PaintWreckScene(TScene& s) {
    TRandom& rnd = s.rnd;
    PaintWater(s, 0.45);
    PaintSurface(s, 60, 0.3);
    PaintShafts(s.cr, rnd, 6, 280, 0.28, {0.8, 0.95, 1.0});
    const TRgb WOOD = {0.45, 0.33, 0.22};
    cairo_t* far = BeginLayer();
    PaintRidge(far, 330, 70, 0.006, s.seed, {0.2, 0.35, 0.4});
    DrawSchool(far, rnd, 150, 120, 100, 40, 20, 14, 1, {0.7, 0.8, 0.85}, {0.5, 0.6, 0.7});
    FogLayer(s, far, 0.6);
    LayLayer(s, far, 0, 0, 0, 0);
    // the wreck: a tilted hull of planks, portholes, the broken mast and sail
    cairo_t* ship = BeginLayer();
    PaintSeabed(s, ship, 400, 12, {0.62, 0.58, 0.45}, 0.4);
    cairo_save(ship);
    cairo_translate(ship, 330, 330);
    cairo_rotate(ship, -0.1);
    cairo_move_to(ship, -300, -70);
    cairo_line_to(ship, 280, -90);
    cairo_curve_to(ship, 310, -50, 290, 30, 240, 80);
    cairo_line_to(ship, -260, 95);
    cairo_curve_to(ship, -300, 50, -310, 0, -300, -70);
    cairo_close_path(ship);
    cairo_pattern_t* hull = cairo_pattern_create_linear(0, -90, 0, 95);
    AddStop(hull, 0, Lighter(WOOD, 0.25));
    AddStop(hull, 0.5, WOOD);
    AddStop(hull, 1, Darker(WOOD, 0.6));
    cairo_set_source(ship, hull);
    cairo_fill_preserve(ship);
    cairo_pattern_destroy(hull);
    cairo_save(ship);
    cairo_clip(ship);
    for (int k = 0; k < 9; k++) {   // planks
        double y = -80 + k * 20;
        cairo_move_to(ship, -320, y + 6);
        cairo_curve_to(ship, -100, y, 100, y - 8, 320, y - 14);
    }
    SetRgb(ship, Darker(WOOD, 0.6), 0.7);
    cairo_set_line_width(ship, 1.8);
    cairo_stroke(ship);
    for (int k = 0; k < 14; k++) {   // rivets and barnacles
        cairo_arc(ship, -270 + k * 40 + rnd.Range(-6, 6), rnd.Range(-70, 80), rnd.Range(1.5, 4), 0, 2 * M_PI);
        SetRgb(ship, {0.85, 0.85, 0.78}, 0.7);
        cairo_fill(ship);
    }
    cairo_move_to(ship, 120, -90);   // the broken hole in the side
    cairo_line_to(ship, 150, -40);
    cairo_line_to(ship, 130, 0);
    cairo_line_to(ship, 175, 30);
    cairo_line_to(ship, 210, -10);
    cairo_line_to(ship, 200, -90);
    cairo_close_path(ship);
    cairo_set_source_rgba(ship, 0.03, 0.05, 0.08, 0.9);
    cairo_fill(ship);
    cairo_restore(ship);
    for (int k = 0; k < 5; k++) {
        double px = -230 + k * 70, py = -32 - k * 2;
        cairo_arc(ship, px, py, 13, 0, 2 * M_PI);
        SetRgb(ship, {0.7, 0.55, 0.25});
        cairo_set_line_width(ship, 4);
        cairo_stroke_preserve(ship);
        cairo_set_source_rgba(ship, 0.55, 0.85, 0.85, 0.5);
        cairo_fill(ship);
    }
    // the deck rail along the top
    for (int k = 0; k < 14; k++) {
        double px = -290 + k * 42;
        cairo_rectangle(ship, px, -70 - (px + 300) * 0.035 - 26, 5, 26);
    }
    cairo_rectangle(ship, -295, -70 - 30, 590, 6);
    SetRgb(ship, Darker(WOOD, 0.15));
    cairo_fill(ship);
    // mast, yard and the torn sail
    cairo_rectangle(ship, -90, -420, 16, 330);
    cairo_rectangle(ship, -200, -360, 230, 10);
    SetRgb(ship, Darker(WOOD, 0.1));
    cairo_fill(ship);
    cairo_move_to(ship, -190, -350);
    cairo_line_to(ship, 25, -350);
    cairo_curve_to(ship, 10, -300, 30, -260, 0, -220);
    cairo_line_to(ship, -30, -245);
    cairo_line_to(ship, -70, -215);
    cairo_curve_to(ship, -120, -260, -150, -230, -180, -250);
    cairo_close_path(ship);
    cairo_set_source_rgba(ship, 0.85, 0.8, 0.65, 0.55);
    cairo_fill(ship);
    cairo_move_to(ship, -82, -420);   // ropes
    cairo_line_to(ship, 270, -95);
    cairo_move_to(ship, -82, -400);
    cairo_line_to(ship, -290, -100);
    SetRgb(ship, {0.55, 0.48, 0.35}, 0.8);
    cairo_set_line_width(ship, 1.5);
    cairo_stroke(ship);
    cairo_restore(ship);
    // the sand the hull has sunk into, drifted against its side
    const TRgb WRECK_SAND = {0.62, 0.58, 0.45};
    cairo_move_to(ship, -5, SP_H + 5);
    for (int x = -5; x <= SP_W + 5; x += 6)
        cairo_line_to(ship, x, 418 + 18 * std::sin(x * 0.012 + 1.0) - 10 * FractalNoise(x * 0.03, 7.5, 3, s.seed));
    cairo_line_to(ship, SP_W + 5, SP_H + 5);
    cairo_close_path(ship);
    cairo_pattern_t* drift = cairo_pattern_create_linear(0, 395, 0, SP_H);
    AddStop(drift, 0, Lighter(WRECK_SAND, 0.1));
    AddStop(drift, 1, Darker(WRECK_SAND, 0.45));
    cairo_set_source(ship, drift);
    cairo_fill(ship);
    cairo_pattern_destroy(drift);
    DrawPebbles(ship, rnd, 0, SP_W, 450, 24, WRECK_SAND);
    DrawAnemone(ship, rnd, 80, 420, 48, {0.95, 0.55, 0.6});
    DrawTubeSponges(ship, rnd, 560, 425, 60, {0.8, 0.55, 0.35});
    DrawFanCoral(ship, rnd, 615, 440, 60, {0.9, 0.45, 0.5});
    FogLayer(s, ship, 0.15);
    PaintCaustics(ship, 0, 200, SP_W, SP_H, 0.15, s.seed + 2);
    LayLayer(s, ship, 6, 8, 7, 0.45);
    // the chest spilling gold, the picture's bright heart
    cairo_t* chest = BeginLayer();
    double cx = 300, cy = 420;
    SoftGlow(chest, cx, cy - 30, 150, {1.0, 0.85, 0.4}, 0.6);
    cairo_rectangle(chest, cx - 55, cy - 30, 110, 55);
    cairo_pattern_t* box = cairo_pattern_create_linear(0, cy - 30, 0, cy + 25);
    AddStop(box, 0, {0.55, 0.35, 0.18});
    AddStop(box, 1, {0.3, 0.18, 0.1});
    cairo_set_source(chest, box);
    cairo_fill(chest);
    cairo_pattern_destroy(box);
    cairo_move_to(chest, cx - 55, cy - 30);   // the lid thrown open
    cairo_line_to(chest, cx - 45, cy - 80);
    cairo_curve_to(chest, cx - 10, cy - 95, cx + 30, cy - 95, cx + 62, cy - 78);
    cairo_line_to(chest, cx + 55, cy - 30);
    cairo_close_path(chest);
    SetRgb(chest, {0.42, 0.26, 0.14});
    cairo_fill(chest);
    for (int k = 0; k < 3; k++) {   // iron bands
        cairo_rectangle(chest, cx - 45 + k * 40, cy - 30, 8, 55);
    }
    SetRgb(chest, {0.35, 0.35, 0.38});
    cairo_fill(chest);
    for (int k = 0; k < 40; k++) {   // coins heaped and spilled
        double a = rnd.Range(M_PI, 2 * M_PI), d = rnd.Range(0, 1);
        double x = k < 26 ? cx + std::cos(a) * 50 * d : cx + rnd.Range(-110, 110);
        double y = k < 26 ? cy - 30 + std::sin(a) * 22 * d : cy + rnd.Range(18, 45);
        cairo_save(chest);
        cairo_translate(chest, x, y);
        cairo_scale(chest, 1.0, 0.55);
        cairo_arc(chest, 0, 0, rnd.Range(4, 6.5), 0, 2 * M_PI);
        cairo_restore(chest);
        SetRgb(chest, Mix({1.0, 0.8, 0.25}, {0.85, 0.6, 0.15}, rnd.Unit()));
        cairo_fill_preserve(chest);
        SetRgb(chest, {0.55, 0.38, 0.1});
        cairo_set_line_width(chest, 0.8);
        cairo_stroke(chest);
    }
    for (int k = 0; k < 4; k++) {   // jewels
        cairo_arc(chest, cx - 30 + k * 20, cy - 40 + (k % 2) * 6, 4, 0, 2 * M_PI);
        SetRgb(chest, EFFECT_COLOURS[(k % 3) * 3 + 1 + (k == 3)]);
        cairo_fill(chest);
    }
    LayLayer(s, chest, 4, 6, 5, 0.5);
    cairo_t* near = BeginLayer();
    DrawFish(near, 470, 150, 60, -1, 0.1, {0.55, 0.6, 0.7}, {0.35, 0.4, 0.5}, 2);
    DrawFish(near, 560, 250, 40, -1, 0.0, {0.9, 0.8, 0.3}, {0.3, 0.3, 0.35}, 1);
    DrawEel(near, 440, 275, 140, 1, {0.35, 0.45, 0.25});
    DrawSchool(near, rnd, 580, 60, 45, 30, 10, 13, -1, {0.85, 0.9, 0.95}, {0.6, 0.65, 0.75});
    DrawFish(near, 60, 200, 34, 1, 0.05, {0.95, 0.55, 0.3}, {0.8, 0.35, 0.2}, 0);
    DrawCrab(near, 560, 455, 34, {0.8, 0.35, 0.25});
    LayLayer(s, near, 8, 12, 7, 0.35);
    cairo_t* air = BeginLayer();
    DrawBubbles(air, rnd, 350, 250, 12, 3.5);
    DrawBubbles(air, rnd, 150, 330, 8, 3);
    LayLayer(s, air, 0, 0, 0, 0);
    Finish(s, 90, 0.45);
}
