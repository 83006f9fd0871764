// Fish pictures ("data/fishes/f" + kind + frame + ".png"), facing right, four
// swimming frames each: the tail sweeps through the middle, up, the middle
// and down while the side fin beats, which reads as swimming at 10 frames per
// second. Also the order bubbles 1..3 and the small icon bubble.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

struct TFishLook {
    int kind;
    double length, height;        // body, in pixels
    TRgb back, belly, fin;
    int stripes;                  // vertical bands
    TRgb stripe;
    int tall;                     // 1 for the angelfish-like tall fin
};

const TFishLook FISH_LOOKS[] = {
    {1, 84, 58, {0.95, 0.80, 0.25}, {1.0, 0.95, 0.7}, {0.25, 0.35, 0.75}, 3, {0.15, 0.2, 0.45}, 1},
    {2, 90, 50, {0.95, 0.45, 0.20}, {1.0, 0.85, 0.6}, {0.95, 0.3, 0.15}, 0, {0, 0, 0}, 0},
    {3, 96, 54, {0.20, 0.45, 0.95}, {0.55, 0.8, 1.0}, {1.0, 0.85, 0.2}, 1, {0.08, 0.12, 0.35}, 0},
    {4, 100, 48, {0.20, 0.75, 0.55}, {0.8, 1.0, 0.75}, {0.9, 0.4, 0.7}, 2, {0.05, 0.4, 0.45}, 0},
    {7, 58, 32, {1.0, 0.50, 0.12}, {1.0, 0.8, 0.5}, {0.95, 0.4, 0.1}, 3, {1.0, 1.0, 1.0}, 0},
    {8, 54, 36, {1.0, 0.88, 0.2}, {1.0, 0.97, 0.7}, {1.0, 0.75, 0.1}, 0, {0, 0, 0}, 1},
    {13, 56, 30, {0.25, 0.55, 1.0}, {0.7, 0.9, 1.0}, {0.2, 0.4, 0.9}, 0, {0, 0, 0}, 0},
    {14, 56, 30, {1.0, 0.45, 0.7}, {1.0, 0.8, 0.9}, {1.0, 0.7, 0.3}, 0, {0, 0, 0}, 0},
    {15, 54, 34, {0.95, 0.95, 0.9}, {1.0, 1.0, 0.95}, {1.0, 0.85, 0.2}, 3, {0.12, 0.12, 0.18}, 0},
    {16, 60, 28, {0.35, 0.85, 0.85}, {0.85, 1.0, 1.0}, {0.25, 0.6, 0.7}, 1, {0.1, 0.35, 0.5}, 0},
};

const double TAIL_SWING[4] = {0.0, 0.38, 0.0, -0.38};
const double FIN_BEAT[4] = {1.0, 0.65, 0.3, 0.65};

void BodyPath(cairo_t* cr, double cx, double cy, double L, double H, double bend) {
    double nose = cx + L * 0.5, tail = cx - L * 0.5;
    cairo_new_path(cr);
    cairo_move_to(cr, nose, cy + H * 0.05);
    cairo_curve_to(cr, nose - L * 0.05, cy - H * 0.45, cx + L * 0.05, cy - H * 0.55, cx - L * 0.15, cy - H * 0.42);
    cairo_curve_to(cr, cx - L * 0.3, cy - H * 0.32, tail + L * 0.05, cy - H * 0.12 + bend, tail, cy + bend);
    cairo_curve_to(cr, tail + L * 0.05, cy + H * 0.12 + bend, cx - L * 0.3, cy + H * 0.34, cx - L * 0.15, cy + H * 0.44);
    cairo_curve_to(cr, cx + L * 0.05, cy + H * 0.55, nose - L * 0.05, cy + H * 0.4, nose, cy + H * 0.05);
    cairo_close_path(cr);
}

void DrawFish(cairo_t* cr, const TFishLook& f, int frame, double cx, double cy) {
    double L = f.length, H = f.height;
    double swing = TAIL_SWING[frame];
    double bend = swing * H * 0.18;
    double tailX = cx - L * 0.5;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // tail fin, swinging about its root
    cairo_save(cr);
    cairo_translate(cr, tailX + 3, cy + bend);
    cairo_rotate(cr, swing);
    double tl = H * 0.55, th = H * 0.5;
    cairo_move_to(cr, 2, 0);
    cairo_curve_to(cr, -tl * 0.4, -th * 0.2, -tl * 0.8, -th * 0.9, -tl, -th);
    cairo_curve_to(cr, -tl * 0.75, -th * 0.3, -tl * 0.75, th * 0.3, -tl, th);
    cairo_curve_to(cr, -tl * 0.8, th * 0.9, -tl * 0.4, th * 0.2, 2, 0);
    cairo_close_path(cr);
    cairo_pattern_t* tp = cairo_pattern_create_linear(0, 0, -tl, 0);
    AddStop(tp, 0, f.fin);
    AddStop(tp, 1, Lighter(f.fin, 0.35), 0.85);
    cairo_set_source(cr, tp);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(tp);
    SetRgb(cr, Darker(f.fin, 0.6));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
    // back and belly fins
    double finTop = f.tall ? H * 0.95 : H * 0.62;
    cairo_move_to(cr, cx + L * 0.12, cy - H * 0.42);
    cairo_curve_to(cr, cx, cy - finTop, cx - L * 0.2, cy - finTop * 0.95, cx - L * 0.3, cy - H * 0.2 - (f.tall ? H * 0.35 : 0));
    cairo_line_to(cr, cx - L * 0.25, cy - H * 0.3);
    cairo_close_path(cr);
    SetRgb(cr, f.fin, 0.95);
    cairo_fill_preserve(cr);
    SetRgb(cr, Darker(f.fin, 0.6));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    double finLow = f.tall ? H * 0.85 : H * 0.55;
    cairo_move_to(cr, cx - L * 0.02, cy + H * 0.42);
    cairo_curve_to(cr, cx - L * 0.1, cy + finLow, cx - L * 0.22, cy + finLow * 0.9, cx - L * 0.28, cy + H * 0.22 + (f.tall ? H * 0.3 : 0));
    cairo_line_to(cr, cx - L * 0.22, cy + H * 0.3);
    cairo_close_path(cr);
    SetRgb(cr, f.fin, 0.95);
    cairo_fill_preserve(cr);
    SetRgb(cr, Darker(f.fin, 0.6));
    cairo_stroke(cr);
    // body: back colour over a lighter belly, stripes, shading
    BodyPath(cr, cx, cy, L, H, bend);
    cairo_pattern_t* bp = cairo_pattern_create_linear(0, cy - H * 0.5, 0, cy + H * 0.5);
    AddStop(bp, 0.0, Darker(f.back, 0.15));
    AddStop(bp, 0.45, f.back);
    AddStop(bp, 1.0, f.belly);
    cairo_set_source(cr, bp);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(bp);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int s = 0; s < f.stripes; s++) {
        double x = cx + L * 0.22 - s * L * 0.24;
        cairo_move_to(cr, x, cy - H);
        cairo_curve_to(cr, x - 4, cy - H * 0.3, x - 4, cy + H * 0.3, x + 1, cy + H);
        SetRgb(cr, f.stripe, 0.9);
        cairo_set_line_width(cr, L * 0.08);
        cairo_stroke(cr);
    }
    // scales: a few soft arcs, and light from above
    cairo_pattern_t* light = cairo_pattern_create_linear(0, cy - H * 0.5, 0, cy + H * 0.5);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(light, 0.4, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 0, 0.05, 0.15, 0.25);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    cairo_restore(cr);
    cairo_new_path(cr);
    BodyPath(cr, cx, cy, L, H, bend);
    SetRgb(cr, Darker(f.back, 0.65));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // gill line, side fin, eye, mouth
    double headX = cx + L * 0.2;
    cairo_arc(cr, headX - 2, cy, H * 0.32, -0.9, 0.9);
    SetRgb(cr, Darker(f.back, 0.45), 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, headX - L * 0.08, cy + H * 0.12);
    cairo_scale(cr, 1.0, FIN_BEAT[frame]);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -L * 0.08, -H * 0.15, -L * 0.18, -H * 0.05, -L * 0.2, H * 0.12);
    cairo_curve_to(cr, -L * 0.12, H * 0.1, -L * 0.05, H * 0.06, 0, 0);
    cairo_restore(cr);
    SetRgb(cr, Lighter(f.fin, 0.3), 0.9);
    cairo_fill_preserve(cr);
    SetRgb(cr, Darker(f.fin, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    double eyeX = cx + L * 0.33, eyeY = cy - H * 0.1, eyeR = std::max(3.5, H * 0.12);
    cairo_arc(cr, eyeX, eyeY, eyeR, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.1);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, eyeX + eyeR * 0.25, eyeY, eyeR * 0.6, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.03, 0.03, 0.08);
    cairo_fill(cr);
    cairo_arc(cr, eyeX + eyeR * 0.05, eyeY - eyeR * 0.3, eyeR * 0.25, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_move_to(cr, cx + L * 0.5 - 1, cy + H * 0.08);
    cairo_curve_to(cr, cx + L * 0.46, cy + H * 0.14, cx + L * 0.43, cy + H * 0.13, cx + L * 0.41, cy + H * 0.1);
    SetRgb(cr, Darker(f.back, 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void MakeFish(const TFishLook& f) {
    int w = static_cast<int>(f.length * 1.55) + 8, h = static_cast<int>(f.height * (f.tall ? 2.0 : 1.4)) + 12;
    w += w % 2;
    h += h % 2;
    for (int frame = 1; frame <= 4; frame++) {
        cairo_surface_t* art = NewSurface(w, h);
        cairo_t* cr = cairo_create(art);
        // the body's middle sits at the picture's centre, the tail reaching left
        DrawFish(cr, f, frame - 1, w / 2.0 + f.length * 0.12, h / 2.0);
        cairo_destroy(cr);
        cairo_surface_t* out = NewSurface(w, h);
        cairo_t* oc = cairo_create(out);
        PaintWithShadow(oc, art, 0, 3, 2, 0.35);
        cairo_destroy(oc);
        SavePicture(out, "data/fishes/f" + std::to_string(f.kind) + std::to_string(frame) + ".png", "fishes");
        cairo_surface_destroy(out);
        cairo_surface_destroy(art);
    }
}

// Glassy fill and rim for the current path.
void GlassBubbleFill(cairo_t* cr, double top, double bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.97, 1.0, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.35, 0.7, 0.9, 0.30);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, 0.02, 0.08, 0.2, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.9, 1.0, 1.0, 0.95);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

// Order bubbles: centred on the fish; the icons sit below it on a ring of
// radius 63, 86 or 111 at the angles the orders use.
void MakeOrderBubble(int n) {
    const int W[4] = {0, 100, 150, 190}, H[4] = {0, 196, 236, 304};
    const double BY[4] = {0, 63, 82, 104}, RX[4] = {0, 33, 62, 88}, RY[4] = {0, 32, 36, 44};
    int w = W[n], h = H[n];
    cairo_surface_t* art = NewSurface(w, h);
    cairo_t* cr = cairo_create(art);
    double cx = w / 2.0, cy = h / 2.0;
    cairo_save(cr);
    cairo_translate(cr, cx, cy + BY[n]);
    cairo_scale(cr, RX[n], RY[n]);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    GlassBubbleFill(cr, cy + BY[n] - RY[n], cy + BY[n] + RY[n]);
    // little bubbles rising from the body of the bubble to the fish
    const double TY[3] = {20, 29, 37};
    const double TR[3] = {3.0, 4.0, 5.0};
    double top = cy + BY[n] - RY[n];
    for (int i = 0; i < 3; i++) {
        double y = std::min(top - TR[i] - 1, cy + TY[i]);
        cairo_arc(cr, cx - 4 + i * 2, y, TR[i], 0, 2 * M_PI);
        GlassBubbleFill(cr, y - TR[i], y + TR[i]);
    }
    cairo_save(cr);
    cairo_translate(cr, cx - RX[n] * 0.45, cy + BY[n] - RY[n] * 0.55);
    cairo_scale(cr, RX[n] * 0.25, RY[n] * 0.18);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
    cairo_fill(cr);
    cairo_destroy(cr);
    SavePicture(art, "data/fishes/orderbubble" + std::to_string(n) + ".png", "fishes");
    cairo_surface_destroy(art);
}

void MakeIconBubble() {
    const int S = 50;
    cairo_surface_t* art = NewSurface(S, S);
    cairo_t* cr = cairo_create(art);
    cairo_arc(cr, S / 2.0, S / 2.0, 22, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.02, 0.08, 0.2, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.9, 1.0, 1.0, 0.95);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, S / 2.0, S / 2.0, 20, 1.1 * M_PI, 1.45 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_destroy(cr);
    SavePicture(art, "data/fishes/pofbubble.png", "fishes");
    cairo_surface_destroy(art);
}

}  // namespace

void MakeFishArt() {
    for (const TFishLook& f : FISH_LOOKS) MakeFish(f);
    for (int n = 1; n <= 3; n++) MakeOrderBubble(n);
    MakeIconBubble();
}
