// Power-up pictures ("data/pu/"): the four holders (little sea creatures in
// the power-up colours) with their two blink pictures (eyes half shut, shut),
// the four shells they sit in, and the four pearls.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const int HOLDER_SIZE = 96;
const int SHELL_W = 120, SHELL_H = 100;
const int PEARL_SIZE = 40;
const double HOLDER_CX = 48, HOLDER_CY = 52, HOLDER_R = 28;

TRgb PowerUpColour(int k) { return EFFECT_COLOURS[POWERUP_COLOUR_CODE[k]]; }

// The creature's crown tells the power-ups apart without colour: 1 spines
// (aimed shot), 2 swirling fins (shuffle), 3 trailing tentacles (moss sweep),
// 4 claws (dynamite).
void DrawCrown(cairo_t* cr, int k, TRgb c) {
    TRgb dark = Darker(c, 0.55);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (k == 1) {
        for (int i = 0; i < 9; i++) {
            double a = M_PI + i * M_PI / 8;
            cairo_move_to(cr, HOLDER_CX + (HOLDER_R - 6) * cos(a - 0.15), HOLDER_CY + (HOLDER_R - 6) * sin(a - 0.15));
            cairo_line_to(cr, HOLDER_CX + (HOLDER_R + 14) * cos(a), HOLDER_CY + (HOLDER_R + 14) * sin(a));
            cairo_line_to(cr, HOLDER_CX + (HOLDER_R - 6) * cos(a + 0.15), HOLDER_CY + (HOLDER_R - 6) * sin(a + 0.15));
            cairo_close_path(cr);
            SetRgb(cr, Lighter(c, 0.25));
            cairo_fill_preserve(cr);
            SetRgb(cr, dark);
            cairo_set_line_width(cr, 1.3);
            cairo_stroke(cr);
        }
    } else if (k == 2) {
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, HOLDER_CX + side * (HOLDER_R - 4), HOLDER_CY - 4);
            cairo_curve_to(cr, HOLDER_CX + side * (HOLDER_R + 18), HOLDER_CY - 22, HOLDER_CX + side * (HOLDER_R + 14), HOLDER_CY + 12,
                           HOLDER_CX + side * (HOLDER_R - 2), HOLDER_CY + 10);
            cairo_close_path(cr);
            SetRgb(cr, Lighter(c, 0.3), 0.95);
            cairo_fill_preserve(cr);
            SetRgb(cr, dark);
            cairo_set_line_width(cr, 1.3);
            cairo_stroke(cr);
        }
        cairo_arc(cr, HOLDER_CX, HOLDER_CY - HOLDER_R - 2, 7, M_PI * 0.9, M_PI * 2.6);
        SetRgb(cr, Lighter(c, 0.4));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    } else if (k == 3) {
        for (int i = 0; i < 5; i++) {
            double x = HOLDER_CX - 18 + i * 9;
            cairo_move_to(cr, x, HOLDER_CY + 10);
            cairo_curve_to(cr, x - 6, HOLDER_CY + 24, x + 6, HOLDER_CY + 32, x - 2, HOLDER_CY + 42);
            SetRgb(cr, dark);
            cairo_set_line_width(cr, 5);
            cairo_stroke_preserve(cr);
            SetRgb(cr, Lighter(c, 0.35));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
    } else {
        for (int side = -1; side <= 1; side += 2) {
            double x = HOLDER_CX + side * (HOLDER_R + 8), y = HOLDER_CY - 14;
            cairo_move_to(cr, HOLDER_CX + side * (HOLDER_R - 6), HOLDER_CY + 4);
            cairo_line_to(cr, x, y + 6);
            SetRgb(cr, dark);
            cairo_set_line_width(cr, 6);
            cairo_stroke_preserve(cr);
            SetRgb(cr, c);
            cairo_set_line_width(cr, 3.5);
            cairo_stroke(cr);
            cairo_arc(cr, x, y, 9, side > 0 ? 0.6 * M_PI : -0.6 * M_PI + M_PI * 2, side > 0 ? 2.4 * M_PI : 0.4 * M_PI + M_PI * 2);
            cairo_new_path(cr);
            cairo_move_to(cr, x, y);
            cairo_arc(cr, x, y, 9, -M_PI * 0.05 + (side > 0 ? -0.35 * M_PI : 0.4 * M_PI), M_PI * 1.6 + (side > 0 ? -0.35 * M_PI : 0.4 * M_PI));
            cairo_close_path(cr);
            SetRgb(cr, Lighter(c, 0.2));
            cairo_fill_preserve(cr);
            SetRgb(cr, dark);
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
        }
    }
}

// eyes: 0 open, 1 half shut, 2 shut
void DrawHolder(cairo_t* cr, int k, int eyes) {
    TRgb c = PowerUpColour(k);
    DrawCrown(cr, k, c);
    GlossyBead(cr, HOLDER_CX, HOLDER_CY, HOLDER_R, c);
    cairo_arc(cr, HOLDER_CX, HOLDER_CY + 6, HOLDER_R * 0.6, 0.15 * M_PI, 0.85 * M_PI);
    SetRgb(cr, Lighter(c, 0.5), 0.5);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // cheeks and a smile
    for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, HOLDER_CX + side * 17, HOLDER_CY + 9, 4.5, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1.0, 0.5, 0.6, 0.45);
        cairo_fill(cr);
    }
    cairo_arc(cr, HOLDER_CX, HOLDER_CY + 8, 6, 0.15 * M_PI, 0.85 * M_PI);
    SetRgb(cr, Darker(c, 0.7));
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
        double ex = HOLDER_CX + side * 10, ey = HOLDER_CY - 5;
        cairo_save(cr);
        cairo_translate(cr, ex, ey);
        cairo_scale(cr, 6.5, 8);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        if (eyes == 2) {
            cairo_new_path(cr);
            cairo_arc(cr, ex, ey - 2, 6, 0.15 * M_PI, 0.85 * M_PI);
            cairo_set_source_rgb(cr, 0.05, 0.05, 0.12);
            cairo_set_line_width(cr, 2.2);
            cairo_stroke(cr);
            continue;
        }
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.12);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        cairo_arc(cr, ex + side, ey + 1.5, 3.8, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.12);
        cairo_fill(cr);
        cairo_arc(cr, ex - 0.5, ey - 0.5, 1.4, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
        if (eyes == 1) {
            // the lid covers the upper half
            cairo_save(cr);
            cairo_translate(cr, ex, ey);
            cairo_scale(cr, 7.2, 8.7);
            cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
            cairo_close_path(cr);
            cairo_restore(cr);
            SetRgb(cr, Darker(c, 0.1));
            cairo_fill_preserve(cr);
            cairo_set_source_rgb(cr, 0.05, 0.05, 0.12);
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
    }
}

void SaveHolder(int k, int eyes, const std::string& path) {
    cairo_t* cr = BeginPicture(HOLDER_SIZE, HOLDER_SIZE);
    DrawHolder(cr, k, eyes);
    EndPictureWithShadow(cr, path, "powerups", 0, 3, 2, 0.45);
}

// A scallop shell cradle, open, its inside lit in the power-up's colour.
void MakeShell(int k) {
    TRgb c = PowerUpColour(k);
    cairo_t* cr = BeginPicture(SHELL_W, SHELL_H);
    double cx = SHELL_W / 2.0, cy = 78;
    // upper valve, opened behind
    for (int i = 0; i < 9; i++) {
        double a0 = M_PI * 1.08 + i * M_PI * 0.84 / 9, a1 = a0 + M_PI * 0.84 / 9;
        cairo_move_to(cr, cx, cy - 6);
        cairo_arc(cr, cx, cy - 6, 56, a0, a1);
        cairo_close_path(cr);
        SetRgb(cr, Mix(Lighter(c, 0.55), Lighter(c, 0.3), (i % 2) * 1.0));
        cairo_fill_preserve(cr);
        SetRgb(cr, Darker(c, 0.55));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    SoftGlow(cr, cx, cy - 18, 40, Lighter(c, 0.4), 0.6);
    // lower valve in front
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, 0.38);
    cairo_arc(cr, 0, 0, 54, 0, M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy, 0, cy + 21);
    AddStop(p, 0, Lighter(c, 0.6));
    AddStop(p, 1, Darker(c, 0.3));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, Darker(c, 0.6));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    for (int i = 1; i < 8; i++) {
        double a = i * M_PI / 8;
        cairo_move_to(cr, cx, cy + 2);
        cairo_line_to(cr, cx + 52 * cos(a), cy + 52 * 0.38 * sin(a));
    }
    SetRgb(cr, Darker(c, 0.4), 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    EndPictureWithShadow(cr, "data/pu/pushell" + std::to_string(k) + ".png", "powerups", 0, 3, 3, 0.5);
}

void MakePearl(int k) {
    TRgb c = Mix(PowerUpColour(k), {1, 1, 1}, 0.15);
    cairo_t* cr = BeginPicture(PEARL_SIZE, PEARL_SIZE);
    DrawPearlBody(cr, PEARL_SIZE / 2.0, PEARL_SIZE / 2.0, 16, c);
    EndPicture(cr, "data/pu/pearl" + std::to_string(k) + ".png", "powerups");
}

}  // namespace

void MakePowerUpArt() {
    for (int k = 1; k <= 4; k++) {
        SaveHolder(k, 0, "data/pu/puholder" + std::to_string(k) + ".png");
        for (int e = 1; e <= 2; e++) SaveHolder(k, e, "data/pu/pu" + std::to_string(k) + "eyes" + std::to_string(e) + ".png");
        MakeShell(k);
        MakePearl(k);
    }
}
