// Fish pictures ("data/fishes/f" + kind + frame + ".png"), facing right, four
// swimming frames each: the tail sweeps through the middle, up, the middle
// and down while the side fin beats, which reads as swimming at 10 frames per
// second. Also the small icon bubble and the order bubbles 1..3 (shaped
// around the icon bubble and the items, so they are drawn after the items).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "art_common.h"
#include "families.h"
#include "tools/levelc/level_geometry.h"  // the icon ring the order bubbles hold

namespace {

struct TFishLook {
    int kind;
    double length, height;        // body, in pixels
    TRgb back, belly, fin;
    int stripes;                  // vertical bands
    TRgb stripe;
    int tall;                     // 1 for the angelfish-like tall fin
    double scale = 1.0;           // drawn smaller about the picture's centre
};

const TFishLook FISH_LOOKS[] = {
    // the tall fins of kind 1 stay within 46 pixels above the fish's place
    {1, 84, 58, {0.95, 0.80, 0.25}, {1.0, 0.95, 0.7}, {0.25, 0.35, 0.75}, 3, {0.15, 0.2, 0.45}, 1, 0.88},
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
        cairo_t* cr = BeginPicture(w, h);
        // the body's middle sits at the picture's centre, the tail reaching left
        cairo_translate(cr, w / 2.0, h / 2.0);
        cairo_scale(cr, f.scale, f.scale);
        DrawFish(cr, f, frame - 1, f.length * 0.12, 0);
        EndPictureWithShadow(cr, "data/fishes/f" + std::to_string(f.kind) + std::to_string(frame) + ".png", "fishes", 0, 3, 2, 0.35);
    }
}

// A bubble's rim along the current path: a bright line on a dark one.
void BubbleRim(cairo_t* cr, double darkAlpha) {
    cairo_set_source_rgba(cr, 0.02, 0.08, 0.2, darkAlpha);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.9, 1.0, 1.0, 0.95);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

// Glassy fill and rim for the current path.
void GlassBubbleFill(cairo_t* cr, double top, double bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.97, 1.0, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.35, 0.7, 0.9, 0.30);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    BubbleRim(cr, 0.8);
}

struct TPoint {
    double x, y;
};

// The convex hull of a set of points, counter-clockwise on screen (y down).
std::vector<TPoint> ConvexHull(std::vector<TPoint> points) {
    if (points.size() < 3) return points;
    std::sort(points.begin(), points.end(),
              [](const TPoint& a, const TPoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    auto turn = [](const TPoint& o, const TPoint& a, const TPoint& b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    std::vector<TPoint> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); i++) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0) k--;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, low = k + 1; i > 0; i--) {
        while (k >= low && turn(hull[k - 2], hull[k - 1], points[i - 1]) <= 0) k--;
        hull[k++] = points[i - 1];
    }
    hull.resize(k > 1 ? k - 1 : k);
    return hull;
}

// Adds the centres of the outermost ink pixels of each row of an already
// written picture, drawn centred at (0, dy) with the given scale.
void AddInkOutline(const std::string& relPath, double scale, double dy, std::vector<TPoint>& points) {
    cairo_surface_t* s = cairo_image_surface_create_from_png((runDir + "/" + relPath).c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        std::printf("artgen: cannot read %s\n", relPath.c_str());
        cairo_surface_destroy(s);
        return;
    }
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride;
    const uint32_t* pixels = PixelsOf(s, stride);
    for (int y = 0; y < h; y++) {
        const uint32_t* row = pixels + static_cast<size_t>(y) * stride;
        int left = -1, right = -1;
        for (int x = 0; x < w; x++)
            if (row[x] >> 24) {
                if (left < 0) left = x;
                right = x;
            }
        if (left < 0) continue;
        for (int x : {left, right})
            points.push_back({(x + 0.5 - w * 0.5) * scale, (y + 0.5 - h * 0.5) * scale + dy});
    }
    cairo_surface_destroy(s);
}

// Order bubbles, centred on the fish: the bowl that the icons of the order
// sweep as they wobble along their ring, and no bigger, since the fish's room
// on the screen ends just beyond its icons. An icon is its small bubble with
// the item picture inside (at 0.8 size, 2 pixels lower); the bowl is the
// convex hull of every icon placed anywhere between the outermost wobbled
// angles of the ring, its rim drawn on that outline.
void MakeOrderBubble(int n) {
    const int W[4] = {0, 100, 150, 200}, H[4] = {0, 196, 236, 304};
    const double DEGREE = M_PI / 180.0;
    int w = W[n], h = H[n];
    double cx = w / 2.0, cy = h / 2.0;
    std::vector<TPoint> icon;
    AddInkOutline("data/fishes/pofbubble.png", 1.0, 0, icon);
    for (int colour = 1; colour <= 5; colour++)
        AddInkOutline("data/match3/item1-" + std::to_string(colour) + ".png", 0.8, ICON_ITEM_DROP, icon);
    std::vector<TPoint> iconHull = ConvexHull(icon);
    std::vector<TPoint> swept;
    double ring = ICON_RING[n];
    int first = 2 * (ICON_FIRST_ANGLE[n] - ICON_WOBBLE), last = 2 * (ICON_LAST_ANGLE[n] + ICON_WOBBLE);
    for (int half = first; half <= last; half++) {
        double a = half * 0.5 * DEGREE;
        for (const TPoint& p : iconHull) swept.push_back({std::cos(a) * ring + p.x, std::sin(a) * ring + p.y});
    }
    std::vector<TPoint> bowl = ConvexHull(swept);
    double top = 1e9, bottom = -1e9, halfWidth = 0;
    for (const TPoint& p : bowl) {
        top = std::min(top, cy + p.y);
        bottom = std::max(bottom, cy + p.y);
        halfWidth = std::max(halfWidth, std::fabs(p.x));
    }
    cairo_t* cr = BeginPicture(w, h);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    for (const TPoint& p : bowl) cairo_line_to(cr, cx + p.x, cy + p.y);
    cairo_close_path(cr);
    GlassBubbleFill(cr, top, bottom);
    // little bubbles rising from the body of the bubble to the fish
    const double TY[3] = {20, 29, 37};
    const double TR[3] = {3.0, 4.0, 5.0};
    for (int i = 0; i < 3; i++) {
        double y = std::min(top - TR[i] - 1, cy + TY[i]);
        cairo_arc(cr, cx - 4 + i * 2, y, TR[i], 0, 2 * M_PI);
        GlassBubbleFill(cr, y - TR[i], y + TR[i]);
    }
    // a soft highlight in the upper left of the bowl
    cairo_save(cr);
    cairo_translate(cr, cx - halfWidth * 0.45, top + (bottom - top) * 0.22);
    cairo_scale(cr, halfWidth * 0.25, (bottom - top) * 0.09);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
    cairo_fill(cr);
    EndPicture(cr, "data/fishes/orderbubble" + std::to_string(n) + ".png", "fishes");
}

void MakeIconBubble() {
    const int S = 50;
    cairo_t* cr = BeginPicture(S, S);
    // radius 21: with its rim the small bubble stays within 23 pixels of the
    // icon, so the order bubble around it still fits the fish's room at the
    // ends of the icon ring
    cairo_arc(cr, S / 2.0, S / 2.0, 21, 0, 2 * M_PI);
    BubbleRim(cr, 0.7);
    cairo_arc(cr, S / 2.0, S / 2.0, 19, 1.1 * M_PI, 1.45 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    EndPicture(cr, "data/fishes/pofbubble.png", "fishes");
}

}  // namespace

void MakeFishArt() {
    for (const TFishLook& f : FISH_LOOKS) MakeFish(f);
    // the order bubbles are shaped around the icon bubble and the items
    MakeIconBubble();
    for (int n = 1; n <= 3; n++) MakeOrderBubble(n);
}
