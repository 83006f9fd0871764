// The painter's kit of the stage pictures: water, light, ground, growing
// things and swimmers, each lit from the upper left like the rest of the art.
#include <algorithm>
#include <cmath>
#include <vector>

#include "stage_pictures.h"

namespace {

// A filled body made of discs along a line of points: tentacles, tails, eels.
struct TSpine {
    std::vector<double> x, y, r;
    void Add(double px, double py, double pr) { x.push_back(px); y.push_back(py); r.push_back(pr); }
    void Path(cairo_t* cr, double grow = 0, double dx = 0, double dy = 0) const {
        for (size_t i = 0; i < x.size(); i++) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x[i] + dx, y[i] + dy, std::max(0.3, r[i] + grow), 0, 2 * M_PI);
        }
    }
};

// Fills a spine lit from the upper left: dark body, lighter ridge along the top.
void FillSpine(cairo_t* cr, const TSpine& s, TRgb c) {
    s.Path(cr);
    SetRgb(cr, Darker(c, 0.25));
    cairo_fill(cr);
    TSpine lit = s;
    for (double& r : lit.r) r *= 0.6;
    lit.Path(cr, 0, -0.3, -0.35);
    SetRgb(cr, c);
    cairo_fill(cr);
    for (double& r : lit.r) r *= 0.45;
    lit.Path(cr, 0, -0.25, -0.45);
    SetRgb(cr, Lighter(c, 0.3), 0.7);
    cairo_fill(cr);
}

}  // namespace

TRgb WaterAt(const TScene& s, double y) { return Mix(s.waterTop, s.waterBottom, std::clamp(y / SP_H, 0.0, 1.0)); }
TRgb Fade(const TScene& s, TRgb c, double y, double amount) { return Mix(c, WaterAt(s, y), amount); }

// ---------------------------------------------------------------- layers

cairo_t* BeginLayer() { return BeginPicture(SP_W, SP_H); }

void FogLayer(const TScene& s, cairo_t* layer, double amount) {
    cairo_save(layer);
    cairo_identity_matrix(layer);
    cairo_set_operator(layer, CAIRO_OPERATOR_ATOP);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, SP_H);
    AddStop(p, 0, s.waterTop, amount);
    AddStop(p, 1, s.waterBottom, amount);
    cairo_set_source(layer, p);
    cairo_paint(layer);
    cairo_pattern_destroy(p);
    cairo_restore(layer);
}

void LayLayer(TScene& s, cairo_t* layer, double dx, double dy, int blur, double shadowAlpha) {
    cairo_surface_t* surface = cairo_surface_reference(cairo_get_target(layer));
    cairo_destroy(layer);
    cairo_surface_flush(surface);
    if (blur > 0) {
        // the shadow is soft, so it is blurred at half size and laid back scaled up
        cairo_surface_t* shadow = NewSurface(SP_W / 2, SP_H / 2);
        cairo_t* sc = cairo_create(shadow);
        cairo_scale(sc, 0.5, 0.5);
        cairo_set_source_rgba(sc, 0.0, 0.02, 0.08, shadowAlpha);
        cairo_mask_surface(sc, surface, 0, 0);
        cairo_destroy(sc);
        BlurSurface(shadow, std::max(1, blur / 2));
        cairo_save(s.cr);
        cairo_translate(s.cr, dx, dy);
        cairo_scale(s.cr, 2.0, 2.0);
        cairo_set_source_surface(s.cr, shadow, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(s.cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(s.cr);
        cairo_restore(s.cr);
        cairo_surface_destroy(shadow);
        cairo_set_source_surface(s.cr, surface, 0, 0);
        cairo_paint(s.cr);
    } else {
        cairo_set_source_surface(s.cr, surface, 0, 0);
        cairo_paint(s.cr);
    }
    cairo_surface_destroy(surface);
}

// ---------------------------------------------------------------- water and light

void PaintWater(TScene& s, double murk) {
    int stride;
    uint32_t* px = PixelsOf(s.surface, stride);
    for (int y = 0; y < SP_H; y++) {
        TRgb row = WaterAt(s, y);
        for (int x = 0; x < SP_W; x++) {
            double n = FractalNoise(x * 0.008, y * 0.011, 4, s.seed) - 0.5;
            double k = 1.0 + n * murk;
            px[y * stride + x] = 0xFF000000u | (Channel(row.r * k) << 16) | (Channel(row.g * k) << 8) | Channel(row.b * k);
        }
    }
    cairo_surface_mark_dirty(s.surface);
}

void PaintSurface(TScene& s, double height, double strength) {
    int stride;
    uint32_t* px = PixelsOf(s.surface, stride);
    for (int y = 0; y < height && y < SP_H; y++) {
        double fall = std::pow(1.0 - y / height, 1.6) * strength;
        for (int x = 0; x < SP_W; x++) {
            double n = FractalNoise(x * 0.018, y * 0.05 + x * 0.004, 3, s.seed + 7);
            double line = std::pow(1.0 - std::fabs(2 * n - 1), 7.0);
            double add = fall * (0.25 + 0.9 * line);
            uint32_t v = px[y * stride + x];
            double r = ((v >> 16) & 255) / 255.0, g = ((v >> 8) & 255) / 255.0, b = (v & 255) / 255.0;
            r += add * 0.75;
            g += add * 0.95;
            b += add;
            px[y * stride + x] = 0xFF000000u | (Channel(r) << 16) | (Channel(g) << 8) | Channel(b);
        }
    }
    cairo_surface_mark_dirty(s.surface);
}

void PaintShafts(cairo_t* cr, TRandom& rnd, int count, double originX, double strength, TRgb c) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < count; i++) {
        double top = originX + rnd.Range(-160, 160), w = rnd.Range(14, 50), lean = rnd.Range(-0.15, 0.45) * SP_H;
        double length = rnd.Range(0.6, 1.05) * SP_H, a = strength * rnd.Range(0.5, 1.0);
        for (int soft = 0; soft < 3; soft++) {   // three widths make a soft edge
            double grow = soft * w * 0.35;
            cairo_move_to(cr, top - grow, -5);
            cairo_line_to(cr, top + w + grow, -5);
            cairo_line_to(cr, top + w * 2.4 + lean + grow * 2, length);
            cairo_line_to(cr, top + lean - grow * 2, length);
            cairo_close_path(cr);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, length);
            AddStop(p, 0, c, a / 3);
            AddStop(p, 0.6, c, a / 6);
            AddStop(p, 1, c, 0);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
    }
    cairo_restore(cr);
}

void PaintCaustics(cairo_t* cr, double x0, double y0, double x1, double y1, double strength, uint32_t seed) {
    int w = static_cast<int>(x1 - x0), h = static_cast<int>(y1 - y0);
    if (w < 1 || h < 1) return;
    cairo_surface_t* net = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    int stride;
    uint32_t* px = PixelsOf(net, stride);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            double n = FractalNoise((x + x0) * 0.03, (y + y0) * 0.045, 2, seed);
            double line = std::pow(1.0 - std::fabs(2 * n - 1), 9.0);
            int a = Channel(line * strength);
            px[y * stride + x] = (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(a * 0.85) << 16) |
                                 (static_cast<uint32_t>(a * 0.97) << 8) | static_cast<uint32_t>(a);
        }
    cairo_surface_mark_dirty(net);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_surface(cr, net, x0, y0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(net);
}

void TextureLayer(cairo_t* layer, double scale, double strength, uint32_t seed) {
    // worked out at half size: the grain of stone is far coarser than a pixel
    const int W = SP_W / 2, H = SP_H / 2;
    cairo_surface_t* grain = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    int stride;
    uint32_t* px = PixelsOf(grain, stride);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            double n = FractalNoise(x * scale * 2, y * scale * 2, 3, seed) * 2 - 1;
            uint32_t a = static_cast<uint32_t>(Channel(std::fabs(n) * 1.6 * strength));
            uint32_t v = n > 0 ? a : 0;   // light bumps and dark pits, premultiplied
            px[y * stride + x] = (a << 24) | (v << 16) | (v << 8) | v;
        }
    cairo_surface_mark_dirty(grain);
    cairo_save(layer);
    cairo_identity_matrix(layer);
    cairo_set_operator(layer, CAIRO_OPERATOR_ATOP);
    cairo_scale(layer, 2, 2);
    cairo_set_source_surface(layer, grain, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(layer), CAIRO_FILTER_BILINEAR);
    cairo_paint(layer);
    cairo_restore(layer);
    cairo_surface_destroy(grain);
}

void PaintVignette(cairo_t* cr, double strength) { Vignette(cr, SP_W / 2.0, SP_H * 0.45, SP_H * 0.32, SP_W * 0.72, strength); }

// ---------------------------------------------------------------- ground

void PaintSeabed(TScene& s, cairo_t* cr, double baseY, double amplitude, TRgb sand, double shade) {
    auto edge = [&](double x) { return baseY - amplitude * (FractalNoise(x * 0.006, 2.5, 3, s.seed + 31) - 0.5) * 2; };
    cairo_move_to(cr, -5, SP_H + 5);
    for (int x = -5; x <= SP_W + 5; x += 6) cairo_line_to(cr, x, edge(x));
    cairo_line_to(cr, SP_W + 5, SP_H + 5);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, baseY - amplitude, 0, SP_H);
    AddStop(p, 0, Fade(s, sand, baseY, 0.45));
    AddStop(p, 0.35, sand);
    AddStop(p, 1, Darker(sand, shade));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // ripples: a dark trough under a lit crest, closer together toward the viewer
    for (double y = baseY + 6; y < SP_H; y += 7 + (y - baseY) * 0.08) {
        double t = (y - baseY) / (SP_H - baseY + 1);
        cairo_move_to(cr, -5, y);
        for (int x = -5; x <= SP_W + 5; x += 10)
            cairo_line_to(cr, x, y + std::sin(x * 0.035 + y * 0.3) * (2 + t * 3) + (edge(x) - baseY) * (1 - t));
        cairo_set_line_width(cr, 1.2 + t * 1.5);
        SetRgb(cr, Darker(sand, 0.35), 0.35);
        cairo_stroke_preserve(cr);
        cairo_save(cr);
        cairo_translate(cr, 0, -1.5 - t);
        SetRgb(cr, Lighter(sand, 0.3), 0.25);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    TRandom& rnd = s.rnd;
    for (int i = 0; i < 90; i++) {   // grains of shell and gravel
        double x = rnd.Range(0, SP_W), y = rnd.Range(baseY + 4, SP_H);
        double r = 0.6 + (y - baseY) / (SP_H - baseY + 1) * rnd.Range(0.5, 2.5);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        SetRgb(cr, rnd.Unit() < 0.5 ? Lighter(sand, 0.4) : Darker(sand, 0.4), 0.6);
        cairo_fill(cr);
    }
}

void PaintRidge(cairo_t* cr, double baseY, double amplitude, double scale, uint32_t seed, TRgb c) {
    cairo_move_to(cr, -5, SP_H + 5);
    for (int x = -5; x <= SP_W + 5; x += 5) cairo_line_to(cr, x, baseY - amplitude * FractalNoise(x * scale, 0.5, 4, seed));
    cairo_line_to(cr, SP_W + 5, SP_H + 5);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, baseY - amplitude, 0, SP_H);
    AddStop(p, 0, Lighter(c, 0.12));
    AddStop(p, 1, Darker(c, 0.3));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void DrawRock(cairo_t* cr, TRandom& rnd, double cx, double cy, double w, double h, TRgb c) {
    const int N = 14;
    double px[N], py[N];
    double phase = rnd.Range(0, 6.28);
    for (int i = 0; i < N; i++) {
        double a = i * 2 * M_PI / N;
        double k = 0.8 + 0.25 * std::sin(a * 3 + phase) + rnd.Range(-0.08, 0.08);
        px[i] = cx + std::cos(a) * w * 0.5 * k;
        py[i] = cy + std::sin(a) * h * 0.5 * k;
        if (py[i] > cy + h * 0.32) py[i] = cy + h * 0.32 + (py[i] - cy - h * 0.32) * 0.3;   // sits flat
    }
    cairo_move_to(cr, (px[N - 1] + px[0]) / 2, (py[N - 1] + py[0]) / 2);
    for (int i = 0; i < N; i++) {
        int j = (i + 1) % N;
        cairo_curve_to(cr, px[i], py[i], px[i], py[i], (px[i] + px[j]) / 2, (py[i] + py[j]) / 2);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - w * 0.22, cy - h * 0.3, w * 0.05, cx, cy, std::max(w, h) * 0.62);
    AddStop(p, 0, Lighter(c, 0.35));
    AddStop(p, 0.5, c);
    AddStop(p, 1, Darker(c, 0.6));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip(cr);
    for (int i = 0; i < 4; i++) {   // cracks
        double x = cx + rnd.Range(-0.35, 0.35) * w, y = cy + rnd.Range(-0.3, 0.2) * h;
        cairo_move_to(cr, x, y);
        for (int k = 0; k < 3; k++) {
            x += rnd.Range(-0.12, 0.12) * w;
            y += rnd.Range(0.05, 0.15) * h;
            cairo_line_to(cr, x, y);
        }
        SetRgb(cr, Darker(c, 0.6), 0.6);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    int spots = static_cast<int>(w * h / 500) + 3;
    for (int i = 0; i < spots; i++) {   // lichen and pits
        double x = cx + rnd.Range(-0.45, 0.45) * w, y = cy + rnd.Range(-0.45, 0.3) * h;
        cairo_arc(cr, x, y, rnd.Range(0.8, 2.6), 0, 2 * M_PI);
        SetRgb(cr, rnd.Unit() < 0.5 ? Lighter(c, 0.45) : Darker(c, 0.5), 0.5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void DrawPebbles(cairo_t* cr, TRandom& rnd, double x0, double x1, double y, int count, TRgb c) {
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(x0, x1), r = rnd.Range(2.5, 7), yy = y + rnd.Range(-6, 6);
        cairo_save(cr);
        cairo_translate(cr, x, yy);
        cairo_scale(cr, 1.0, rnd.Range(0.55, 0.8));
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        TRgb k = Mix(c, {0.9, 0.85, 0.75}, rnd.Range(0, 0.4));
        cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, yy - r * 0.4, 0.5, x, yy, r);
        AddStop(p, 0, Lighter(k, 0.4));
        AddStop(p, 1, Darker(k, 0.4));
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

// ---------------------------------------------------------------- growing things

namespace {
void Branch(cairo_t* cr, TRandom& rnd, double x, double y, double angle, double length, double width, int level, TRgb c) {
    double ex = x + std::cos(angle) * length, ey = y + std::sin(angle) * length;
    double bend = rnd.Range(-0.25, 0.25) * length;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + bend, y - length * 0.3, ex - bend, ey + length * 0.3, ex, ey);
    SetRgb(cr, Mix(Darker(c, 0.25), Lighter(c, 0.15), 1.0 - level / 4.0));
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (level <= 0 || length < 4) {
        cairo_arc(cr, ex, ey, width * 0.8, 0, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.45));
        cairo_fill(cr);
        return;
    }
    int children = rnd.Int(2, 3);
    for (int k = 0; k < children; k++) {
        double a = angle + (k - (children - 1) / 2.0) * rnd.Range(0.35, 0.6) + rnd.Range(-0.12, 0.12);
        Branch(cr, rnd, ex, ey, a, length * rnd.Range(0.62, 0.8), width * 0.72, level - 1, c);
    }
}
}  // namespace

void DrawBranchCoral(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c) {
    int stems = rnd.Int(2, 3);
    for (int i = 0; i < stems; i++)
        Branch(cr, rnd, x + rnd.Range(-0.1, 0.1) * size, y, -M_PI / 2 + rnd.Range(-0.45, 0.45), size * 0.36,
               size * 0.075, 3, c);
}

void DrawFanCoral(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c) {
    const int RIBS = 15;
    double spread = rnd.Range(1.0, 1.35), lean = rnd.Range(-0.2, 0.2);
    std::vector<double> ex(RIBS), ey(RIBS);
    for (int i = 0; i < RIBS; i++) {
        double a = -M_PI / 2 + lean + (i / (RIBS - 1.0) - 0.5) * spread * 2;
        double len = size * (0.85 + 0.15 * std::sin(i * 1.7)) * rnd.Range(0.92, 1.05);
        ex[i] = x + std::cos(a) * len;
        ey[i] = y + std::sin(a) * len * 0.9;
    }
    // the web between the ribs, thin and translucent
    cairo_move_to(cr, x, y);
    for (int i = 0; i < RIBS; i++) cairo_line_to(cr, ex[i], ey[i]);
    cairo_close_path(cr);
    SetRgb(cr, c, 0.35);
    cairo_fill(cr);
    for (int i = 0; i < RIBS; i++) {
        cairo_move_to(cr, x, y);
        double mx = (x + ex[i]) / 2 + rnd.Range(-6, 6), my = (y + ey[i]) / 2;
        cairo_curve_to(cr, mx, my, mx, my, ex[i], ey[i]);
        SetRgb(cr, Lighter(c, 0.1), 0.95);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    for (double t = 0.25; t < 1.0; t += 0.14) {   // the lattice across the ribs
        cairo_move_to(cr, x + (ex[0] - x) * t, y + (ey[0] - y) * t);
        for (int i = 1; i < RIBS; i++) cairo_line_to(cr, x + (ex[i] - x) * t, y + (ey[i] - y) * t);
        SetRgb(cr, Lighter(c, 0.3), 0.7);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x, y + 4);
    cairo_line_to(cr, x, y - size * 0.2);
    SetRgb(cr, Darker(c, 0.4));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void DrawBrainCoral(cairo_t* cr, TRandom& rnd, double x, double y, double r, TRgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 0.72);
    cairo_arc(cr, 0, 0, r, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.55, r * 0.05, x, y - r * 0.2, r * 1.05);
    AddStop(p, 0, Lighter(c, 0.45));
    AddStop(p, 0.55, c);
    AddStop(p, 1, Darker(c, 0.55));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip(cr);
    for (double ring = 0.18; ring < 1.05; ring += 0.13) {   // the winding grooves
        cairo_move_to(cr, x - r * ring, y);
        for (double a = M_PI; a <= 2 * M_PI + 0.01; a += 0.07) {
            double k = ring + 0.035 * std::sin(a * 19 + ring * 30 + rnd.Range(0, 0.3));
            cairo_line_to(cr, x + std::cos(a) * r * k, y + std::sin(a) * r * k * 0.72);
        }
        SetRgb(cr, Darker(c, 0.5), 0.55);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void DrawTubeSponges(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c) {
    int count = rnd.Int(3, 5);
    for (int i = 0; i < count; i++) {
        double tx = x + (i - (count - 1) / 2.0) * size * 0.28 + rnd.Range(-3, 3);
        double h = size * rnd.Range(0.5, 1.0), w = size * rnd.Range(0.14, 0.2), lean = rnd.Range(-0.15, 0.15) * h;
        TRgb k = Mix(c, Lighter(c, 0.3), rnd.Unit());
        cairo_move_to(cr, tx - w * 0.7, y);
        cairo_curve_to(cr, tx - w * 0.6, y - h * 0.5, tx - w * 0.5 + lean, y - h * 0.8, tx - w * 0.55 + lean, y - h);
        cairo_line_to(cr, tx + w * 0.55 + lean, y - h);
        cairo_curve_to(cr, tx + w * 0.5 + lean, y - h * 0.8, tx + w * 0.6, y - h * 0.5, tx + w * 0.7, y);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(tx - w, 0, tx + w, 0);
        AddStop(p, 0, Lighter(k, 0.3));
        AddStop(p, 0.45, k);
        AddStop(p, 1, Darker(k, 0.55));
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_save(cr);
        cairo_translate(cr, tx + lean, y - h);
        cairo_scale(cr, w * 0.55, w * 0.2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, Darker(k, 0.7));
        cairo_fill(cr);
    }
}

void DrawAnemone(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y - size * 0.12);
    cairo_scale(cr, size * 0.3, size * 0.16);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Darker(c, 0.4));
    cairo_fill(cr);
    int count = 22;
    for (int i = 0; i < count; i++) {
        double t = i / (count - 1.0) - 0.5;
        double bx = x + t * size * 0.55, by = y - size * 0.2;
        double len = size * rnd.Range(0.45, 0.8) * (1 - std::fabs(t) * 0.6);
        double a = -M_PI / 2 + t * 1.8 + rnd.Range(-0.2, 0.2);
        double ex = bx + std::cos(a) * len, ey = by + std::sin(a) * len;
        double wave = rnd.Range(-0.3, 0.3) * len;
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx + wave, by - len * 0.4, ex - wave, ey + len * 0.3, ex, ey);
        SetRgb(cr, Mix(c, Lighter(c, 0.35), rnd.Unit()), 0.95);
        cairo_set_line_width(cr, size * 0.045);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_arc(cr, ex, ey, size * 0.03, 0, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.6));
        cairo_fill(cr);
    }
}

void DrawKelp(cairo_t* cr, TRandom& rnd, double x, double baseY, double height, double width, TRgb c) {
    double phase = rnd.Range(0, 6.28), sway = rnd.Range(15, 40) * (rnd.Unit() < 0.5 ? -1 : 1);
    auto at = [&](double t, double& px, double& py) {
        px = x + std::sin(t * 2.6 + phase) * sway * t + sway * 0.6 * t * t;
        py = baseY - height * t;
    };
    // the stipe
    cairo_move_to(cr, x, baseY);
    for (double t = 0.02; t <= 1.0; t += 0.02) {
        double px, py;
        at(t, px, py);
        cairo_line_to(cr, px, py);
    }
    SetRgb(cr, Darker(c, 0.35));
    cairo_set_line_width(cr, width * 0.28);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // the blades, each with a float at its foot and a lit midrib
    int blades = static_cast<int>(height / 26) + 3;
    for (int i = 1; i <= blades; i++) {
        double t = i / (blades + 0.5), px, py;
        at(t, px, py);
        double side = (i % 2) ? 1 : -1;
        double len = width * rnd.Range(1.6, 2.6) * (1.1 - t * 0.4), wid = width * rnd.Range(0.35, 0.5);
        double a = -M_PI / 2 + side * rnd.Range(0.5, 1.0);
        double ex = px + std::cos(a) * len, ey = py + std::sin(a) * len;
        double nx = -std::sin(a) * wid, ny = std::cos(a) * wid;
        cairo_move_to(cr, px, py);
        cairo_curve_to(cr, px + nx + (ex - px) * 0.3, py + ny + (ey - py) * 0.3, ex + nx * 0.6, ey + ny * 0.6, ex, ey);
        cairo_curve_to(cr, ex - nx * 0.6, ey - ny * 0.6, px - nx + (ex - px) * 0.3, py - ny + (ey - py) * 0.3, px, py);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(px, py, ex, ey);
        AddStop(p, 0, Darker(c, 0.2));
        AddStop(p, 0.6, c);
        AddStop(p, 1, Lighter(c, 0.25));
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, ex, ey);
        SetRgb(cr, Lighter(c, 0.35), 0.55);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_arc(cr, px, py, width * 0.14, 0, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.15));
        cairo_fill(cr);
    }
}

void DrawSeagrass(cairo_t* cr, TRandom& rnd, double x, double baseY, double height, TRgb c) {
    int blades = rnd.Int(5, 9);
    for (int i = 0; i < blades; i++) {
        double bx = x + rnd.Range(-8, 8), h = height * rnd.Range(0.55, 1.0), lean = rnd.Range(-0.5, 0.5) * h;
        double w = rnd.Range(2.2, 4.0);
        cairo_move_to(cr, bx - w, baseY);
        cairo_curve_to(cr, bx - w, baseY - h * 0.5, bx + lean * 0.5 - w * 0.6, baseY - h * 0.85, bx + lean, baseY - h);
        cairo_curve_to(cr, bx + lean * 0.5 + w * 0.6, baseY - h * 0.85, bx + w, baseY - h * 0.5, bx + w, baseY);
        cairo_close_path(cr);
        TRgb k = Mix(c, Lighter(c, 0.35), rnd.Unit());
        cairo_pattern_t* p = cairo_pattern_create_linear(0, baseY, 0, baseY - h);
        AddStop(p, 0, Darker(k, 0.4));
        AddStop(p, 1, k);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

void DrawTubeWorms(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb tube, TRgb plume) {
    int count = rnd.Int(5, 8);
    for (int i = 0; i < count; i++) {
        double tx = x + rnd.Range(-0.4, 0.4) * size, h = size * rnd.Range(0.5, 1.1), lean = rnd.Range(-0.2, 0.2) * h;
        cairo_move_to(cr, tx, y);
        cairo_curve_to(cr, tx, y - h * 0.5, tx + lean, y - h * 0.7, tx + lean, y - h);
        SetRgb(cr, Darker(tube, 0.3));
        cairo_set_line_width(cr, size * 0.09);
        cairo_stroke_preserve(cr);
        SetRgb(cr, tube);
        cairo_set_line_width(cr, size * 0.05);
        cairo_stroke(cr);
        double px = tx + lean, py = y - h;
        for (int k = 0; k < 13; k++) {   // the feathery red plume, its filaments curling outward
            double a = -M_PI / 2 + (k - 6) * 0.2, len = size * rnd.Range(0.14, 0.22);
            double ex = px + std::cos(a) * len, ey = py + std::sin(a) * len;
            cairo_move_to(cr, px, py);
            cairo_curve_to(cr, px + std::cos(a) * len * 0.5, py + std::sin(a) * len * 0.5 - 2,
                           ex + std::cos(a + 1.2) * len * 0.2, ey, ex + (k < 6 ? -2 : 2), ey + 3);
        }
        SetRgb(cr, plume);
        cairo_set_line_width(cr, size * 0.022);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_arc(cr, px, py, size * 0.025, 0, 2 * M_PI);
        SetRgb(cr, Darker(plume, 0.3));
        cairo_fill(cr);
    }
}

void DrawSeaPen(cairo_t* cr, double x, double y, double height, TRgb c, double glow) {
    if (glow > 0) SoftGlow(cr, x, y - height * 0.55, height * 0.7, c, glow);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 3, y - height * 0.4, x - 3, y - height * 0.7, x + 2, y - height);
    SetRgb(cr, Darker(c, 0.3));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (int i = 2; i < 14; i++) {
        double t = i / 14.0, py = y - height * t, px = x + std::sin(t * 3) * 2;
        double len = height * 0.16 * std::sin(t * M_PI);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, px, py);
            cairo_curve_to(cr, px + side * len * 0.5, py - 2, px + side * len, py - 4, px + side * len * 1.1, py - 7);
        }
        SetRgb(cr, Lighter(c, 0.3 * t), 0.9);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
}

// ---------------------------------------------------------------- small things

void DrawShell(cairo_t* cr, double x, double y, double size, double angle, TRgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, size * 0.35);
    cairo_curve_to(cr, -size * 0.75, size * 0.0, -size * 0.6, -size * 0.6, 0, -size * 0.62);
    cairo_curve_to(cr, size * 0.6, -size * 0.6, size * 0.75, 0, 0, size * 0.35);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(-size * 0.2, -size * 0.35, 1, 0, 0, size * 0.7);
    AddStop(p, 0, Lighter(c, 0.55));
    AddStop(p, 0.6, c);
    AddStop(p, 1, Darker(c, 0.45));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = -3; i <= 3; i++) {   // the ribs
        cairo_move_to(cr, 0, size * 0.33);
        cairo_line_to(cr, i * size * 0.16, -size * 0.55 + std::fabs(i) * size * 0.06);
    }
    SetRgb(cr, Darker(c, 0.5), 0.6);
    cairo_set_line_width(cr, std::max(0.8, size * 0.04));
    cairo_stroke(cr);
    cairo_rectangle(cr, -size * 0.22, size * 0.25, size * 0.44, size * 0.14);   // the hinge
    SetRgb(cr, Darker(c, 0.2));
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawStarfish(cairo_t* cr, double x, double y, double r, double angle, TRgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    for (int i = 0; i < 10; i++) {
        double a = -M_PI / 2 + i * M_PI / 5, rr = (i % 2) ? r * 0.4 : r;
        double na = -M_PI / 2 + (i + 1) * M_PI / 5, nr = ((i + 1) % 2) ? r * 0.4 : r;
        if (i == 0) cairo_move_to(cr, std::cos(a) * rr, std::sin(a) * rr);
        double ma = (a + na) / 2;
        cairo_curve_to(cr, std::cos(ma) * (rr + nr) * 0.48, std::sin(ma) * (rr + nr) * 0.48,
                       std::cos(ma) * (rr + nr) * 0.48, std::sin(ma) * (rr + nr) * 0.48, std::cos(na) * nr, std::sin(na) * nr);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(-r * 0.2, -r * 0.25, 1, 0, 0, r);
    AddStop(p, 0, Lighter(c, 0.45));
    AddStop(p, 0.6, c);
    AddStop(p, 1, Darker(c, 0.4));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 5; i++) {   // the bumps along each arm
        double a = -M_PI / 2 + i * 2 * M_PI / 5;
        for (double t = 0.2; t < 0.85; t += 0.17) {
            cairo_arc(cr, std::cos(a) * r * t, std::sin(a) * r * t, std::max(0.7, r * 0.06), 0, 2 * M_PI);
            SetRgb(cr, Lighter(c, 0.6), 0.8);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void DrawUrchin(cairo_t* cr, TRandom& rnd, double x, double y, double r, TRgb c) {
    for (int i = 0; i < 36; i++) {
        double a = M_PI + i * M_PI / 35 + rnd.Range(-0.05, 0.05), len = r * rnd.Range(1.6, 2.3);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * len, y + std::sin(a) * len * 0.9);
    }
    SetRgb(cr, Darker(c, 0.2));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, r, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.5, 0.5, x, y, r);
    AddStop(p, 0, Lighter(c, 0.4));
    AddStop(p, 1, Darker(c, 0.5));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void DrawBubbles(cairo_t* cr, TRandom& rnd, double x, double y, int count, double size) {
    double by = y;
    for (int i = 0; i < count; i++) {
        double r = size * rnd.Range(0.4, 1.0) * (1 + i * 0.04);
        double bx = x + std::sin(i * 0.9 + x) * size * 1.5;
        cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
        cairo_pattern_t* p = cairo_pattern_create_radial(bx, by, r * 0.3, bx, by, r);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.8, 0.95, 1.0, 0.05);
        cairo_pattern_add_color_stop_rgba(p, 0.85, 0.8, 0.95, 1.0, 0.25);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 1.0, 1.0, 0.7);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_arc(cr, bx - r * 0.35, by - r * 0.35, r * 0.28, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
        cairo_fill(cr);
        by -= r * 2 + rnd.Range(3, 14);
    }
}

void DrawMotes(cairo_t* cr, TRandom& rnd, int count, TRgb c, double alpha, double glowChance) {
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(0, SP_W), y = rnd.Range(0, SP_H), r = rnd.Range(0.5, 1.8);
        if (rnd.Unit() < glowChance) SoftGlow(cr, x, y, r * 6, c, alpha * 0.5);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        SetRgb(cr, c, alpha * rnd.Range(0.4, 1.0));
        cairo_fill(cr);
    }
}

void DrawCrab(cairo_t* cr, double x, double y, double size, TRgb c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2) {
        for (int leg = 0; leg < 3; leg++) {   // legs
            double lx = x + side * size * (0.3 + leg * 0.12);
            cairo_move_to(cr, x + side * size * 0.2, y);
            cairo_line_to(cr, lx + side * size * 0.2, y - size * 0.12);
            cairo_line_to(cr, lx + side * size * 0.35, y + size * 0.28);
        }
        SetRgb(cr, Darker(c, 0.3));
        cairo_set_line_width(cr, size * 0.07);
        cairo_stroke(cr);
        cairo_move_to(cr, x + side * size * 0.3, y - size * 0.1);   // arm and claw
        cairo_line_to(cr, x + side * size * 0.55, y - size * 0.4);
        cairo_set_line_width(cr, size * 0.09);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, x + side * size * 0.58, y - size * 0.52);
        cairo_rotate(cr, side * 0.5);
        cairo_scale(cr, size * 0.16, size * 0.11);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetRgb(cr, c);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size * 0.42, size * 0.26);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - size * 0.12, y - size * 0.12, 1, x, y, size * 0.42);
    AddStop(p, 0, Lighter(c, 0.45));
    AddStop(p, 1, Darker(c, 0.35));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, x + side * size * 0.1, y - size * 0.3, size * 0.05, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.08);
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- swimmers

void DrawFish(cairo_t* cr, double x, double y, double length, double facing, double tilt, TRgb body, TRgb fin, int pattern) {
    double L = length, H = length * 0.42;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, facing, 1);
    cairo_rotate(cr, tilt);
    // tail and fins behind the body
    cairo_move_to(cr, -L * 0.38, 0);
    cairo_curve_to(cr, -L * 0.5, -H * 0.2, -L * 0.6, -H * 0.6, -L * 0.66, -H * 0.62);
    cairo_curve_to(cr, -L * 0.6, -H * 0.2, -L * 0.6, H * 0.2, -L * 0.66, H * 0.62);
    cairo_curve_to(cr, -L * 0.6, H * 0.6, -L * 0.5, H * 0.2, -L * 0.38, 0);
    cairo_move_to(cr, -L * 0.15, -H * 0.42);
    cairo_curve_to(cr, -L * 0.05, -H * 0.95, L * 0.1, -H * 0.85, L * 0.15, -H * 0.42);
    cairo_move_to(cr, -L * 0.1, H * 0.4);
    cairo_curve_to(cr, -L * 0.05, H * 0.75, L * 0.05, H * 0.7, L * 0.08, H * 0.4);
    SetRgb(cr, fin, 0.92);
    cairo_fill(cr);
    // the body
    cairo_move_to(cr, L * 0.5, 0);
    cairo_curve_to(cr, L * 0.45, -H * 0.6, -L * 0.1, -H * 0.62, -L * 0.42, -H * 0.08);
    cairo_line_to(cr, -L * 0.42, H * 0.08);
    cairo_curve_to(cr, -L * 0.1, H * 0.62, L * 0.45, H * 0.55, L * 0.5, 0);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -H * 0.5, 0, H * 0.5);
    AddStop(p, 0, Darker(body, 0.3));
    AddStop(p, 0.45, body);
    AddStop(p, 1, Lighter(body, 0.55));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    if (pattern == 1) {
        for (int i = 0; i < 3; i++) {
            double sx = L * (0.22 - i * 0.22);
            cairo_rectangle(cr, sx - L * 0.05, -H, L * 0.08, H * 2);
        }
        cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
        cairo_fill(cr);
    } else if (pattern == 2) {
        for (int i = 0; i < 9; i++) {
            cairo_arc(cr, L * (0.3 - (i % 5) * 0.15), H * (-0.2 + (i / 5) * 0.25 + (i % 2) * 0.08), L * 0.035, 0, 2 * M_PI);
            cairo_new_sub_path(cr);
        }
        SetRgb(cr, Darker(body, 0.6), 0.8);
        cairo_fill(cr);
    } else if (pattern == 3) {
        cairo_rectangle(cr, -L, -H * 0.05, L * 2, H * 0.18);
        SetRgb(cr, Lighter(fin, 0.3), 0.8);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
    SetRgb(cr, Darker(body, 0.6), 0.7);
    cairo_set_line_width(cr, std::max(0.7, L * 0.015));
    cairo_stroke(cr);
    // gill line and eye
    cairo_arc(cr, L * 0.18, 0, H * 0.42, -0.9, 0.9);
    SetRgb(cr, Darker(body, 0.45), 0.5);
    cairo_set_line_width(cr, std::max(0.6, L * 0.012));
    cairo_stroke(cr);
    cairo_arc(cr, L * 0.34, -H * 0.1, std::max(0.8, L * 0.055), 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.97, 0.97, 0.95);
    cairo_fill(cr);
    cairo_arc(cr, L * 0.35, -H * 0.1, std::max(0.5, L * 0.032), 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.03, 0.03, 0.06);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawSchool(cairo_t* cr, TRandom& rnd, double cx, double cy, double spreadX, double spreadY, int count,
                double length, double facing, TRgb body, TRgb fin) {
    for (int i = 0; i < count; i++) {
        double a = rnd.Range(0, 2 * M_PI), d = std::sqrt(rnd.Unit());
        double x = cx + std::cos(a) * spreadX * d, y = cy + std::sin(a) * spreadY * d;
        double l = length * rnd.Range(0.8, 1.15);
        DrawFish(cr, x, y, l, facing, rnd.Range(-0.12, 0.12), Mix(body, fin, rnd.Range(0, 0.3)), fin, 0);
    }
}

void DrawJelly(cairo_t* cr, TRandom& rnd, double x, double y, double r, TRgb c, double glow) {
    if (glow > 0) SoftGlow(cr, x, y, r * 3.2, c, glow);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int t = 0; t < 9; t++) {   // trailing tentacles
        double tx = x - r * 0.8 + t * r * 0.2, len = r * rnd.Range(2.0, 3.6), ph = rnd.Range(0, 6);
        cairo_move_to(cr, tx, y + r * 0.1);
        for (double k = 0; k <= 1.0; k += 0.08)
            cairo_line_to(cr, tx + std::sin(k * 7 + ph) * r * 0.18 * (0.3 + k), y + r * 0.1 + len * k);
        SetRgb(cr, Lighter(c, 0.3), 0.45);
        cairo_set_line_width(cr, std::max(0.8, r * 0.05));
        cairo_stroke(cr);
    }
    for (int t = 0; t < 4; t++) {   // frilled oral arms
        double tx = x - r * 0.3 + t * r * 0.2, len = r * rnd.Range(1.2, 1.8);
        cairo_move_to(cr, tx, y);
        for (double k = 0; k <= 1.0; k += 0.05)
            cairo_line_to(cr, tx + std::sin(k * 14 + t) * r * 0.12, y + len * k);
        SetRgb(cr, Lighter(c, 0.15), 0.6);
        cairo_set_line_width(cr, r * 0.12);
        cairo_stroke(cr);
    }
    // the bell: a dome with a scalloped rim
    cairo_move_to(cr, x - r, y + r * 0.15);
    cairo_curve_to(cr, x - r * 1.05, y - r * 0.9, x + r * 1.05, y - r * 0.9, x + r, y + r * 0.15);
    for (int k = 7; k >= 0; k--) {
        double sx = x - r + (k + 0.5) * r / 4;
        cairo_curve_to(cr, sx + r / 8, y + r * 0.32, sx - r / 8, y + r * 0.32, sx - r / 8, y + r * 0.15);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.25, y - r * 0.45, r * 0.05, x, y, r * 1.1);
    AddStop(p, 0, Lighter(c, 0.7), 0.95);
    AddStop(p, 0.5, c, 0.65);
    AddStop(p, 1, Darker(c, 0.2), 0.5);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, Lighter(c, 0.5), 0.8);
    cairo_set_line_width(cr, std::max(0.8, r * 0.05));
    cairo_stroke(cr);
    // the four rings inside the bell
    for (int k = 0; k < 4; k++) {
        cairo_arc(cr, x + (k - 1.5) * r * 0.32, y - r * 0.2, r * 0.12, 0, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.6), 0.5);
        cairo_set_line_width(cr, std::max(0.7, r * 0.04));
        cairo_stroke(cr);
    }
}

void DrawTurtle(cairo_t* cr, double x, double y, double size, double angle) {
    const TRgb SHELL = {0.42, 0.36, 0.18}, SKIN = {0.55, 0.58, 0.42};
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    double S = size;
    // flippers: the front pair long and swept back
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, S * 0.2, side * S * 0.2);
        cairo_curve_to(cr, S * 0.3, side * S * 0.42, S * 0.12, side * S * 0.6, -S * 0.14, side * S * 0.66);
        cairo_curve_to(cr, -S * 0.02, side * S * 0.5, S * 0.02, side * S * 0.34, S * 0.0, side * S * 0.24);
        cairo_close_path(cr);
        cairo_move_to(cr, -S * 0.3, side * S * 0.18);
        cairo_curve_to(cr, -S * 0.38, side * S * 0.38, -S * 0.52, side * S * 0.38, -S * 0.55, side * S * 0.3);
        cairo_curve_to(cr, -S * 0.48, side * S * 0.22, -S * 0.42, side * S * 0.15, -S * 0.36, side * S * 0.1);
        cairo_close_path(cr);
    }
    cairo_pattern_t* fp = cairo_pattern_create_linear(S * 0.25, 0, -S * 0.5, 0);
    AddStop(fp, 0, Lighter(SKIN, 0.2));
    AddStop(fp, 1, Darker(SKIN, 0.35));
    cairo_set_source(cr, fp);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fp);
    SetRgb(cr, Darker(SKIN, 0.5), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // head
    cairo_save(cr);
    cairo_translate(cr, S * 0.5, 0);
    cairo_scale(cr, S * 0.16, S * 0.12);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* hp = cairo_pattern_create_radial(S * 0.46, -S * 0.05, 1, S * 0.5, 0, S * 0.16);
    AddStop(hp, 0, Lighter(SKIN, 0.4));
    AddStop(hp, 1, Darker(SKIN, 0.3));
    cairo_set_source(cr, hp);
    cairo_fill(cr);
    cairo_pattern_destroy(hp);
    for (int i = 0; i < 7; i++) {   // the scales of the head
        cairo_arc(cr, S * (0.44 + (i % 4) * 0.05), S * (-0.06 + (i / 4) * 0.08 + (i % 2) * 0.02), S * 0.018, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
    }
    SetRgb(cr, Darker(SKIN, 0.35), 0.6);
    cairo_fill(cr);
    cairo_arc(cr, S * 0.56, -S * 0.05, S * 0.025, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
    cairo_fill(cr);
    // shell
    cairo_save(cr);
    cairo_scale(cr, S * 0.42, S * 0.3);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* sp = cairo_pattern_create_radial(-S * 0.1, -S * 0.12, S * 0.02, 0, 0, S * 0.45);
    AddStop(sp, 0, Lighter(SHELL, 0.45));
    AddStop(sp, 0.6, SHELL);
    AddStop(sp, 1, Darker(SHELL, 0.5));
    cairo_set_source(cr, sp);
    cairo_fill(cr);
    cairo_pattern_destroy(sp);
    // scutes: a middle row of hexagons and the rim plates
    for (int i = -1; i <= 1; i++) {
        double cx = i * S * 0.22;
        cairo_move_to(cr, cx - S * 0.1, 0);
        cairo_line_to(cr, cx - S * 0.05, -S * 0.09);
        cairo_line_to(cr, cx + S * 0.05, -S * 0.09);
        cairo_line_to(cr, cx + S * 0.1, 0);
        cairo_line_to(cr, cx + S * 0.05, S * 0.09);
        cairo_line_to(cr, cx - S * 0.05, S * 0.09);
        cairo_close_path(cr);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx - S * 0.05, side * S * 0.09);
            cairo_line_to(cr, cx - S * 0.08, side * S * 0.24);
        }
    }
    SetRgb(cr, Darker(SHELL, 0.55), 0.85);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_scale(cr, S * 0.42, S * 0.3);
    cairo_arc(cr, 0, 0, 0.92, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Lighter(SHELL, 0.45), 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawRay(cairo_t* cr, double x, double y, double span, double angle, TRgb top, TRgb rim) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    double S = span;
    cairo_move_to(cr, -S * 0.2, 0);   // the whip tail
    cairo_curve_to(cr, -S * 0.4, S * 0.02, -S * 0.55, -S * 0.04, -S * 0.72, S * 0.03);
    SetRgb(cr, Darker(top, 0.2));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    // seen from above: a rounded head, wings swept back on a convex leading
    // edge and a hollow trailing edge
    cairo_move_to(cr, S * 0.22, 0);
    cairo_curve_to(cr, S * 0.22, -S * 0.12, S * 0.1, -S * 0.36, -S * 0.1, -S * 0.5);
    cairo_curve_to(cr, -S * 0.13, -S * 0.5, -S * 0.14, -S * 0.47, -S * 0.12, -S * 0.44);
    cairo_curve_to(cr, -S * 0.1, -S * 0.3, -S * 0.14, -S * 0.14, -S * 0.22, 0);
    cairo_curve_to(cr, -S * 0.14, S * 0.14, -S * 0.1, S * 0.3, -S * 0.12, S * 0.44);
    cairo_curve_to(cr, -S * 0.14, S * 0.47, -S * 0.13, S * 0.5, -S * 0.1, S * 0.5);
    cairo_curve_to(cr, S * 0.1, S * 0.36, S * 0.22, S * 0.12, S * 0.22, 0);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -S * 0.5, 0, S * 0.5);
    AddStop(p, 0, Darker(top, 0.35));
    AddStop(p, 0.5, Lighter(top, 0.25));
    AddStop(p, 1, Darker(top, 0.35));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, rim, 0.7);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {   // the paddle fins either side of the mouth
        cairo_move_to(cr, S * 0.2, side * S * 0.045);
        cairo_curve_to(cr, S * 0.26, side * S * 0.03, S * 0.3, side * S * 0.05, S * 0.29, side * S * 0.075);
        cairo_curve_to(cr, S * 0.26, side * S * 0.09, S * 0.22, side * S * 0.085, S * 0.2, side * S * 0.075);
        cairo_close_path(cr);
        SetRgb(cr, Lighter(top, 0.15));
        cairo_fill_preserve(cr);
        SetRgb(cr, rim, 0.6);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_arc(cr, S * 0.18, side * S * 0.07, S * 0.008, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.02, 0.02, 0.03);
        cairo_fill(cr);
    }
    cairo_save(cr);   // the raised back
    cairo_scale(cr, S * 0.17, S * 0.07);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Lighter(top, 0.2), 0.45);
    cairo_fill(cr);
    for (int i = 0; i < 8; i++) {   // pale markings on the shoulders
        double a = i * 2.4, d = 0.12 + (i % 3) * 0.07;
        cairo_arc(cr, std::cos(a) * S * d * 0.5 - S * 0.02, std::sin(a) * S * d * 1.3, S * 0.01, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
    }
    SetRgb(cr, Lighter(rim, 0.4), 0.7);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawSeahorse(cairo_t* cr, double x, double y, double size, TRgb c) {
    TSpine body;
    // from the crown down the belly into the curled tail
    for (int i = 0; i <= 60; i++) {
        double t = i / 60.0;
        double px, py, r;
        if (t < 0.55) {
            double u = t / 0.55;
            px = std::sin(u * M_PI) * 0.18 - u * 0.02;
            py = -0.45 + u * 0.85;
            r = 0.09 + std::sin(u * M_PI) * 0.07;
        } else {
            double u = (t - 0.55) / 0.45, a = u * 1.9 * M_PI, rad = 0.16 * (1 - u * 0.75);
            px = -0.02 - std::sin(a) * rad;
            py = 0.4 + 0.16 - std::cos(a) * rad;
            r = 0.07 * (1 - u * 0.8) + 0.01;
        }
        body.Add(x + px * size, y + py * size, r * size);
    }
    // snout and head
    TSpine head;
    for (int i = 0; i <= 12; i++) {
        double t = i / 12.0;
        head.Add(x + (-0.02 - t * 0.24) * size, y + (-0.42 + t * 0.12) * size, (0.1 - t * 0.065) * size);
    }
    cairo_move_to(cr, x + 0.12 * size, y - 0.15 * size);   // the dorsal fin
    cairo_curve_to(cr, x + 0.28 * size, y - 0.1 * size, x + 0.3 * size, y + 0.05 * size, x + 0.16 * size, y + 0.1 * size);
    cairo_close_path(cr);
    SetRgb(cr, Lighter(c, 0.4), 0.7);
    cairo_fill(cr);
    FillSpine(cr, body, c);
    FillSpine(cr, head, c);
    for (int i = 2; i < 30; i += 3) {   // rings of the armour
        cairo_arc(cr, body.x[i], body.y[i], body.r[i] * 0.95, M_PI * 0.1, M_PI * 0.9);
        SetRgb(cr, Darker(c, 0.45), 0.5);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_arc(cr, x - 0.05 * size, y - 0.44 * size, 0.028 * size, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
    cairo_fill(cr);
    cairo_arc(cr, x - 0.058 * size, y - 0.448 * size, 0.01 * size, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
}

void DrawOctopus(cairo_t* cr, TRandom& rnd, double x, double y, double size, TRgb c) {
    for (int arm = 0; arm < 8; arm++) {
        TSpine s;
        double a = M_PI * (0.05 + arm / 7.0 * 0.9), curl = rnd.Range(2.0, 4.0) * (arm < 4 ? 1 : -1);
        double px = x + std::cos(a) * size * 0.15, py = y + size * 0.15;
        double dir = a;
        for (int i = 0; i < 40; i++) {
            double t = i / 40.0;
            s.Add(px, py, size * 0.075 * (1 - t * 0.9));
            dir += curl * 0.012 * (0.3 + t * 2.2) - 0.004;
            px += std::cos(dir) * size * 0.022;
            py += std::sin(dir) * size * 0.022;
        }
        FillSpine(cr, s, Darker(c, 0.1 * (arm % 2)));
        for (int i = 4; i < 34; i += 4) {   // suckers
            cairo_arc(cr, s.x[i] + s.r[i] * 0.4, s.y[i] + s.r[i] * 0.4, s.r[i] * 0.35, 0, 2 * M_PI);
            SetRgb(cr, Lighter(c, 0.55), 0.85);
            cairo_fill(cr);
        }
    }
    cairo_save(cr);
    cairo_translate(cr, x, y - size * 0.12);
    cairo_scale(cr, size * 0.28, size * 0.34);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - size * 0.1, y - size * 0.3, size * 0.02, x, y - size * 0.1, size * 0.36);
    AddStop(p, 0, Lighter(c, 0.5));
    AddStop(p, 0.6, c);
    AddStop(p, 1, Darker(c, 0.45));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 14; i++) {   // mottled skin
        cairo_arc(cr, x + rnd.Range(-0.2, 0.2) * size, y + rnd.Range(-0.38, 0.05) * size, size * rnd.Range(0.01, 0.03), 0, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.4), 0.6);
        cairo_fill(cr);
    }
    for (int side = -1; side <= 1; side += 2) {
        double ex = x + side * size * 0.14, ey = y + size * 0.02;
        cairo_arc(cr, ex, ey, size * 0.06, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.95, 0.9, 0.7);
        cairo_fill(cr);
        cairo_rectangle(cr, ex - size * 0.035, ey - size * 0.012, size * 0.07, size * 0.024);
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
        cairo_fill(cr);
    }
}

void DrawAnglerfish(cairo_t* cr, double x, double y, double size, double facing) {
    const TRgb BODY = {0.22, 0.16, 0.2};
    const TRgb LURE = {0.55, 1.0, 0.9};
    double S = size;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, facing, 1);
    // the rod and its light
    cairo_move_to(cr, S * 0.1, -S * 0.38);
    cairo_curve_to(cr, S * 0.3, -S * 0.8, S * 0.6, -S * 0.75, S * 0.72, -S * 0.42);
    SetRgb(cr, Lighter(BODY, 0.3));
    cairo_set_line_width(cr, S * 0.025);
    cairo_stroke(cr);
    SoftGlow(cr, S * 0.72, -S * 0.38, S * 0.7, LURE, 0.55);
    SoftGlow(cr, S * 0.72, -S * 0.38, S * 0.18, {1, 1, 1}, 0.9);
    cairo_arc(cr, S * 0.72, -S * 0.38, S * 0.045, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.95, 1, 1);
    cairo_fill(cr);
    // tail and fins
    cairo_move_to(cr, -S * 0.45, 0);
    cairo_line_to(cr, -S * 0.75, -S * 0.25);
    cairo_curve_to(cr, -S * 0.7, 0, -S * 0.7, 0, -S * 0.75, S * 0.25);
    cairo_close_path(cr);
    cairo_move_to(cr, -S * 0.1, -S * 0.38);
    cairo_curve_to(cr, -S * 0.2, -S * 0.55, -S * 0.35, -S * 0.45, -S * 0.4, -S * 0.22);
    cairo_close_path(cr);
    SetRgb(cr, Darker(BODY, 0.2));
    cairo_fill(cr);
    // the round body
    cairo_move_to(cr, S * 0.45, -S * 0.05);
    cairo_curve_to(cr, S * 0.45, -S * 0.5, -S * 0.3, -S * 0.5, -S * 0.48, 0);
    cairo_curve_to(cr, -S * 0.3, S * 0.45, S * 0.4, S * 0.45, S * 0.48, S * 0.12);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(S * 0.35, -S * 0.2, S * 0.02, 0, 0, S * 0.55);
    AddStop(p, 0, {0.55, 0.5, 0.5});
    AddStop(p, 0.45, BODY);
    AddStop(p, 1, Darker(BODY, 0.6));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // the open mouth with its needle teeth
    cairo_move_to(cr, S * 0.48, -S * 0.06);
    cairo_curve_to(cr, S * 0.3, -S * 0.02, S * 0.22, S * 0.1, S * 0.25, S * 0.2);
    cairo_curve_to(cr, S * 0.35, S * 0.22, S * 0.45, S * 0.2, S * 0.5, S * 0.12);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.06, 0.02, 0.04);
    cairo_fill(cr);
    for (int i = 0; i < 6; i++) {
        double t = i / 5.0;
        double tx = S * (0.46 - t * 0.18), ty = S * (-0.05 + t * 0.15);
        cairo_move_to(cr, tx - S * 0.012, ty);
        cairo_line_to(cr, tx + S * 0.012, ty);
        cairo_line_to(cr, tx + S * 0.01, ty + S * 0.07);
        cairo_close_path(cr);
        double bx = S * (0.3 + t * 0.18), by = S * (0.2 - t * 0.05);
        cairo_move_to(cr, bx - S * 0.012, by);
        cairo_line_to(cr, bx + S * 0.012, by);
        cairo_line_to(cr, bx - S * 0.005, by - S * 0.07);
        cairo_close_path(cr);
    }
    cairo_set_source_rgb(cr, 0.92, 0.92, 0.85);
    cairo_fill(cr);
    for (int i = 0; i < 9; i++) {   // pale lights along the flank
        cairo_arc(cr, S * (0.2 - i * 0.07), S * (0.05 + std::sin(i * 0.7) * 0.03), S * 0.012, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
    }
    cairo_set_source_rgba(cr, 0.55, 1.0, 0.9, 0.8);
    cairo_fill(cr);
    for (int i = 0; i < 24; i++) {   // warts and mottling
        double a = i * 2.39, d = 0.12 + (i % 5) * 0.06;
        cairo_arc(cr, std::cos(a) * S * d - S * 0.05, std::sin(a) * S * d * 0.8, S * (0.008 + (i % 3) * 0.006), 0, 2 * M_PI);
        cairo_new_sub_path(cr);
    }
    SetRgb(cr, Lighter(BODY, 0.25), 0.7);
    cairo_fill(cr);
    // the lure's light on the face and a small pale eye
    SoftGlow(cr, S * 0.35, -S * 0.25, S * 0.25, LURE, 0.25);
    cairo_arc(cr, S * 0.25, -S * 0.2, S * 0.045, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.75, 0.85, 0.8);
    cairo_fill(cr);
    cairo_arc(cr, S * 0.26, -S * 0.2, S * 0.02, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawEel(cairo_t* cr, double x, double y, double length, double facing, TRgb c) {
    TSpine s;
    for (int i = 0; i <= 70; i++) {
        double t = i / 70.0;
        double px = x + facing * (0.5 - t) * length, py = y + std::sin(t * 8) * length * 0.05 * t;
        double r = length * 0.035 * (t < 0.1 ? 0.6 + t * 4 : 1.0 - (t - 0.1) * 0.9);
        s.Add(px, py, r);
    }
    FillSpine(cr, s, c);
    cairo_arc(cr, x + facing * 0.47 * length, y - length * 0.012, length * 0.01, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.95, 0.9, 0.5);
    cairo_fill(cr);
}
