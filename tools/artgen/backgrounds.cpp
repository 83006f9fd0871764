// Backgrounds ("data/bg/", JPEG 1024 x 768): the loading screen, the menu, and
// one underwater place per stage, each deeper and darker than the one before:
// sunny reef, kelp forest, seagrass meadow, shipwreck, coral arches, sunken
// ruins, twilight cliffs, caves, jellyfish drift, trench walls, vents, abyss.
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const int W = 1024, H = 768;
const int JPEG_QUALITY = 88;

enum TScene {
    SCENE_REEF, SCENE_KELP, SCENE_MEADOW, SCENE_WRECK, SCENE_ARCHES, SCENE_RUINS,
    SCENE_CLIFFS, SCENE_CAVES, SCENE_JELLIES, SCENE_TRENCH, SCENE_VENTS, SCENE_ABYSS, SCENE_OPEN
};

struct TBackground {
    const char* file;
    TScene scene;
    double depth;   // 0 sunlit shallows .. 1 the abyss
    uint32_t seed;
};

const TBackground BACKGROUNDS[] = {
    {"data/bg/loadbg.jpg", SCENE_OPEN, 0.25, 11},
    {"data/bg/menubgalt.jpg", SCENE_REEF, 0.1, 12},
    {"data/bg/bg1.jpg", SCENE_REEF, 0.0, 101},
    {"data/bg/bg2.jpg", SCENE_KELP, 0.08, 102},
    {"data/bg/bg3.jpg", SCENE_MEADOW, 0.16, 103},
    {"data/bg/bg4.jpg", SCENE_WRECK, 0.25, 104},
    {"data/bg/bg5.jpg", SCENE_ARCHES, 0.33, 105},
    {"data/bg/bg6.jpg", SCENE_RUINS, 0.42, 106},
    {"data/bg/bg7.jpg", SCENE_CLIFFS, 0.5, 107},
    {"data/bg/bg8.jpg", SCENE_CAVES, 0.6, 108},
    {"data/bg/bg9.jpg", SCENE_JELLIES, 0.7, 109},
    {"data/bg/bg10.jpg", SCENE_TRENCH, 0.8, 110},
    {"data/bg/bg11.jpg", SCENE_VENTS, 0.9, 111},
    {"data/bg/bg12.jpg", SCENE_ABYSS, 1.0, 112},
};

// Water: a vertical gradient from the lit surface to the depth, with soft
// drifting murk; deeper places are darker and bluer.
void PaintWater(cairo_surface_t* s, double depth, uint32_t seed) {
    TRgb top = Mix({0.25, 0.72, 0.85}, {0.03, 0.10, 0.22}, depth);
    TRgb bottom = Mix({0.04, 0.28, 0.45}, {0.0, 0.01, 0.05}, std::pow(depth, 0.8));
    PaintMurkyWater(s, top, bottom, 0.9, seed);
}

// Light falling in from the surface: soft slanted shafts, fading with depth.
void PaintRays(cairo_t* cr, double depth, TRandom& rnd) {
    double strength = 0.22 * (1.0 - depth) + 0.02;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 9; i++) {
        double x = rnd.Range(-100, W + 100), w = rnd.Range(30, 110), lean = rnd.Range(80, 260);
        LightShaft(cr, x, -10, w, w * 2.2, lean, H * 0.9, {0.75, 0.95, 1.0}, strength * rnd.Range(0.5, 1.0));
    }
    cairo_restore(cr);
}

// Silhouette colour of the far (layer 0) and near (layer 1) scenery.
TRgb SceneryColour(double depth, int layer, TRgb tint) {
    TRgb far = Mix({0.12, 0.42, 0.55}, {0.02, 0.06, 0.14}, depth);
    TRgb near = Mix({0.05, 0.22, 0.32}, {0.01, 0.02, 0.06}, depth);
    return Mix(layer ? near : far, tint, layer ? 0.35 : 0.15);
}

// A ragged ridge along the bottom of the picture.
void Ridge(cairo_t* cr, double base, double amplitude, double scale, uint32_t seed, TRgb c) {
    cairo_move_to(cr, 0, H);
    for (int x = 0; x <= W; x += 8) cairo_line_to(cr, x, base - amplitude * FractalNoise(x * scale, 0.5, 4, seed));
    cairo_line_to(cr, W, H);
    cairo_close_path(cr);
    SetRgb(cr, c);
    cairo_fill(cr);
}

void CoralHeads(cairo_t* cr, double depth, TRandom& rnd, int count, double baseY) {
    const TRgb CORALS[4] = {{0.95, 0.45, 0.5}, {1.0, 0.65, 0.3}, {0.75, 0.45, 0.9}, {0.95, 0.85, 0.45}};
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(0, W), y = baseY + rnd.Range(-20, 60), r = rnd.Range(18, 46);
        TRgb c = Mix(CORALS[i % 4], {0.05, 0.12, 0.25}, 0.35 + depth * 0.5);
        for (int b = 0; b < 6; b++) {
            double a = -M_PI / 2 + rnd.Range(-1.1, 1.1);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + r * 1.6 * cos(a), y + r * 1.6 * sin(a));
            SetRgb(cr, c);
            cairo_set_line_width(cr, rnd.Range(6, 12));
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
        cairo_arc(cr, x, y, r * 0.7, M_PI, 2 * M_PI);
        SetRgb(cr, Darker(c, 0.2));
        cairo_fill(cr);
    }
}

void Kelp(cairo_t* cr, double depth, TRandom& rnd, int count, int layer) {
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(-20, W + 20), height = rnd.Range(H * 0.4, H * 1.0), sway = rnd.Range(-80, 80);
        TRgb c = SceneryColour(depth, layer, {0.25, 0.5, 0.2});
        cairo_move_to(cr, x, H + 10);
        cairo_curve_to(cr, x + sway, H - height * 0.35, x - sway, H - height * 0.7, x + sway * 0.5, H - height);
        SetRgb(cr, c);
        cairo_set_line_width(cr, layer ? rnd.Range(10, 16) : rnd.Range(6, 10));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        for (int l = 1; l < 9; l++) {   // blades
            double t = l / 9.0;
            double bx = x + sway * (t < 0.5 ? t * 2 : 2 - t * 2) * 0.7, by = H - height * t;
            double side = (l % 2) ? 1 : -1;
            cairo_move_to(cr, bx, by);
            cairo_curve_to(cr, bx + side * 25, by - 10, bx + side * 40, by - 30, bx + side * 30, by - 50);
            cairo_set_line_width(cr, layer ? 8 : 5);
            cairo_stroke(cr);
        }
    }
}

void Wreck(cairo_t* cr, double depth) {
    TRgb c = SceneryColour(depth, 1, {0.3, 0.22, 0.15});
    cairo_save(cr);
    cairo_translate(cr, 600, 620);
    cairo_rotate(cr, -0.12);
    cairo_move_to(cr, -330, -40);
    cairo_line_to(cr, 300, -70);
    cairo_curve_to(cr, 330, -40, 300, 40, 250, 70);
    cairo_line_to(cr, -280, 90);
    cairo_curve_to(cr, -320, 40, -330, 0, -330, -40);
    cairo_close_path(cr);
    SetRgb(cr, c);
    cairo_fill(cr);
    cairo_rectangle(cr, -60, -330, 16, 270);   // the broken mast
    cairo_rectangle(cr, -150, -250, 190, 10);
    SetRgb(cr, c);
    cairo_fill(cr);
    for (int i = 0; i < 5; i++) {   // portholes catching light
        cairo_arc(cr, -220 + i * 100, 5 - i * 4, 11, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.6, 0.85, 0.9, 0.25 * (1 - depth));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Arches(cairo_t* cr, double depth, TRandom& rnd) {
    for (int i = 0; i < 3; i++) {
        double x = 120 + i * 330 + rnd.Range(-40, 40), w = rnd.Range(200, 280), h = rnd.Range(280, 420);
        TRgb c = SceneryColour(depth, i == 1, {0.45, 0.3, 0.35});
        cairo_move_to(cr, x - w / 2, H);
        cairo_curve_to(cr, x - w / 2, H - h * 1.3, x + w / 2, H - h * 1.3, x + w / 2, H);
        cairo_line_to(cr, x + w / 2 - 50, H);
        cairo_curve_to(cr, x + w / 2 - 50, H - h * 0.95, x - w / 2 + 50, H - h * 0.95, x - w / 2 + 50, H);
        cairo_close_path(cr);
        SetRgb(cr, c);
        cairo_fill(cr);
    }
}

void Ruins(cairo_t* cr, double depth, TRandom& rnd) {
    TRgb c = SceneryColour(depth, 0, {0.4, 0.4, 0.35});
    TRgb n = SceneryColour(depth, 1, {0.4, 0.4, 0.35});
    for (int i = 0; i < 7; i++) {
        double x = 60 + i * 150 + rnd.Range(-20, 20), h = rnd.Range(180, 480);
        bool near = i % 3 == 1;
        cairo_rectangle(cr, x, H - h, 44, h);
        cairo_rectangle(cr, x - 8, H - h - 16, 60, 18);
        SetRgb(cr, near ? n : c);
        cairo_fill(cr);
        for (int f = 1; f < 4; f++) {
            cairo_move_to(cr, x + f * 11, H - h + 4);
            cairo_line_to(cr, x + f * 11, H);
        }
        cairo_set_source_rgba(cr, 0, 0, 0, 0.2);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, 200, H - 500, 330, 22);   // a fallen lintel
    SetRgb(cr, c);
    cairo_fill(cr);
}

void SideWalls(cairo_t* cr, double depth, uint32_t seed, double reach) {
    for (int side = 0; side < 2; side++) {
        TRgb c = SceneryColour(depth, 1, {0.1, 0.1, 0.2});
        cairo_move_to(cr, side ? W : 0, -10);
        for (int y = -10; y <= H + 10; y += 8) {
            double d = reach * (0.55 + 0.45 * FractalNoise(0.5 + side * 7, y * 0.006, 4, seed));
            cairo_line_to(cr, side ? W - d : d, y);
        }
        cairo_line_to(cr, side ? W : 0, H + 10);
        cairo_close_path(cr);
        SetRgb(cr, c);
        cairo_fill(cr);
    }
}

void Jellies(cairo_t* cr, double depth, TRandom& rnd) {
    for (int i = 0; i < 9; i++) {
        double x = rnd.Range(40, W - 40), y = rnd.Range(60, H - 260), r = rnd.Range(14, 40);
        TRgb c = Mix({0.8, 0.5, 1.0}, {0.4, 0.9, 1.0}, rnd.Unit());
        SoftGlow(cr, x, y, r * 2.5, c, 0.18 * (0.5 + depth * 0.5));
        cairo_arc(cr, x, y, r, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        SetRgb(cr, c, 0.35);
        cairo_fill(cr);
        for (int t = 0; t < 5; t++) {
            double tx = x - r * 0.7 + t * r * 0.35;
            cairo_move_to(cr, tx, y);
            cairo_curve_to(cr, tx - 8, y + r, tx + 8, y + r * 2, tx, y + r * 3);
            SetRgb(cr, c, 0.25);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
}

void Vents(cairo_t* cr, double depth, TRandom& rnd) {
    for (int i = 0; i < 4; i++) {
        double x = 120 + i * 260 + rnd.Range(-40, 40), h = rnd.Range(120, 260);
        SoftGlow(cr, x, H - h, 90, {1.0, 0.45, 0.15}, 0.35);
        cairo_move_to(cr, x - 50, H);
        cairo_line_to(cr, x - 16, H - h);
        cairo_line_to(cr, x + 16, H - h);
        cairo_line_to(cr, x + 50, H);
        cairo_close_path(cr);
        SetRgb(cr, SceneryColour(depth, 1, {0.2, 0.1, 0.05}));
        cairo_fill(cr);
        for (int p = 0; p < 6; p++) {   // rising plume
            double py = H - h - p * 45;
            SoftGlow(cr, x + std::sin(p * 1.3 + i) * 18, py, 30 + p * 10, {0.35, 0.35, 0.4}, 0.12);
        }
    }
}

// Motes and distant lights: plankton in the shallows, glowing specks in the deep.
void Motes(cairo_t* cr, double depth, TRandom& rnd) {
    int count = 160 + static_cast<int>(depth * 140);
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(0, W), y = rnd.Range(0, H), r = rnd.Range(0.6, 2.2);
        bool glow = depth > 0.55 && rnd.Unit() < 0.25;
        TRgb c = glow ? Mix({0.4, 0.9, 1.0}, {0.8, 0.6, 1.0}, rnd.Unit()) : TRgb{0.8, 0.95, 1.0};
        if (glow) SoftGlow(cr, x, y, r * 5, c, 0.35);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        SetRgb(cr, c, glow ? 0.9 : 0.25 * (1.2 - depth));
        cairo_fill(cr);
    }
}

void Bubbles(cairo_t* cr, TRandom& rnd) {
    for (int column = 0; column < 5; column++) {
        double x = rnd.Range(30, W - 30);
        for (int i = 0; i < 12; i++) {
            double y = H - i * rnd.Range(30, 60), r = rnd.Range(2, 7);
            double bx = x + std::sin(i * 0.8 + column) * 10;
            cairo_arc(cr, bx, y, r, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.85, 0.97, 1.0, 0.35);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            cairo_arc(cr, bx - r * 0.3, y - r * 0.3, r * 0.25, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
            cairo_fill(cr);
        }
    }
}

void MakeBackground(const TBackground& bg) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    PaintWater(s, bg.depth, bg.seed);
    cairo_t* cr = cairo_create(s);
    TRandom rnd(bg.seed);
    PaintRays(cr, bg.depth, rnd);
    double d = bg.depth;
    switch (bg.scene) {
        case SCENE_REEF:
            Ridge(cr, H - 120, 140, 0.004, bg.seed, SceneryColour(d, 0, {0.3, 0.5, 0.5}));
            CoralHeads(cr, d, rnd, 16, H - 90);
            Ridge(cr, H - 20, 70, 0.008, bg.seed + 1, Mix({0.75, 0.7, 0.5}, {0.1, 0.15, 0.2}, 0.45));
            break;
        case SCENE_KELP:
            Kelp(cr, d, rnd, 14, 0);
            Ridge(cr, H - 40, 80, 0.006, bg.seed, SceneryColour(d, 1, {0.3, 0.3, 0.2}));
            Kelp(cr, d, rnd, 6, 1);
            break;
        case SCENE_MEADOW:
            Ridge(cr, H - 160, 90, 0.003, bg.seed, SceneryColour(d, 0, {0.3, 0.4, 0.3}));
            Ridge(cr, H - 30, 60, 0.01, bg.seed + 1, Mix({0.6, 0.6, 0.45}, {0.05, 0.12, 0.2}, 0.55));
            for (int i = 0; i < 240; i++) {
                double x = rnd.Range(0, W), hgt = rnd.Range(40, 140);
                cairo_move_to(cr, x, H);
                cairo_curve_to(cr, x + 5, H - hgt * 0.5, x - 10, H - hgt * 0.8, x + rnd.Range(-20, 20), H - hgt);
                SetRgb(cr, SceneryColour(d, 1, {0.25, 0.6, 0.25}));
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
            }
            break;
        case SCENE_WRECK:
            Ridge(cr, H - 150, 100, 0.004, bg.seed, SceneryColour(d, 0, {0.2, 0.3, 0.3}));
            Wreck(cr, d);
            Ridge(cr, H - 10, 50, 0.01, bg.seed + 1, SceneryColour(d, 1, {0.4, 0.35, 0.25}));
            break;
        case SCENE_ARCHES:
            Arches(cr, d, rnd);
            CoralHeads(cr, d, rnd, 8, H - 40);
            break;
        case SCENE_RUINS:
            Ridge(cr, H - 100, 60, 0.004, bg.seed, SceneryColour(d, 0, {0.3, 0.3, 0.3}));
            Ruins(cr, d, rnd);
            Ridge(cr, H - 10, 40, 0.01, bg.seed + 1, SceneryColour(d, 1, {0.35, 0.3, 0.25}));
            break;
        case SCENE_CLIFFS:
            SideWalls(cr, d, bg.seed, 300);
            Ridge(cr, H - 60, 80, 0.006, bg.seed + 2, SceneryColour(d, 1, {0.2, 0.2, 0.3}));
            break;
        case SCENE_CAVES:
            SideWalls(cr, d, bg.seed, 260);
            // the cave roof with hanging rock
            cairo_move_to(cr, 0, -10);
            for (int x = 0; x <= W; x += 8) cairo_line_to(cr, x, 40 + 150 * FractalNoise(x * 0.006, 3.5, 4, bg.seed + 3));
            cairo_line_to(cr, W, -10);
            cairo_close_path(cr);
            SetRgb(cr, SceneryColour(d, 1, {0.2, 0.2, 0.25}));
            cairo_fill(cr);
            Ridge(cr, H - 50, 90, 0.006, bg.seed + 2, SceneryColour(d, 1, {0.2, 0.2, 0.3}));
            break;
        case SCENE_JELLIES:
            Jellies(cr, d, rnd);
            Ridge(cr, H - 40, 70, 0.006, bg.seed, SceneryColour(d, 1, {0.3, 0.2, 0.4}));
            break;
        case SCENE_TRENCH:
            SideWalls(cr, d, bg.seed, 380);
            break;
        case SCENE_VENTS:
            Ridge(cr, H - 80, 60, 0.005, bg.seed, SceneryColour(d, 0, {0.2, 0.1, 0.1}));
            Vents(cr, d, rnd);
            break;
        case SCENE_ABYSS:
            SideWalls(cr, d, bg.seed, 200);
            for (int i = 0; i < 14; i++)
                SoftGlow(cr, rnd.Range(100, W - 100), rnd.Range(100, H - 100), rnd.Range(20, 60),
                         Mix({0.3, 0.9, 1.0}, {0.7, 0.4, 1.0}, rnd.Unit()), 0.3);
            break;
        case SCENE_OPEN:
            Ridge(cr, H - 60, 120, 0.004, bg.seed, SceneryColour(d, 0, {0.2, 0.4, 0.5}));
            break;
    }
    Motes(cr, d, rnd);
    Bubbles(cr, rnd);
    Vignette(cr, W / 2.0, H * 0.45, H * 0.3, W * 0.75, 0.45 + d * 0.3);
    cairo_destroy(cr);
    SaveJpegPicture(s, bg.file, "backgrounds", JPEG_QUALITY);
    cairo_surface_destroy(s);
}

}  // namespace

void MakeBackgroundArt() {
    for (const TBackground& bg : BACKGROUNDS) MakeBackground(bg);
}
