// The stage map's pictures ("data/map/", "data/texts/stagemap.png"): the
// twelve stage signs, each a little window onto its stage's place in the deep
// (in colour for the won part, in faded ink for the rest), the frame they hang
// in, the popup's larger stage pictures, its rail of position icons, the two
// icons, the popup itself and the frame of the map screen.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "art_common.h"
#include "families.h"
#include "tables/stage_map_tables.h"

namespace {

const char* FAMILY = "stage_map";
const TRgb SAND = {0.78, 0.70, 0.50};

// A sign is drawn in its own 150 x 153 space; its window is an arch whose
// foot sits under the name plate of the frame.
const double SW = SIGN_WIDTH, SH = SIGN_HEIGHT;
// The frame is a little wider than the sign and holds the name plate at the
// height where the game writes the stage's name (35 pixels below the centre).
const int FRAME_W = 196, FRAME_H = 184;
// Where the sign's own pixels lie inside the frame picture.
const double SIGN_IN_FRAME_X = (FRAME_W - SIGN_WIDTH) / 2.0;
const double SIGN_IN_FRAME_Y = FRAME_H / 2.0 + SIGN_DRAW_DY - SIGN_HEIGHT / 2.0;

void SignShapePath(cairo_t* cr, double x, double y, double w, double h) {
    double r = w / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, y + h - 10);
    cairo_line_to(cr, x, y + r);
    cairo_arc(cr, x + r, y + r, r, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + w, y + h - 10);
    cairo_arc(cr, x + w - 10, y + h - 10, 10, 0, M_PI / 2);
    cairo_line_to(cr, x + 10, y + h);
    cairo_arc(cr, x + 10, y + h - 10, 10, M_PI / 2, M_PI);
    cairo_close_path(cr);
}

// ---------------------------------------------------------------- the twelve places

void Water(cairo_t* cr, double depth, TRgb tint) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, SH);
    AddStop(p, 0.0, Mix(Mix({0.35, 0.80, 0.92}, {0.04, 0.12, 0.26}, depth), tint, 0.2));
    AddStop(p, 1.0, Mix(Mix({0.05, 0.32, 0.50}, {0.0, 0.02, 0.07}, depth), tint, 0.1));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void Rays(cairo_t* cr, double strength, TRandom& rnd) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 5; i++) {
        double x = rnd.Range(-20, SW), w = rnd.Range(8, 22), lean = rnd.Range(15, 45);
        LightShaft(cr, x, -2, w, w * 2, lean, SH, {0.8, 0.97, 1.0}, strength);
    }
    cairo_restore(cr);
}

void Floor(cairo_t* cr, double base, TRgb c, uint32_t seed) {
    cairo_move_to(cr, 0, SH);
    for (int x = 0; x <= SW; x += 3) cairo_line_to(cr, x, base - 14 * FractalNoise(x * 0.03, 0.5, 3, seed));
    cairo_line_to(cr, SW, SH);
    cairo_close_path(cr);
    SetRgb(cr, c);
    cairo_fill(cr);
}

void SmallFish(cairo_t* cr, double x, double y, double size, TRgb c, int facingLeft) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (facingLeft) cairo_scale(cr, -1, 1);
    cairo_scale(cr, size, size);
    cairo_move_to(cr, -1.0, 0);
    cairo_curve_to(cr, -0.6, -0.7, 0.6, -0.7, 1.0, 0);
    cairo_curve_to(cr, 0.6, 0.7, -0.6, 0.7, -1.0, 0);
    cairo_close_path(cr);
    cairo_move_to(cr, -0.9, 0);
    cairo_line_to(cr, -1.6, -0.55);
    cairo_line_to(cr, -1.6, 0.55);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetRgb(cr, c);
    cairo_fill(cr);
    cairo_arc(cr, x + (facingLeft ? -0.55 : 0.55) * size, y - 0.1 * size, size * 0.12, 0, 2 * M_PI);
    SetRgb(cr, INK);
    cairo_fill(cr);
}

void Bubbles(cairo_t* cr, TRandom& rnd, int count) {
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(10, SW - 10), y = rnd.Range(10, SH - 40), r = rnd.Range(1.2, 3.5);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.9, 1.0, 1.0, 0.55);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

void Stroke(cairo_t* cr, TRgb c, double width, double alpha = 1.0) {
    SetRgb(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Coral(cairo_t* cr, double x, double y, double size, TRgb c, TRandom& rnd) {
    for (int b = 0; b < 5; b++) {
        double a = -M_PI / 2 + rnd.Range(-1.0, 1.0);
        double mx = x + size * 0.5 * cos(a), my = y + size * 0.5 * sin(a);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, mx, my);
        cairo_line_to(cr, mx + size * 0.45 * cos(a - 0.4), my + size * 0.45 * sin(a - 0.4));
        cairo_move_to(cr, mx, my);
        cairo_line_to(cr, mx + size * 0.4 * cos(a + 0.5), my + size * 0.4 * sin(a + 0.5));
        Stroke(cr, c, size * 0.16);
    }
    cairo_arc(cr, x, y, size * 0.3, M_PI, 2 * M_PI);
    SetRgb(cr, Darker(c, 0.2));
    cairo_fill(cr);
}

void KelpStalk(cairo_t* cr, double x, double height, double sway, TRgb c) {
    cairo_move_to(cr, x, SH + 4);
    cairo_curve_to(cr, x + sway, SH - height * 0.4, x - sway, SH - height * 0.7, x + sway * 0.4, SH - height);
    Stroke(cr, Darker(c, 0.35), 5);
    for (int l = 1; l < 7; l++) {
        double t = l / 7.0, bx = x + sway * std::sin(t * M_PI) * 0.5, by = SH - height * t;
        double side = (l % 2) ? 1 : -1;
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx + side * 8, by - 3, bx + side * 14, by - 10, bx + side * 10, by - 17);
        Stroke(cr, c, 3.5);
    }
}

void Jelly(cairo_t* cr, double x, double y, double r, TRgb c) {
    SoftGlow(cr, x, y, r * 2.6, c, 0.35);
    cairo_arc(cr, x, y, r, M_PI, 2 * M_PI);
    cairo_curve_to(cr, x + r, y + r * 0.3, x - r, y + r * 0.3, x - r, y);
    SetRgb(cr, Lighter(c, 0.3), 0.75);
    cairo_fill(cr);
    for (int t = 0; t < 4; t++) {
        double tx = x - r * 0.6 + t * r * 0.4;
        cairo_move_to(cr, tx, y + r * 0.15);
        cairo_curve_to(cr, tx - 3, y + r, tx + 3, y + r * 1.8, tx, y + r * 2.6);
        Stroke(cr, c, 1.2, 0.7);
    }
}

// Each place echoes the background of its stage.
void DrawPlace(cairo_t* cr, int stage) {
    TRandom rnd(7000 + stage);
    const uint32_t seed = 900 + stage;
    switch (stage) {
    case 1:   // the sunny reef of the shallows
        Water(cr, 0.0, {0.4, 0.9, 0.9});
        SoftGlow(cr, 110, 18, 40, {1.0, 0.95, 0.6}, 0.7);
        Rays(cr, 0.35, rnd);
        Floor(cr, 128, SAND, seed);
        Coral(cr, 32, 118, 34, {1.0, 0.45, 0.5}, rnd);
        Coral(cr, 112, 122, 28, {1.0, 0.7, 0.3}, rnd);
        Coral(cr, 74, 126, 22, {0.8, 0.5, 0.95}, rnd);
        SmallFish(cr, 62, 62, 9, {1.0, 0.82, 0.2}, 0);
        SmallFish(cr, 100, 80, 6, {1.0, 0.55, 0.25}, 1);
        break;
    case 2:   // the kelp forest
        Water(cr, 0.08, {0.3, 0.8, 0.5});
        Rays(cr, 0.28, rnd);
        for (int i = 0; i < 6; i++)
            KelpStalk(cr, 12 + i * 26 + rnd.Range(-6, 6), rnd.Range(90, 145), rnd.Range(-14, 14),
                      Mix({0.25, 0.65, 0.25}, {0.5, 0.8, 0.3}, rnd.Unit()));
        Floor(cr, 138, Mix(SAND, {0.2, 0.3, 0.2}, 0.4), seed);
        SmallFish(cr, 88, 58, 7, {0.95, 0.95, 0.6}, 1);
        break;
    case 3:   // the seagrass meadow
        Water(cr, 0.16, {0.4, 0.8, 0.6});
        Rays(cr, 0.22, rnd);
        Floor(cr, 125, Mix(SAND, {0.3, 0.4, 0.2}, 0.3), seed);
        for (int i = 0; i < 70; i++) {
            double x = rnd.Range(0, SW), h = rnd.Range(18, 52);
            cairo_move_to(cr, x, SH);
            cairo_curve_to(cr, x + 2, SH - 40 - h * 0.5, x - 4, SH - 40 - h * 0.8, x + rnd.Range(-8, 8), SH - 40 - h);
            Stroke(cr, Mix({0.3, 0.7, 0.3}, {0.55, 0.85, 0.35}, rnd.Unit()), 1.8);
        }
        // a turtle gliding over the grass
        cairo_save(cr);
        cairo_translate(cr, 78, 62);
        cairo_scale(cr, 1.3, 0.8);
        cairo_arc(cr, 0, 0, 16, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, {0.45, 0.55, 0.3});
        cairo_fill_preserve(cr);
        Stroke(cr, {0.2, 0.28, 0.12}, 1.5);
        cairo_arc(cr, 104, 58, 6, 0, 2 * M_PI);
        SetRgb(cr, {0.6, 0.7, 0.45});
        cairo_fill(cr);
        break;
    case 4: {   // the sunken wreck
        Water(cr, 0.25, {0.3, 0.5, 0.6});
        Rays(cr, 0.16, rnd);
        Floor(cr, 134, Mix(SAND, {0.1, 0.15, 0.2}, 0.5), seed);
        TRgb hull = {0.32, 0.22, 0.16};
        cairo_save(cr);
        cairo_translate(cr, 78, 112);
        cairo_rotate(cr, -0.16);
        cairo_move_to(cr, -62, -14);
        cairo_line_to(cr, 58, -22);
        cairo_curve_to(cr, 66, -8, 58, 12, 48, 20);
        cairo_line_to(cr, -52, 24);
        cairo_close_path(cr);
        SetRgb(cr, hull);
        cairo_fill(cr);
        cairo_rectangle(cr, -12, -88, 5, 72);
        cairo_rectangle(cr, -40, -66, 56, 4);
        SetRgb(cr, Darker(hull, 0.2));
        cairo_fill(cr);
        for (int i = 0; i < 4; i++) {
            cairo_arc(cr, -38 + i * 26, 0 - i * 2, 3.5, 0, 2 * M_PI);
            SetRgb(cr, {0.7, 0.9, 0.9}, 0.7);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        SmallFish(cr, 116, 52, 6, {0.7, 0.85, 0.95}, 1);
        break;
    }
    case 5:   // the coral arches
        Water(cr, 0.33, {0.6, 0.4, 0.6});
        Rays(cr, 0.14, rnd);
        for (int i = 0; i < 2; i++) {
            double x = 45 + i * 64, w = 60 + i * 16, h = 90 - i * 20;
            cairo_move_to(cr, x - w / 2, SH);
            cairo_curve_to(cr, x - w / 2, SH - h * 1.4, x + w / 2, SH - h * 1.4, x + w / 2, SH);
            cairo_line_to(cr, x + w / 2 - 14, SH);
            cairo_curve_to(cr, x + w / 2 - 14, SH - h, x - w / 2 + 14, SH - h, x - w / 2 + 14, SH);
            cairo_close_path(cr);
            SetRgb(cr, Mix({0.85, 0.45, 0.55}, {0.4, 0.25, 0.4}, i * 0.5));
            cairo_fill(cr);
        }
        Coral(cr, 120, 136, 22, {1.0, 0.75, 0.4}, rnd);
        SmallFish(cr, 52, 70, 7, {1.0, 0.5, 0.7}, 0);
        break;
    case 6:   // the sunken ruins
        Water(cr, 0.42, {0.5, 0.5, 0.4});
        Rays(cr, 0.1, rnd);
        Floor(cr, 136, Mix(SAND, {0.1, 0.1, 0.15}, 0.5), seed);
        for (int i = 0; i < 4; i++) {
            double x = 14 + i * 36, h = (i % 2) ? 70 : 100;
            cairo_rectangle(cr, x, SH - 16 - h, 16, h);
            cairo_rectangle(cr, x - 4, SH - 22 - h, 24, 7);
            SetRgb(cr, Mix({0.72, 0.7, 0.6}, {0.3, 0.32, 0.35}, 0.35 + 0.1 * i));
            cairo_fill(cr);
            for (int f = 1; f < 3; f++) {
                cairo_move_to(cr, x + f * 5.3, SH - 14 - h);
                cairo_line_to(cr, x + f * 5.3, SH - 16);
            }
            Stroke(cr, {0.2, 0.2, 0.22}, 0.8, 0.5);
        }
        cairo_rectangle(cr, 6, SH - 130, 80, 8);
        SetRgb(cr, {0.62, 0.6, 0.52});
        cairo_fill(cr);
        break;
    case 7:   // the twilight cliffs
        Water(cr, 0.5, {0.2, 0.3, 0.7});
        for (int side = 0; side < 2; side++) {
            cairo_move_to(cr, side ? SW : 0, 0);
            for (int y = 0; y <= SH; y += 4) {
                double d = 46 * (0.5 + 0.5 * FractalNoise(side * 5 + 0.5, y * 0.03, 3, seed));
                cairo_line_to(cr, side ? SW - d : d, y);
            }
            cairo_line_to(cr, side ? SW : 0, SH);
            cairo_close_path(cr);
            SetRgb(cr, Mix({0.12, 0.18, 0.38}, {0.25, 0.3, 0.5}, side * 0.4));
            cairo_fill(cr);
        }
        SmallFish(cr, 74, 58, 7, {0.6, 0.8, 1.0}, 0);
        SmallFish(cr, 92, 78, 5, {0.6, 0.8, 1.0}, 0);
        break;
    case 8: {   // the caves
        Water(cr, 0.6, {0.3, 0.3, 0.5});
        SoftGlow(cr, 75, 82, 44, {0.4, 0.7, 0.9}, 0.4);
        TRgb rock = {0.16, 0.16, 0.24};
        cairo_move_to(cr, 0, 0);
        for (int x = 0; x <= SW; x += 4) cairo_line_to(cr, x, 22 + 34 * FractalNoise(x * 0.05, 2.5, 3, seed));
        cairo_line_to(cr, SW, 0);
        cairo_close_path(cr);
        SetRgb(cr, rock);
        cairo_fill(cr);
        for (int i = 0; i < 6; i++) {   // stalactites
            double x = 14 + i * 24 + rnd.Range(-4, 4), len = rnd.Range(14, 34);
            cairo_move_to(cr, x - 6, 30);
            cairo_line_to(cr, x, 30 + len);
            cairo_line_to(cr, x + 6, 30);
            cairo_close_path(cr);
            SetRgb(cr, rock);
            cairo_fill(cr);
        }
        Floor(cr, 128, rock, seed + 3);
        SmallFish(cr, 76, 86, 6, {0.8, 0.9, 0.7}, 1);
        break;
    }
    case 9:   // the jellyfish drift
        Water(cr, 0.7, {0.5, 0.3, 0.7});
        Jelly(cr, 48, 50, 15, {0.8, 0.5, 1.0});
        Jelly(cr, 104, 74, 11, {0.45, 0.9, 1.0});
        Jelly(cr, 70, 100, 8, {1.0, 0.55, 0.85});
        break;
    case 10:   // the trench walls, lit by a lantern fish
        Water(cr, 0.8, {0.1, 0.2, 0.4});
        for (int side = 0; side < 2; side++) {
            cairo_move_to(cr, side ? SW : 0, 0);
            for (int y = 0; y <= SH; y += 4) {
                double d = 56 * (0.55 + 0.45 * FractalNoise(side * 3 + 0.5, y * 0.025, 3, seed));
                cairo_line_to(cr, side ? SW - d : d, y);
            }
            cairo_line_to(cr, side ? SW : 0, SH);
            cairo_close_path(cr);
            SetRgb(cr, {0.06, 0.08, 0.16});
            cairo_fill(cr);
        }
        SoftGlow(cr, 90, 58, 30, {1.0, 0.9, 0.5}, 0.8);
        cairo_move_to(cr, 72, 78);
        cairo_curve_to(cr, 76, 62, 84, 56, 90, 58);
        Stroke(cr, {0.4, 0.45, 0.55}, 1.5);
        SmallFish(cr, 70, 84, 9, {0.25, 0.3, 0.4}, 1);
        cairo_arc(cr, 90, 58, 3, 0, 2 * M_PI);
        SetRgb(cr, {1.0, 0.95, 0.7});
        cairo_fill(cr);
        break;
    case 11:   // the vents of the abyssal plain
        Water(cr, 0.9, {0.4, 0.15, 0.1});
        Floor(cr, 136, {0.12, 0.08, 0.08}, seed);
        for (int i = 0; i < 2; i++) {
            double x = 46 + i * 60, h = 50 - i * 14;
            for (int p = 0; p < 5; p++)
                SoftGlow(cr, x + std::sin(p * 1.3 + i) * 6, SH - 20 - h - p * 16, 12 + p * 4, {0.45, 0.42, 0.48}, 0.3);
            SoftGlow(cr, x, SH - 20 - h, 26, {1.0, 0.45, 0.15}, 0.7);
            cairo_move_to(cr, x - 18, SH);
            cairo_line_to(cr, x - 6, SH - 20 - h);
            cairo_line_to(cr, x + 6, SH - 20 - h);
            cairo_line_to(cr, x + 18, SH);
            cairo_close_path(cr);
            SetRgb(cr, {0.2, 0.12, 0.1});
            cairo_fill(cr);
        }
        break;
    default: {   // the glimmer heart of the abyss
        Water(cr, 1.0, {0.3, 0.2, 0.5});
        for (int i = 0; i < 16; i++)
            SoftGlow(cr, rnd.Range(10, SW - 10), rnd.Range(10, SH - 30), rnd.Range(4, 10),
                     Mix({0.3, 0.9, 1.0}, {0.8, 0.5, 1.0}, rnd.Unit()), 0.7);
        SoftGlow(cr, 75, 72, 52, {0.7, 0.85, 1.0}, 0.55);
        DrawPearlBody(cr, 75, 72, 18, {0.92, 0.9, 1.0});
        break;
    }
    }
    Bubbles(cr, rnd, 6);
}

// The place clipped to the sign's arch, with a rim of light inside the edge.
cairo_surface_t* MakeSignPicture(int stage) {
    cairo_surface_t* art = NewSurface(SIGN_WIDTH, SIGN_HEIGHT);
    cairo_t* cr = cairo_create(art);
    SignShapePath(cr, 0.5, 0.5, SW - 1, SH - 1);
    cairo_clip(cr);
    DrawPlace(cr, stage);
    // a soft vignette so the window seems deep
    cairo_pattern_t* v = cairo_pattern_create_radial(SW / 2, SH * 0.45, SW * 0.3, SW / 2, SH * 0.45, SW * 0.8);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0.02, 0.06, 0.45);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
    cairo_reset_clip(cr);
    SignShapePath(cr, 1.5, 1.5, SW - 3, SH - 3);
    SetRgb(cr, PEARL, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_destroy(cr);
    return art;
}

// The part not yet won: the same place in faded blue ink.
cairo_surface_t* FadedCopy(cairo_surface_t* full) {
    int w = cairo_image_surface_get_width(full), h = cairo_image_surface_get_height(full);
    cairo_surface_t* out = NewSurface(w, h);
    int stride;
    const uint32_t* src = PixelsOf(full, stride);
    uint32_t* dst = PixelsOf(out, stride);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t p = src[y * stride + x];
            double a = (p >> 24) / 255.0;
            if (a <= 0) continue;
            // premultiplied: undo, grey, tint toward the deep blue, redo
            double r = ((p >> 16) & 255) / 255.0 / a, g = ((p >> 8) & 255) / 255.0 / a, b = (p & 255) / 255.0 / a;
            double grey = 0.3 * r + 0.55 * g + 0.15 * b;
            TRgb c = Mix({0.10, 0.22, 0.34}, {0.78, 0.90, 0.97}, std::clamp(grey * 1.25, 0.0, 1.0));
            auto ch = [a](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * a * 255 + 0.5); };
            dst[y * stride + x] = (p & 0xFF000000u) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
        }
    cairo_surface_mark_dirty(out);
    return out;
}

void MakeSigns() {
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        cairo_surface_t* full = MakeSignPicture(stage);
        cairo_surface_t* faded = FadedCopy(full);
        std::string base = "data/map/mapsign" + std::to_string(stage);
        SavePicture(full, base + "full.png", FAMILY);
        SavePicture(faded, base + ".png", FAMILY);
        cairo_surface_destroy(full);
        cairo_surface_destroy(faded);
    }
}

// ---------------------------------------------------------------- the frame and the popup

// A pearly tube along the current path.
void PearlRim(cairo_t* cr, double width) {
    cairo_path_t* path = cairo_copy_path(cr);
    SetRgb(cr, INK, 0.95);
    cairo_set_line_width(cr, width + 3);
    cairo_stroke(cr);
    const double SHADES[3] = {0.4, 0.75, 1.0};
    for (int i = 0; i < 3; i++) {
        cairo_append_path(cr, path);
        SetRgb(cr, Mix({0.3, 0.5, 0.65}, PEARL, SHADES[i]));
        cairo_set_line_width(cr, width * (1.0 - i * 0.3));
        cairo_stroke(cr);
    }
    cairo_path_destroy(path);
}

void MakeSignFrame() {
    cairo_t* cr = BeginPicture(FRAME_W, FRAME_H);
    SignShapePath(cr, SIGN_IN_FRAME_X - 1, SIGN_IN_FRAME_Y - 1, SW + 2, SH + 2);
    PearlRim(cr, 6);
    // four small pearls set in the rim
    const double PX[3] = {SIGN_IN_FRAME_X + 2, FRAME_W / 2.0, SIGN_IN_FRAME_X + SW - 2};
    const double PY[3] = {SIGN_IN_FRAME_Y + SW / 2, SIGN_IN_FRAME_Y, SIGN_IN_FRAME_Y + SW / 2};
    for (int i = 0; i < 3; i++) GlossyBead(cr, PX[i], PY[i], 5, {0.97, 0.93, 0.98});
    // the name plate where the game writes the stage's name
    double plateTop = FRAME_H / 2.0 + 32, plateH = 30;
    RoundedRectPath(cr, 3, plateTop, FRAME_W - 6, plateH, plateH / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, plateTop, 0, plateTop + plateH);
    AddStop(p, 0.0, {0.12, 0.34, 0.52}, 0.96);
    AddStop(p, 1.0, {0.02, 0.08, 0.2}, 0.96);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, PEARL, 0.85);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    for (int side = 0; side < 2; side++) {
        double x = side ? FRAME_W - 12 : 12;
        GlossyBead(cr, x, plateTop + plateH / 2, 4, GOLD);
    }
    EndPicture(cr, "data/map/mapperg.png", FAMILY);
}

// The popup's picture of a stage: the same place, larger, in a pearl frame.
void MakePopupSigns() {
    const int W = 320, H = 224;
    const double SCALE = W / SW;
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        cairo_t* cr = BeginPicture(W, H);
        RoundedRectPath(cr, 4, 4, W - 8, H - 8, 26);
        cairo_save(cr);
        cairo_clip(cr);
        cairo_scale(cr, SCALE, SCALE);
        cairo_translate(cr, 0, -(SH - H / SCALE) / 2);
        DrawPlace(cr, stage);
        cairo_restore(cr);
        RoundedRectPath(cr, 4, 4, W - 8, H - 8, 26);
        PearlRim(cr, 7);
        EndPictureWithShadow(cr, "data/map/stagesign" + std::to_string(stage) + ".png", FAMILY, 0, 4, 3, 0.5);
    }
}

// The popup: a glass panel with a title band, tall enough for the level
// preview, the info line, the row of icons and the close button.
void MakeMapPopup() {
    const int W = 660, H = 624;
    cairo_t* cr = BeginPicture(W, H);
    GlassPanel(cr, 6, 6, W - 12, H - 16, 30, 0.95);
    TitleBand(cr, 60, 14, W - 120);
    PearlString(cr, 80, W - 80, 66);
    CornerShells(cr, 28, 28, W - 28.0, H - 36.0);
    EndPictureWithShadow(cr, "data/map/mappopup.png", FAMILY, 0, 8, 6, 0.6);
}

// The rail under the popup's icons: ten sockets, one under each position.
void MakeIconRail() {
    const int ICONS = 10;
    const int W = POPUP_ICON_STEP * (ICONS - 1) + 2 * 46, H = 72;
    const double railCentreX = W / 2.0, iconDy = POPUP_ICON_Y - 543;   // the rail is drawn 7 above the icons
    cairo_t* cr = BeginPicture(W, H);
    double cy = H / 2.0 + iconDy;
    RoundedRectPath(cr, 4, cy - 22, W - 8, 44, 22);
    cairo_set_source_rgba(cr, 0.0, 0.04, 0.10, 0.6);
    cairo_fill_preserve(cr);
    SetRgb(cr, PEARL, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int i = 0; i < ICONS; i++) {
        double x = railCentreX + (i - (ICONS - 1) / 2.0) * POPUP_ICON_STEP;
        cairo_arc(cr, x, cy, 21, 0, 2 * M_PI);
        cairo_pattern_t* p = cairo_pattern_create_radial(x, cy - 6, 2, x, cy, 21);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.2, 0.45, 0.6, 0.5);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.0, 0.05, 0.12, 0.8);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        if (i < ICONS - 1) {
            cairo_move_to(cr, x + 22, cy);
            cairo_line_to(cr, x + POPUP_ICON_STEP - 22, cy);
            SetRgb(cr, GOLD, 0.5);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
    EndPicture(cr, "data/texts/stagemap.png", FAMILY);
}

// The icons of the two kinds of position: a level is a bubble holding a
// pearl, the stage's puzzle a golden tile with a puzzle knob.
void MakePositionIcons() {
    const int S = 52;
    {
        cairo_t* cr = BeginPicture(S, S);
        SoftGlow(cr, S / 2.0, S / 2.0, 26, {0.4, 0.85, 1.0}, 0.45);
        cairo_arc(cr, S / 2.0, S / 2.0, 20, 0, 2 * M_PI);
        cairo_pattern_t* p = cairo_pattern_create_radial(S / 2.0 - 6, S / 2.0 - 7, 2, S / 2.0, S / 2.0, 20);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 1.0, 1.0, 0.97);
        cairo_pattern_add_color_stop_rgba(p, 0.6, 0.2, 0.75, 0.9, 0.97);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.35, 0.6, 0.97);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetRgb(cr, PEARL, 0.9);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        DrawPearlBody(cr, S / 2.0, S / 2.0 + 1, 9, {1.0, 0.88, 0.55});
        cairo_arc(cr, S / 2.0 - 8, S / 2.0 - 9, 4, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
        cairo_fill(cr);
        EndPicture(cr, "data/map/mapss1.png", FAMILY);
    }
    {
        cairo_t* cr = BeginPicture(S, S);
        SoftGlow(cr, S / 2.0, S / 2.0, 26, GOLD, 0.5);
        // a square tile with a knob on the right and a notch on top
        double x = 10, y = 12, s = 28;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + s * 0.35, y);
        cairo_arc_negative(cr, x + s * 0.5, y, s * 0.15, M_PI, 0);
        cairo_line_to(cr, x + s, y);
        cairo_line_to(cr, x + s, y + s * 0.35);
        cairo_arc(cr, x + s, y + s * 0.5, s * 0.17, -M_PI / 2, M_PI / 2);
        cairo_line_to(cr, x + s, y + s);
        cairo_line_to(cr, x, y + s);
        cairo_close_path(cr);
        GlossyFill(cr, {1.0, 0.78, 0.3}, x + s / 2, y + s / 2, s * 0.7);
        cairo_new_path(cr);
        EndPicture(cr, "data/map/mapss4.png", FAMILY);
    }
}

// ---------------------------------------------------------------- the map's frame

void Tube(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    PearlRim(cr, width);
}

// The left side (mirrored for the right) and the left halves of the top and
// bottom edges (mirrored at the middle of the screen). The top holds a
// cartouche for the status line, the bottom one for the continue button.
void MakeMapBorders() {
    TRandom rnd(713);
    {
        const int W = 80, H = 768;
        cairo_t* cr = BeginPicture(W, H);
        EdgeShade(cr, 0, 0, 40, 0, W, H, 0.85);
        for (int i = 0; i < 6; i++)
            Frond(cr, rnd.Range(2, 30), H + 8, rnd.Range(160, 380), rnd.Range(6, 40),
                  Mix({0.55, 0.3, 0.45}, {0.85, 0.45, 0.5}, rnd.Unit()), rnd, 6);
        Tube(cr, 12, 24, 12, H - 24, 10);
        for (int y = 80; y < H - 60; y += 120) GlossyBead(cr, 12, y, 6, {0.97, 0.9, 0.85});
        EndPicture(cr, "data/map/mapborderleft.png", FAMILY);
    }
    for (int bottom = 0; bottom < 2; bottom++) {
        const int W = 432, H = bottom ? 120 : 60;
        cairo_t* cr = BeginPicture(W, H);
        if (bottom) EdgeShade(cr, 0, H, 0, H - 70, W, H, 0.85);
        else EdgeShade(cr, 0, 0, 0, 48, W, H, 0.85);
        double y = bottom ? 40 : 12;
        Tube(cr, -20, y, W + 20, y, 10);
        // half of the cartouche at the middle of the screen
        double halfW = bottom ? 120 : 230, top = bottom ? 54 : 6, h = bottom ? 62 : 44;
        RoundedRectPath(cr, W - halfW, top, halfW * 2, h, h / 2);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, top + h);
        AddStop(p, 0.0, {0.12, 0.34, 0.52}, 0.9);
        AddStop(p, 1.0, {0.02, 0.08, 0.2}, 0.9);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetRgb(cr, PEARL, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int x = 30; x < W - halfW - 10; x += 56) GlossyBead(cr, x, y, 5, {0.97, 0.9, 0.85});
        if (bottom) {
            // a starfish at the end of the rail
            cairo_save(cr);
            cairo_translate(cr, W - halfW - 26, y + 2);
            cairo_rotate(cr, 0.3);
            cairo_move_to(cr, 0, -13);
            for (int k = 1; k <= 10; k++) {
                double a = -M_PI / 2 + k * M_PI / 5, r = (k % 2) ? 5 : 13;
                cairo_line_to(cr, r * cos(a), r * sin(a));
            }
            cairo_close_path(cr);
            cairo_restore(cr);
            GlossyFill(cr, {1.0, 0.55, 0.35}, W - halfW - 26, y + 2, 13);
            cairo_new_path(cr);
        }
        EndPicture(cr, bottom ? "data/map/mapborderdown.png" : "data/map/mapborderup.png", FAMILY);
    }
}

}  // namespace

void MakeStageMapArt() {
    MakeSigns();
    MakeSignFrame();
    MakePopupSigns();
    MakeMapPopup();
    MakeIconRail();
    MakePositionIcons();
    MakeMapBorders();
}
