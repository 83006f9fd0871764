// Interface pictures ("data/UI/..."; the game reads "data/ui/" and "data/UI/"
// as one folder): pointer and hit shapes, logo, loading bar, buttons, dialog
// panels, menu frame, option controls, help pictures, the level start banner
// and the window icon.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art_common.h"
#include "families.h"

namespace {

const TRgb TEAL = {0.10, 0.62, 0.70};

// A glass pill in a tint, with a pearl rim and a sheen on its upper half.
void GlassButton(cairo_t* cr, double x, double y, double w, double h, TRgb tint) {
    double r = h / 2;
    RoundedRectPath(cr, x, y, w, h, r);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + h);
    AddStop(body, 0.0, Lighter(tint, 0.35), 0.97);
    AddStop(body, 0.5, tint, 0.97);
    AddStop(body, 1.0, Darker(tint, 0.55), 0.97);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // inner glow rising from the bottom, like light through water
    cairo_save(cr);
    RoundedRectPath(cr, x, y, w, h, r);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h);
    cairo_scale(cr, w * 0.5, h * 0.5);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    AddStop(glow, 0.0, Lighter(tint, 0.6), 0.55);
    AddStop(glow, 1.0, tint, 0.0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
    // sheen
    RoundedRectPath(cr, x + 5, y + 3, w - 10, h * 0.45, h * 0.22);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, y + 3, 0, y + 3 + h * 0.45);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0.05);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
    // rims
    RoundedRectPath(cr, x + 0.75, y + 0.75, w - 1.5, h - 1.5, r);
    SetRgb(cr, INK, 0.95);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundedRectPath(cr, x + 2.5, y + 2.5, w - 5, h - 5, r - 2);
    SetRgb(cr, PEARL, 0.8);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void MakePointer() {
    const int SIZE = 32;
    cairo_t* cr = BeginPicture(SIZE, SIZE);
    // the tip sits exactly on pixel (0, 0): the hot spot
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 22);
    cairo_line_to(cr, 5.5, 17);
    cairo_line_to(cr, 9.5, 26);
    cairo_line_to(cr, 13.5, 24);
    cairo_line_to(cr, 9.5, 15.5);
    cairo_line_to(cr, 16.5, 15.5);
    cairo_close_path(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 12, 24);
    AddStop(fill, 0.0, {1, 1, 1});
    AddStop(fill, 1.0, {0.55, 0.88, 1.0});
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    SetRgb(cr, INK);
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, 0, 2, 2);   // solid tip pixel
    SetRgb(cr, INK);
    cairo_fill(cr);
    EndPictureWithShadow(cr, "data/UI/cursor.png", "interface", 2, 3, 1, 0.45);
}

// Hit shapes: small solid squares tested pixel-exact against targets.
void MakeHitShape(const std::string& path, int size) {
    cairo_t* cr = BeginPicture(size, size);
    cairo_rectangle(cr, 0, 0, size, size);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    EndPicture(cr, path, "interface");
}

void Bubble(cairo_t* cr, double x, double y, double r, double alpha) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.1 * alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.8, 0.7, 0.95, 1, 0.2 * alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 1, 1, 0.75 * alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, x - r * 0.35, y - r * 0.35, r * 0.22, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85 * alpha);
    cairo_fill(cr);
}

void MakeLogo() {
    const int W = 600, H = 210;
    cairo_t* cr = BeginPicture(W, H);
    FlatGlow(cr, W / 2.0, 105, 295, 0.34, {0.3, 0.8, 1.0}, 0.35);
    DrawTitleText(cr, "Glimmerdeep", W / 2.0, 126, 74, {1, 1, 1}, {0.35, 0.82, 0.98}, INK, 8);
    TRandom rnd(31);
    for (int i = 0; i < 14; i++) Bubble(cr, rnd.Range(40, W - 40), rnd.Range(20, 60) + (i % 2) * 120, rnd.Range(3, 9), 0.9);
    DrawTitleText(cr, "~ a deep sea puzzle ~", W / 2.0, 178, 24, {1.0, 0.95, 0.75}, GOLD, INK, 4);
    EndPictureWithShadow(cr, "data/UI/logo3.png", "interface", 0, 5, 4, 0.6);
}

// Loading bar: a glass trough; the fill strip's columns run from x 365 to
// 661 on the screen at 9 pixels above the bar's centre.
void MakeLoadingBar() {
    const int W = 340, H = 64;
    cairo_t* cr = BeginPicture(W, H);
    GlassButton(cr, 2, 2, W - 4, H - 8, DEEP);
    RoundedRectPath(cr, W / 2.0 - 153, H / 2.0 - 9 - 23, 306, 46, 14);
    cairo_set_source_rgba(cr, 0.0, 0.03, 0.08, 0.85);
    cairo_fill_preserve(cr);
    SetRgb(cr, PEARL, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    EndPictureWithShadow(cr, "data/UI/loadbar.png", "interface", 0, 3, 2, 0.5);

    // fill: 148 frames of 2 x 42, one row; together they form one glowing bar
    const int FRAMES = 148, FW = 2, FH = 42;
    cairo_t* fc = BeginPicture(FRAMES * FW, FH);
    cairo_rectangle(fc, 0, 4, FRAMES * FW, FH - 8);
    cairo_pattern_t* v = cairo_pattern_create_linear(0, 4, 0, FH - 4);
    cairo_pattern_add_color_stop_rgb(v, 0.0, 0.75, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(v, 0.35, 0.25, 0.85, 0.95);
    cairo_pattern_add_color_stop_rgb(v, 1.0, 0.05, 0.35, 0.6);
    cairo_set_source(fc, v);
    cairo_fill(fc);
    cairo_pattern_destroy(v);
    for (int x = 0; x < FRAMES * FW; x += 12) {   // soft wave stripes
        cairo_move_to(fc, x, FH - 4);
        cairo_line_to(fc, x + 10, 4);
        cairo_set_source_rgba(fc, 1, 1, 1, 0.12);
        cairo_set_line_width(fc, 3);
        cairo_stroke(fc);
    }
    cairo_rectangle(fc, 0, 7, FRAMES * FW, 5);
    cairo_set_source_rgba(fc, 1, 1, 1, 0.45);
    cairo_fill(fc);
    EndPicture(fc, "data/UI/loadfill.png", "interface");
}

// Buttons: 1 (map), 3 (most buttons; its caption sits 21 pixels above the
// centre), 8 (the big bobbing play button).
void MakeButtons() {
    {
        const int W = 180, H = 60;
        cairo_t* cr = BeginPicture(W, H);
        GlassButton(cr, 4, 6, W - 8, 44, TEAL);
        EndPictureWithShadow(cr, "data/UI/button1.png", "interface", 0, 4, 3, 0.55);
    }
    {
        // plate from 30 above to 14 below the centre, shadow beneath
        const int W = 152, H = 64;
        cairo_t* cr = BeginPicture(W, H);
        GlassButton(cr, 3, 2, W - 6, 44, TEAL);
        EndPictureWithShadow(cr, "data/UI/button3.png", "interface", 0, 5, 3, 0.6);
    }
    {
        const int W = 300, H = 116;
        cairo_t* cr = BeginPicture(W, H);
        FlatGlow(cr, W / 2.0, H / 2.0, 148, 0.38, {0.5, 0.95, 1.0}, 0.35);
        GlassButton(cr, 22, 24, W - 44, 64, {0.10, 0.70, 0.62});
        TRandom rnd(81);
        for (int i = 0; i < 6; i++) Bubble(cr, rnd.Range(30, W - 30), rnd.Range(8, 22) + (i % 2) * 86, rnd.Range(3, 6), 0.8);
        EndPictureWithShadow(cr, "data/UI/button8.png", "interface", 0, 6, 4, 0.6);
    }
}

// Mode buttons of the game screen: 1 swap, 2 chain, 3 group (no caption).
void MakeModeButtons() {
    const int W = 100, H = 56;
    const TRgb DOT_COLOURS[3] = {EFFECT_COLOURS[2], EFFECT_COLOURS[1], EFFECT_COLOURS[7]};
    for (int mode = 1; mode <= 3; mode++) {
        cairo_t* cr = BeginPicture(W, H);
        GlassButton(cr, 3, 3, W - 6, H - 8, DEEP);
        double cx = W / 2.0, cy = H / 2.0 - 1;
        auto dot = [&](double x, double y, TRgb c) {
            cairo_arc(cr, x, y, 6.5, 0, 2 * M_PI);
            GlossyFill(cr, c, x, y, 7);
            cairo_new_path(cr);
        };
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        if (mode == 1) {
            // swap: two items and a pair of curved arrows between them
            dot(cx - 20, cy, DOT_COLOURS[0]);
            dot(cx + 20, cy, DOT_COLOURS[1]);
            cairo_set_line_width(cr, 2.5);
            SetRgb(cr, GOLD);
            cairo_arc(cr, cx, cy + 6, 13, 1.15 * M_PI, 1.85 * M_PI);
            cairo_stroke(cr);
            cairo_arc(cr, cx, cy - 6, 13, 0.15 * M_PI, 0.85 * M_PI);
            cairo_stroke(cr);
            cairo_move_to(cr, cx + 7, cy - 10); cairo_line_to(cr, cx + 12, cy - 5); cairo_line_to(cr, cx + 5, cy - 4);
            cairo_stroke(cr);
            cairo_move_to(cr, cx - 7, cy + 10); cairo_line_to(cr, cx - 12, cy + 5); cairo_line_to(cr, cx - 5, cy + 4);
            cairo_stroke(cr);
        } else if (mode == 2) {
            // chain: a path drawn through four items of one colour
            const double PX[4] = {-27, -9, 9, 27}, PY[4] = {7, -7, 7, -7};
            cairo_move_to(cr, cx + PX[0], cy + PY[0]);
            for (int i = 1; i < 4; i++) cairo_line_to(cr, cx + PX[i], cy + PY[i]);
            cairo_set_line_width(cr, 4);
            SetRgb(cr, GOLD);
            cairo_stroke(cr);
            for (int i = 0; i < 4; i++) dot(cx + PX[i], cy + PY[i], DOT_COLOURS[1]);
        } else {
            // group: a cluster of touching items with a pointer on one
            const double PX[5] = {-14, 0, 14, -7, 7}, PY[5] = {-6, -6, -6, 8, 8};
            SoftGlow(cr, cx, cy, 30, GOLD, 0.5);
            for (int i = 0; i < 5; i++) dot(cx + PX[i], cy + PY[i], DOT_COLOURS[2]);
        }
        EndPictureWithShadow(cr, "data/texts/gtbutt" + std::to_string(mode) + ".png", "interface", 0, 3, 2, 0.55);
    }
}

// Dialog panel with a lit title band.
void MakePopup(const std::string& path, int w, int h, int titleTop) {
    cairo_t* cr = BeginPicture(w, h);
    GlassPanel(cr, 6, 6, w - 12, h - 16, 28, 0.94);
    TitleBand(cr, 40, titleTop, w - 80);
    PearlString(cr, 70, w - 70, titleTop + 54);
    CornerShells(cr, 26, 26, w - 26, h - 34);
    EndPictureWithShadow(cr, path, "interface", 0, 8, 6, 0.6);
}

// A pearly rim tube from (x0, y0) to (x1, y1), lit from above.
void RimTube(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    const double SHADES[4] = {0.35, 0.6, 0.85, 1.0};
    LitTube(cr, x0, y0, x1, y1, width, {0.25, 0.45, 0.6}, PEARL, SHADES, 0, 0.06);
}

// Menu frame: the left side (mirrored for the right), and the left halves of
// the top and bottom edges (mirrored at the middle of the screen).
void MakeMenuBorders() {
    TRandom rnd(404);
    {
        const int W = 110, H = 768;
        cairo_t* cr = BeginPicture(W, H);
        EdgeShade(cr, 0, 0, 30, 0, 26, H, 0.85);
        for (int i = 0; i < 7; i++)
            Frond(cr, rnd.Range(4, 40), H + 10, rnd.Range(180, 420), rnd.Range(10, 60),
                  Mix({0.15, 0.55, 0.35}, {0.2, 0.7, 0.6}, rnd.Unit()), rnd, 7);
        RimTube(cr, 14, 30, 14, H - 30, 12);
        for (int y = 60; y < H - 40; y += 90) GlossyBead(cr, 14, y, 6, {0.95, 0.9, 0.95});
        EndPicture(cr, "data/UI/menuborderleft.png", "interface");
    }
    for (int bottom = 0; bottom < 2; bottom++) {
        const int W = 412, H = bottom ? 90 : 64;
        cairo_t* cr = BeginPicture(W, H);
        double y = bottom ? H - 14 : 14;
        EdgeShade(cr, 0, bottom ? H : 0, 0, bottom ? H - 30 : 30, W, H, 0.8);
        RimTube(cr, -20, y, W + 20, y, 12);
        // half of a shell ornament at the middle of the screen
        cairo_save(cr);
        cairo_translate(cr, W, y);
        if (!bottom) cairo_scale(cr, 1, -1);
        for (int i = 0; i < 5; i++) {
            double a = M_PI + i * (M_PI / 2) / 5;
            cairo_move_to(cr, 0, 0);
            cairo_arc(cr, 0, 0, 30, a, a + M_PI / 10);
            cairo_close_path(cr);
            SetRgb(cr, Mix({0.95, 0.85, 0.9}, {1.0, 0.7, 0.8}, i / 5.0));
            cairo_fill_preserve(cr);
            SetRgb(cr, INK, 0.8);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        for (int x = 40; x < W - 40; x += 60) GlossyBead(cr, x, y, 5, {0.95, 0.9, 0.95});
        EndPicture(cr, bottom ? "data/UI/menuborderdown.png" : "data/UI/menuborderup.png", "interface");
    }
}

// Player list pieces: the panel behind the rows, the current player's bar,
// and the name field of the new-player dialog.
void MakePlayerPanels() {
    {
        const int W = 500, H = 330;
        cairo_t* cr = BeginPicture(W, H);
        RoundedRectPath(cr, 4, 4, W - 8, H - 8, 18);
        cairo_set_source_rgba(cr, 0.0, 0.04, 0.10, 0.55);
        cairo_fill_preserve(cr);
        SetRgb(cr, PEARL, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        for (int k = 1; k < 10; k++) {   // row separators (rows every 30 pixels)
            double y = 18 + 30 * k;
            cairo_move_to(cr, 24, y);
            cairo_line_to(cr, W - 24, y);
            cairo_set_source_rgba(cr, 0.5, 0.8, 0.95, 0.15);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        EndPicture(cr, "data/UI/playermenu.png", "interface");
    }
    {
        const int W = 470, H = 30;
        cairo_t* cr = BeginPicture(W, H);
        RoundedRectPath(cr, 1, 1, W - 2, H - 2, 14);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, H);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.45, 0.85, 1.0, 0.55);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.45, 0.7, 0.45);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetRgb(cr, PEARL, 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        EndPicture(cr, "data/UI/bar.png", "interface");
    }
    {
        const int W = 272, H = 54;
        cairo_t* cr = BeginPicture(W, H);
        RoundedRectPath(cr, 2, 2, W - 4, H - 4, 14);
        cairo_set_source_rgba(cr, 0.0, 0.03, 0.08, 0.85);
        cairo_fill_preserve(cr);
        SetRgb(cr, PEARL, 0.85);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        EndPicture(cr, "data/UI/createplayer.png", "interface");
    }
}

void MakeOptionControls() {
    {
        const int W = 330, H = 24;   // the knob runs from 140 left to 140 right of the centre
        cairo_t* cr = BeginPicture(W, H);
        RoundedRectPath(cr, 4, 6, W - 8, 12, 6);
        cairo_set_source_rgba(cr, 0.0, 0.03, 0.08, 0.9);
        cairo_fill_preserve(cr);
        SetRgb(cr, PEARL, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        for (int i = 0; i <= 4; i++) {
            double x = W / 2.0 - 140 + i * 70;
            cairo_arc(cr, x, H / 2.0, 2, 0, 2 * M_PI);
            SetRgb(cr, PEARL, 0.6);
            cairo_fill(cr);
        }
        EndPicture(cr, "data/UI/optionstrack.png", "interface");
    }
    {
        const int S = 36;
        cairo_t* cr = BeginPicture(S, S);
        GlossyBead(cr, S / 2.0, S / 2.0, 14, {0.95, 0.92, 0.98});
        cairo_arc(cr, S / 2.0, S / 2.0, 6, 0, 2 * M_PI);
        SetRgb(cr, TEAL, 0.8);
        cairo_fill(cr);
        EndPictureWithShadow(cr, "data/UI/bnmove2.png", "interface", 1, 2, 1, 0.5);
    }
    {
        const int S = 36;
        cairo_t* cr = BeginPicture(S, S);
        RoundedRectPath(cr, 4, 4, 28, 28, 7);
        cairo_set_source_rgba(cr, 0.0, 0.04, 0.1, 0.9);
        cairo_fill_preserve(cr);
        SetRgb(cr, PEARL, 0.95);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        EndPicture(cr, "data/UI/cb.png", "interface");
    }
    {
        const int W = 36, H = 32;
        cairo_t* cr = BeginPicture(W, H);
        cairo_move_to(cr, 6, 17);
        cairo_line_to(cr, 14, 25);
        cairo_line_to(cr, 30, 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetRgb(cr, INK);
        cairo_set_line_width(cr, 8);
        cairo_stroke_preserve(cr);
        SetRgb(cr, GOLD);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
        EndPictureWithShadow(cr, "data/UI/h.png", "interface", 1, 2, 1, 0.5);
    }
}

// Help pictures: the 3 x 3 board sketch, a moss tile bursting, and a stone
// sinking to the floor of the board.
void MakeHelpPictures() {
    {
        const int S = 168;   // cells 48 apart around the centre: 12..156
        cairo_t* cr = BeginPicture(S, S);
        RoundedRectPath(cr, 3, 3, S - 6, S - 6, 14);
        SetRgb(cr, {0.45, 0.72, 0.82});
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        for (int r = 0; r < 3; r++)
            for (int c = 0; c < 3; c++) {
                double x = 12 + c * 48, y = 12 + r * 48;
                cairo_rectangle(cr, x, y, 48, 48);
                cairo_pattern_t* p = cairo_pattern_create_radial(x + 24, y + 18, 4, x + 24, y + 24, 36);
                cairo_pattern_add_color_stop_rgba(p, 0, 0.10, 0.26, 0.40, 0.92);
                cairo_pattern_add_color_stop_rgba(p, 1, 0.02, 0.08, 0.18, 0.95);
                cairo_set_source(cr, p);
                cairo_fill(cr);
                cairo_pattern_destroy(p);
                cairo_rectangle(cr, x + 0.5, y + 0.5, 47, 47);
                cairo_set_source_rgba(cr, 0.25, 0.5, 0.62, 0.5);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
        RoundedRectPath(cr, 8, 8, S - 16, S - 16, 8);
        SetRgb(cr, INK);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        EndPicture(cr, "data/UI/niner.png", "interface");
    }
    {
        const int S = 64;
        cairo_t* cr = BeginPicture(S, S);
        TRandom rnd(505);
        SoftGlow(cr, 32, 32, 30, {0.6, 1.0, 0.6}, 0.5);
        for (int i = 0; i < 12; i++) {
            double a = i * M_PI / 6 + rnd.Range(-0.2, 0.2), r = rnd.Range(14, 27);
            double x = 32 + r * cos(a), y = 32 + r * sin(a);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, a);
            cairo_scale(cr, 5, 2.4);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            SetRgb(cr, Mix({0.2, 0.6, 0.25}, {0.5, 0.85, 0.35}, rnd.Unit()));
            cairo_fill_preserve(cr);
            SetRgb(cr, {0.05, 0.2, 0.08});
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        EndPicture(cr, "data/UI/helptileexpl.png", "interface");
    }
    {
        const int W = 144, H = 168;
        cairo_t* cr = BeginPicture(W, H);
        // dotted fall line down the middle column and the lit floor
        for (int y = 40; y < 136; y += 10) {
            cairo_arc(cr, 72, y, 2.2, 0, 2 * M_PI);
            SetRgb(cr, GOLD, 0.9);
            cairo_fill(cr);
        }
        cairo_move_to(cr, 62, 128);
        cairo_line_to(cr, 72, 142);
        cairo_line_to(cr, 82, 128);
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        SetRgb(cr, GOLD);
        cairo_stroke(cr);
        cairo_rectangle(cr, 12, 152, 120, 6);
        cairo_pattern_t* floor = cairo_pattern_create_linear(12, 0, 132, 0);
        cairo_pattern_add_color_stop_rgba(floor, 0, 1, 0.9, 0.5, 0);
        cairo_pattern_add_color_stop_rgba(floor, 0.5, 1, 0.95, 0.7, 1);
        cairo_pattern_add_color_stop_rgba(floor, 1, 1, 0.9, 0.5, 0);
        cairo_set_source(cr, floor);
        cairo_fill(cr);
        cairo_pattern_destroy(floor);
        SoftGlow(cr, 72, 20, 20, EFFECT_COLOURS[3], 0.6);
        GlossyBead(cr, 72, 20, 13, EFFECT_COLOURS[3]);
        EndPicture(cr, "data/UI/helpstoneexpl.png", "interface");
    }
}

void MakeGameOnBanner() {
    const int W = 460, H = 140;
    cairo_t* cr = BeginPicture(W, H);
    FlatGlow(cr, W / 2.0, H / 2.0, 228, 0.3, {0.4, 0.9, 1.0}, 0.4);
    DrawTitleText(cr, "Dive in!", W / 2.0, 96, 78, {1.0, 1.0, 0.85}, {1.0, 0.7, 0.25}, INK, 8);
    TRandom rnd(909);
    for (int i = 0; i < 10; i++) Bubble(cr, rnd.Range(30, W - 30), i % 2 ? rnd.Range(10, 26) : rnd.Range(112, 130), rnd.Range(3, 8), 0.9);
    EndPictureWithShadow(cr, "data/texts/gameon.png", "interface", 0, 5, 4, 0.6);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// "icon32.ico": one 32 x 32 entry holding a PNG: a pearl in an open shell.
void MakeIcon() {
    const int S = 32;
    cairo_surface_t* art = NewSurface(S, S);
    cairo_t* cr = cairo_create(art);
    RoundedRectPath(cr, 1, 1, 30, 30, 8);
    cairo_pattern_t* sea = cairo_pattern_create_linear(0, 0, 0, S);
    cairo_pattern_add_color_stop_rgb(sea, 0, 0.15, 0.55, 0.75);
    cairo_pattern_add_color_stop_rgb(sea, 1, 0.02, 0.12, 0.3);
    cairo_set_source(cr, sea);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sea);
    SetRgb(cr, PEARL);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int i = 0; i < 6; i++) {
        double a = M_PI + i * M_PI / 6;
        cairo_move_to(cr, 16, 25);
        cairo_arc(cr, 16, 25, 12, a, a + M_PI / 6);
        cairo_close_path(cr);
        SetRgb(cr, Mix({1.0, 0.8, 0.85}, {0.95, 0.6, 0.75}, i % 2));
        cairo_fill(cr);
    }
    GlossyBead(cr, 16, 17, 6.5, {0.95, 0.95, 1.0});
    cairo_destroy(cr);
    std::string png;
    cairo_surface_write_to_png_stream(art, AppendBytes, &png);
    cairo_surface_destroy(art);
    auto le16 = [](std::string& s, int v) { s.push_back(static_cast<char>(v & 255)); s.push_back(static_cast<char>((v >> 8) & 255)); };
    auto le32 = [&](std::string& s, uint32_t v) { le16(s, v & 0xFFFF); le16(s, v >> 16); };
    std::string ico;
    le16(ico, 0);          // reserved
    le16(ico, 1);          // type: icon
    le16(ico, 1);          // one image
    ico.push_back(static_cast<char>(S));
    ico.push_back(static_cast<char>(S));
    ico.push_back(0);      // no palette
    ico.push_back(0);
    le16(ico, 1);          // planes
    le16(ico, 32);         // bits per pixel
    le32(ico, static_cast<uint32_t>(png.size()));
    le32(ico, 22);         // data follows the 6 + 16 byte header
    ico += png;
    SaveBytes(ico, "icon32.ico");
}

}  // namespace

void MakeInterfaceArt() {
    MakePointer();
    MakeHitShape("data/UI/coll.png", 4);
    MakeHitShape("data/UI/coll2.png", 4);
    MakeHitShape("data/UI/coll3.png", 6);
    MakeLogo();
    MakeLoadingBar();
    MakeButtons();
    MakeModeButtons();
    MakePopup("data/UI/popupsmall.png", 560, 420, 20);
    MakePopup("data/UI/popupmedium.png", 720, 540, 30);
    MakePopup("data/UI/popupbig.png", 900, 640, 52);
    MakeMenuBorders();
    MakePlayerPanels();
    MakeOptionControls();
    MakeHelpPictures();
    MakeGameOnBanner();
    MakeIcon();
}
