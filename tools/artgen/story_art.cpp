// The story screens' pictures ("data/story/", "data/bg/bgwizard.jpg"): the
// sea-silk scroll the story is told on, the frame of driftwood, kelp and sand
// around the screen, and the old turtle's grotto of the second page.
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const TRgb SAND = {0.86, 0.76, 0.55};
const TRgb DRIFTWOOD = {0.45, 0.33, 0.22};
const TRgb KELP = {0.18, 0.55, 0.36};

// The scroll: 720 x 280, drawn with its handle at the centre. The texts sit
// from 95 above to 55 below the centre and the holder perches on the top
// edge, 137 above it.
const int SCROLL_W = 720, SCROLL_H = 280;
const double ROLL_R = 22;        // the rolled ends, left and right
const double SHEET_INSET = 34;   // the sheet runs between the rolls

// A rolled end of the scroll: a sand-coloured cylinder with pearl caps.
void ScrollRoll(cairo_t* cr, double cx, double top, double bottom) {
    cairo_rectangle(cr, cx - ROLL_R, top, 2 * ROLL_R, bottom - top);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - ROLL_R, 0, cx + ROLL_R, 0);
    AddStop(p, 0.0, Darker(SAND, 0.55));
    AddStop(p, 0.35, Lighter(SAND, 0.35));
    AddStop(p, 0.6, SAND);
    AddStop(p, 1.0, Darker(SAND, 0.6));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, INK, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double y = top + 18; y < bottom - 10; y += 16) {   // the turns of the roll
        cairo_move_to(cr, cx - ROLL_R + 2, y);
        cairo_curve_to(cr, cx - 6, y + 4, cx + 6, y + 4, cx + ROLL_R - 2, y);
        SetRgb(cr, Darker(SAND, 0.4), 0.5);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    for (double y : {top, bottom}) {
        cairo_save(cr);
        cairo_translate(cr, cx, y);
        cairo_scale(cr, 1.0, 0.45);
        cairo_arc(cr, 0, 0, ROLL_R + 5, 0, 2 * M_PI);
        cairo_restore(cr);
        GlossyFill(cr, {0.92, 0.9, 0.96}, cx, y, ROLL_R + 5);
        cairo_new_path(cr);
    }
}

// A fan shell hinged at (x, y), opening upward: `ribs` wedges of radius r in
// two alternating colours, each outlined in ink `outline` wide.
void FanShell(cairo_t* cr, double x, double y, double r, int ribs, TRgb light, TRgb dark, double outline) {
    for (int i = 0; i < ribs; i++) {
        double a = M_PI + i * M_PI / ribs;
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, r, a, a + M_PI / ribs);
        cairo_close_path(cr);
        SetRgb(cr, Mix(light, dark, i % 2));
        cairo_fill_preserve(cr);
        SetRgb(cr, INK, 0.7);
        cairo_set_line_width(cr, outline);
        cairo_stroke(cr);
    }
}

void MakeParchment() {
    cairo_t* cr = BeginPicture(SCROLL_W, SCROLL_H);
    const double left = SHEET_INSET, right = SCROLL_W - SHEET_INSET, top = 20, bottom = SCROLL_H - 20;
    // The sheet, its top and bottom edges gently waved like cloth in water.
    auto sheetPath = [&]() {
        cairo_move_to(cr, left, top);
        for (double x = left; x <= right; x += 8) cairo_line_to(cr, x, top + 3 * std::sin((x - left) * 0.03));
        cairo_line_to(cr, right, bottom);
        for (double x = right; x >= left; x -= 8) cairo_line_to(cr, x, bottom + 3 * std::sin((x - left) * 0.03 + 1.5));
        cairo_close_path(cr);
    };
    sheetPath();
    cairo_pattern_t* body = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(body, 0.0, 0.08, 0.26, 0.38, 0.95);
    cairo_pattern_add_color_stop_rgba(body, 0.5, 0.04, 0.15, 0.27, 0.95);
    cairo_pattern_add_color_stop_rgba(body, 1.0, 0.02, 0.08, 0.17, 0.96);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Woven threads and a faint murk, so the sheet reads as cloth, not glass.
    cairo_save(cr);
    sheetPath();
    cairo_clip(cr);
    TRandom rnd(731);
    for (double y = top + 4; y < bottom; y += 5) {
        cairo_move_to(cr, left, y + rnd.Range(-1, 1));
        cairo_line_to(cr, right, y + rnd.Range(-1, 1));
        cairo_set_source_rgba(cr, 0.6, 0.85, 0.95, 0.035 + 0.03 * rnd.Unit());
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 40; i++)
        SoftGlow(cr, rnd.Range(left, right), rnd.Range(top, bottom), rnd.Range(20, 60), {0.0, 0.02, 0.06}, 0.12);
    // light falling on the upper middle, where the holder sits
    FlatGlow(cr, SCROLL_W / 2.0, top, 300, 0.4, {0.45, 0.85, 1.0}, 0.28);
    cairo_restore(cr);
    // Pearly hems along the top and bottom, with a string of small pearls.
    for (int edge = 0; edge < 2; edge++) {
        double y0 = edge ? bottom - 12 : top + 12;
        cairo_move_to(cr, left + 8, y0);
        cairo_line_to(cr, right - 8, y0);
        SetRgb(cr, PEARL, 0.45);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        for (double x = left + 24; x < right - 16; x += 18) {
            cairo_arc(cr, x, y0 + (edge ? 7 : -7), 2.2, 0, 2 * M_PI);
            SetRgb(cr, PEARL, 0.55);
            cairo_fill(cr);
        }
    }
    sheetPath();
    SetRgb(cr, INK, 0.95);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Little shells pinning the corners of the sheet.
    for (int i = 0; i < 4; i++) {
        double x = i % 2 ? right - 22 : left + 22, y = i < 2 ? top + 24 : bottom - 24;
        FanShell(cr, x, y + 4, 9, 5, {1.0, 0.82, 0.85}, {0.95, 0.62, 0.72}, 0.8);
    }
    ScrollRoll(cr, ROLL_R + 4, 8, SCROLL_H - 8);
    ScrollRoll(cr, SCROLL_W - ROLL_R - 4, 8, SCROLL_H - 8);
    EndPictureWithShadow(cr, "data/story/storyperg.png", "story", 0, 6, 5, 0.55);
}

// A kelp strand rising from (x, y) with leaf blades along it.
void KelpStrand(cairo_t* cr, double x, double y, double length, double sway, double width, TRgb c, TRandom& rnd) {
    double ex = x + sway, ey = y - length;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + sway * 0.6 + rnd.Range(-10, 10), y - length * 0.35, x - sway * 0.3, y - length * 0.7, ex, ey);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetRgb(cr, Darker(c, 0.55), 0.95);
    cairo_set_line_width(cr, width + 3);
    cairo_stroke_preserve(cr);
    SetRgb(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    for (int l = 1; l < 8; l++) {
        double t = l / 8.0;
        double bx = x + (ex - x) * t + std::sin(t * 3) * sway * 0.3, by = y - length * t;
        double side = l % 2 ? 1 : -1;
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx + side * 14, by - 6, bx + side * 22, by - 18, bx + side * 16, by - 28);
        SetRgb(cr, Lighter(c, 0.15), 0.9);
        cairo_set_line_width(cr, width * 0.7);
        cairo_stroke(cr);
    }
}

// A driftwood pole along a line, its grain lit from the left.
void DriftwoodPole(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    const double SHADES[4] = {0.0, 0.3, 0.55, 0.8};
    LitTube(cr, x0, y0, x1, y1, width, Darker(DRIFTWOOD, 0.3), Lighter(DRIFTWOOD, 0.45), SHADES, 0.05, 0.05);
}

void Pebble(cairo_t* cr, double x, double y, double r, TRgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 0.7);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    GlossyFill(cr, c, x, y, r);
    cairo_new_path(cr);
}

// The screen's frame: the left side (mirrored for the right) and the left
// halves of the top and bottom (mirrored at the middle of the screen). The
// bottom stays low in the middle, where the scroll's last lines are read.
void MakeBorders() {
    TRandom rnd(733);
    {
        const int W = 90, H = 768;
        cairo_t* cr = BeginPicture(W, H);
        EdgeShade(cr, 0, 0, 40, 0, W, H, 0.85);
        for (int i = 0; i < 6; i++)
            KelpStrand(cr, rnd.Range(6, 50), H + 10, rnd.Range(220, 520), rnd.Range(-10, 40), rnd.Range(4, 7),
                       Mix(KELP, {0.3, 0.7, 0.5}, rnd.Unit()), rnd);
        DriftwoodPole(cr, 16, 20, 20, H - 20, 13);
        for (int y = 80; y < H - 60; y += 110) {   // rope bindings with a pearl each
            for (int t = -1; t <= 1; t++) {
                cairo_move_to(cr, 8, y + t * 5 - 3);
                cairo_line_to(cr, 29, y + t * 5 + 3);
                SetRgb(cr, {0.85, 0.78, 0.6});
                cairo_set_line_width(cr, 2.2);
                cairo_stroke(cr);
            }
            Pebble(cr, 33, y + 12, 5, {0.95, 0.92, 0.96});
        }
        EndPicture(cr, "data/story/storyborderleft.png", "story");
    }
    {
        const int W = 432, H = 70;
        cairo_t* cr = BeginPicture(W, H);
        EdgeShade(cr, 0, 0, 0, 40, W, 40, 0.8);
        // kelp hanging from the beam
        for (double x = 20; x < W - 10; x += rnd.Range(34, 60)) {
            double length = rnd.Range(18, 48);
            cairo_move_to(cr, x, 14);
            cairo_curve_to(cr, x + 6, 14 + length * 0.4, x - 6, 14 + length * 0.7, x + rnd.Range(-6, 6), 14 + length);
            SetRgb(cr, Darker(KELP, 0.2));
            cairo_set_line_width(cr, 4);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
        DriftwoodPole(cr, -20, 14, W + 20, 12, 13);
        // half a starfish at the middle of the screen
        cairo_save(cr);
        cairo_translate(cr, W, 16);
        for (int arm = 0; arm < 3; arm++) {
            double a = M_PI * (0.5 + arm * 0.4);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, 8 * cos(a - 0.6), 8 * sin(a - 0.6));
            cairo_line_to(cr, 24 * cos(a), 24 * sin(a));
            cairo_line_to(cr, 8 * cos(a + 0.6), 8 * sin(a + 0.6));
            cairo_close_path(cr);
        }
        SetRgb(cr, {1.0, 0.6, 0.35});
        cairo_fill_preserve(cr);
        SetRgb(cr, INK, 0.85);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        cairo_restore(cr);
        EndPicture(cr, "data/story/storyborderup2.png", "story");
    }
    {
        const int W = 432, H = 100;
        cairo_t* cr = BeginPicture(W, H);
        // a sand bank under the corner's button, thinning to a strip toward the middle
        cairo_move_to(cr, 0, H);
        cairo_line_to(cr, 0, 18);
        for (int x = 0; x <= W; x += 6) {
            double bank = 18 + 70 / (1.0 + std::exp(-(x - 200) * 0.03));
            cairo_line_to(cr, x, bank + 4 * FractalNoise(x * 0.05, 0.3, 3, 737));
        }
        cairo_line_to(cr, W, H);
        cairo_close_path(cr);
        cairo_pattern_t* sand = cairo_pattern_create_linear(0, 10, 0, H);
        AddStop(sand, 0.0, Lighter(SAND, 0.15), 0.95);
        AddStop(sand, 1.0, Darker(SAND, 0.45), 1.0);
        cairo_set_source(cr, sand);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(sand);
        SetRgb(cr, INK, 0.85);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        for (int i = 0; i < 40; i++) {   // grains and ripples
            double x = rnd.Range(0, W), y = rnd.Range(0, H);
            double bank = 18 + 70 / (1.0 + std::exp(-(x - 200) * 0.03));
            if (y < bank + 6) continue;
            cairo_arc(cr, x, y, rnd.Range(0.8, 1.8), 0, 2 * M_PI);
            SetRgb(cr, Darker(SAND, 0.5), 0.5);
            cairo_fill(cr);
        }
        for (int i = 0; i < 5; i++)
            Pebble(cr, rnd.Range(10, 170), rnd.Range(36, 90), rnd.Range(4, 8),
                   Mix({0.55, 0.6, 0.65}, {0.75, 0.62, 0.5}, rnd.Unit()));
        // a cockle shell in the corner and one pearl in the open
        cairo_save(cr);
        cairo_translate(cr, 176, 62);
        FanShell(cr, 0, 6, 16, 7, {1.0, 0.85, 0.82}, {0.95, 0.6, 0.65}, 0.9);
        cairo_restore(cr);
        Pebble(cr, 300, 92, 5, {0.95, 0.93, 0.98});
        for (int i = 0; i < 4; i++)
            KelpStrand(cr, rnd.Range(4, 60), H + 6, rnd.Range(30, 70), rnd.Range(-10, 20), 4, KELP, rnd);
        EndPicture(cr, "data/story/storyborderdown.png", "story");
    }
}

// ---- the old turtle's grotto

const int W = 1024, H = 768;

// The cave mouth: dark rock all round, open to lit water in the upper middle.
void GrottoRock(cairo_t* cr) {
    const TRgb rock = {0.03, 0.08, 0.13};
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_new_sub_path(cr);
    const int STEPS = 90;
    for (int i = 0; i <= STEPS; i++) {
        double a = 2 * M_PI * i / STEPS;
        double r = 1.0 + 0.1 * (FractalNoise(std::cos(a) * 2 + 3, std::sin(a) * 2 + 3, 4, 743) - 0.5) * 2;
        double x = W * 0.5 + std::cos(a) * 470 * r, y = H * 0.42 + std::sin(a) * 360 * r;
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetRgb(cr, rock, 0.92);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void LightShafts(cairo_t* cr, TRandom& rnd) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 6; i++) {
        double x = rnd.Range(300, 700), w = rnd.Range(30, 90), lean = rnd.Range(-60, 120);
        LightShaft(cr, x, -10, w, w * 2, lean, H * 0.75, {0.75, 0.95, 1.0}, 0.14 * rnd.Range(0.6, 1.0));
    }
    cairo_restore(cr);
}

// One flipper: a long tapering leaf from (x, y) toward the angle a (radians).
void Flipper(cairo_t* cr, double x, double y, double length, double width, double a, TRgb skin) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    cairo_move_to(cr, 0, -width * 0.5);
    cairo_curve_to(cr, length * 0.4, -width * 0.9, length * 0.9, -width * 0.3, length, 0);
    cairo_curve_to(cr, length * 0.8, width * 0.35, length * 0.3, width * 0.6, 0, width * 0.5);
    cairo_close_path(cr);
    cairo_restore(cr);
    GlossyFill(cr, skin, x, y, length * 0.6);
    cairo_new_path(cr);
}

// The old turtle, resting in the grotto and facing left: a domed, plated
// shell, a wrinkled head with heavy, kindly eyes and a pale chin.
void OldTurtle(cairo_t* cr, double cx, double cy) {
    const TRgb skin = {0.42, 0.58, 0.45};
    const TRgb shell = {0.50, 0.38, 0.22};
    SoftGlow(cr, cx, cy, 330, {0.35, 0.8, 0.9}, 0.25);
    Flipper(cr, cx + 130, cy + 55, 110, 44, 0.45, Darker(skin, 0.15));     // back flipper
    Flipper(cr, cx - 110, cy + 50, 170, 58, 2.35, skin);                    // front flipper, reaching down
    // the head on its neck
    cairo_move_to(cr, cx - 150, cy + 10);
    cairo_curve_to(cr, cx - 200, cy - 10, cx - 240, cy - 40, cx - 270, cy - 40);
    cairo_curve_to(cr, cx - 330, cy - 42, cx - 350, cy + 10, cx - 320, cy + 38);
    cairo_curve_to(cr, cx - 290, cy + 60, cx - 220, cy + 50, cx - 150, cy + 60);
    cairo_close_path(cr);
    GlossyFill(cr, skin, cx - 280, cy - 10, 80);
    cairo_new_path(cr);
    for (int i = 0; i < 4; i++) {   // wrinkles of the neck
        double x = cx - 175 - i * 16;
        cairo_move_to(cr, x, cy - 2 + i * 3);
        cairo_curve_to(cr, x - 6, cy + 14, x - 6, cy + 30, x + 2, cy + 44);
        SetRgb(cr, Darker(skin, 0.45), 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // the pale chin and the mouth
    cairo_move_to(cr, cx - 345, cy + 12);
    cairo_curve_to(cr, cx - 330, cy + 40, cx - 300, cy + 52, cx - 265, cy + 46);
    cairo_curve_to(cr, cx - 290, cy + 30, cx - 320, cy + 24, cx - 345, cy + 12);
    SetRgb(cr, {0.85, 0.88, 0.75}, 0.85);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 346, cy + 10);
    cairo_curve_to(cr, cx - 325, cy + 22, cx - 300, cy + 24, cx - 280, cy + 20);
    SetRgb(cr, Darker(skin, 0.7));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    // the eye: a dark pupil with a glint under a heavy lid
    const double ex = cx - 300, ey = cy - 14;
    cairo_arc(cr, ex, ey, 12, 0, 2 * M_PI);
    SetRgb(cr, {0.95, 0.95, 0.85});
    cairo_fill(cr);
    cairo_arc(cr, ex - 2, ey + 2, 7, 0, 2 * M_PI);
    SetRgb(cr, INK);
    cairo_fill(cr);
    cairo_arc(cr, ex - 4, ey - 1, 2.2, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_move_to(cr, ex - 15, ey - 1);
    cairo_curve_to(cr, ex - 10, ey - 16, ex + 10, ey - 16, ex + 15, ey - 1);
    cairo_curve_to(cr, ex + 8, ey - 6, ex - 8, ey - 6, ex - 15, ey - 1);
    SetRgb(cr, Darker(skin, 0.2));
    cairo_fill_preserve(cr);
    SetRgb(cr, Darker(skin, 0.6));
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_move_to(cr, ex - 18, ey - 20);   // a bushy brow
    cairo_curve_to(cr, ex - 8, ey - 30, ex + 10, ey - 28, ex + 20, ey - 18);
    SetRgb(cr, {0.9, 0.92, 0.88}, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // the shell: belly rim, then the dome with its plates
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 40);
    cairo_scale(cr, 1.0, 0.28);
    cairo_arc(cr, 0, 0, 200, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, {0.82, 0.74, 0.5});
    cairo_fill_preserve(cr);
    SetRgb(cr, INK, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 40);
    cairo_scale(cr, 1.0, 0.7);
    cairo_arc(cr, 0, 0, 190, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
    GlossyFill(cr, shell, cx - 40, cy - 40, 190);
    cairo_new_path(cr);
    // plates: a middle row of hexagons and a rim of smaller ones
    auto plate = [&](double px, double py, double r) {
        for (int i = 0; i <= 6; i++) {
            double a = M_PI / 6 + i * M_PI / 3;
            double x = px + r * std::cos(a), y = py + r * 0.8 * std::sin(a);
            if (i == 0) cairo_move_to(cr, x, y);
            else cairo_line_to(cr, x, y);
        }
        cairo_close_path(cr);
        SetRgb(cr, Lighter(shell, 0.25), 0.55);
        cairo_fill_preserve(cr);
        SetRgb(cr, Darker(shell, 0.6), 0.9);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    };
    for (int i = -2; i <= 2; i++) plate(cx + i * 62, cy - 40 + std::abs(i) * 12, 30);
    for (int i = -3; i <= 3; i++) plate(cx + i * 50, cy + 18 + std::abs(i) * 2, 20);
    // barnacles and a tuft of weed: the turtle is very old
    TRandom rnd(747);
    for (int i = 0; i < 9; i++) {
        double a = M_PI * rnd.Range(1.1, 1.9), r = rnd.Range(140, 175);
        double bx = cx + r * std::cos(a), by = cy + 40 + r * 0.7 * std::sin(a);
        cairo_arc(cr, bx, by, rnd.Range(3, 6), 0, 2 * M_PI);
        SetRgb(cr, {0.85, 0.85, 0.8}, 0.9);
        cairo_fill_preserve(cr);
        SetRgb(cr, INK, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 5; i++) {
        double x = cx + 20 + i * 8;
        cairo_move_to(cr, x, cy - 85);
        cairo_curve_to(cr, x + 10, cy - 105, x - 6, cy - 120, x + 4, cy - 140 - i * 4);
        SetRgb(cr, KELP, 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void MakeWizardBackground() {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    PaintMurkyWater(s, {0.10, 0.36, 0.48}, {0.02, 0.08, 0.16}, 0.8, 741);
    cairo_t* cr = cairo_create(s);
    TRandom rnd(749);
    LightShafts(cr, rnd);
    // the floor of the grotto, with glowing shells on it
    cairo_move_to(cr, 0, H);
    for (int x = 0; x <= W; x += 8) cairo_line_to(cr, x, 470 - 40 * FractalNoise(x * 0.006, 1.5, 4, 751));
    cairo_line_to(cr, W, H);
    cairo_close_path(cr);
    SetRgb(cr, {0.05, 0.14, 0.2});
    cairo_fill(cr);
    OldTurtle(cr, 600, 330);
    // four sleeping shells glimmering faintly around the turtle, one per power-up
    const double SX[4] = {230, 420, 800, 930}, SY[4] = {470, 500, 480, 450};
    for (int k = 1; k <= 4; k++) {
        TRgb c = EFFECT_COLOURS[POWERUP_COLOUR_CODE[k]];
        SoftGlow(cr, SX[k - 1], SY[k - 1] - 8, 46, c, 0.35);
        FanShell(cr, SX[k - 1], SY[k - 1], 18, 7, Lighter(c, 0.3), c, 1);
    }
    for (int i = 0; i < 8; i++)
        KelpStrand(cr, rnd.Range(0, W), H + 10, rnd.Range(150, 330), rnd.Range(-40, 40), rnd.Range(6, 10),
                   Mix(KELP, {0.05, 0.2, 0.15}, 0.5), rnd);
    GrottoRock(cr);
    for (int i = 0; i < 160; i++) {   // drifting motes
        double x = rnd.Range(0, W), y = rnd.Range(0, H), r = rnd.Range(0.6, 2.0);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.8, 0.95, 1.0, 0.22);
        cairo_fill(cr);
    }
    Vignette(cr, W / 2.0, H * 0.4, H * 0.3, W * 0.75, 0.6);
    cairo_destroy(cr);
    SaveJpegPicture(s, "data/bg/bgwizard.jpg", "story", 88);
    cairo_surface_destroy(s);
}

}  // namespace

void MakeStoryArt() {
    MakeParchment();
    MakeBorders();
    MakeWizardBackground();
}
