// Effect pictures ("data/effects/"): sparkles glb1..9, glow blobs glo1..9 and
// debris dirt1..9 in the nine colour codes, the bomb flare, the twinkle star,
// the dynamite, the soft glow under stones and pauses, and the light rays.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const int SPARKLE_SIZE = 48;
const int BLOB_SIZE = 64;
const int DIRT_SIZE = 24;
const int FLARE_SIZE = 128;
const int STAR_SIZE = 64;
const int DYNAMITE_SIZE = 40;
const int LOGO_GLOW_SIZE = 256;
const int RAYS_SIZE = 512;

// Writes a radial picture computed per pixel from (distance, angle).
template <typename F>
void SaveRadial(const std::string& path, int size, F shade) {
    cairo_surface_t* s = NewSurface(size, size);
    int stride;
    uint32_t* px = PixelsOf(s, stride);
    double c = size / 2.0;
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            double dx = x + 0.5 - c, dy = y + 0.5 - c;
            double r = std::sqrt(dx * dx + dy * dy) / c;
            double a = std::atan2(dy, dx);
            double R, G, B, A;
            shade(r, a, R, G, B, A);
            A = std::clamp(A, 0.0, 1.0);
            auto ch = [&](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * A * 255 + 0.5); };
            px[y * stride + x] = (static_cast<uint32_t>(A * 255 + 0.5) << 24) | (ch(R) << 16) | (ch(G) << 8) | ch(B);
        }
    cairo_surface_mark_dirty(s);
    SavePicture(s, path, "effects");
    cairo_surface_destroy(s);
}

void MakeSparkle(int code) {
    TRgb c = EFFECT_COLOURS[code];
    SaveRadial("data/effects/glb" + std::to_string(code) + ".png", SPARKLE_SIZE, [&](double r, double a, double& R, double& G, double& B, double& A) {
        double core = std::exp(-r * r * 28.0);
        double halo = std::exp(-r * r * 5.0) * 0.55;
        double ray = std::pow(std::fabs(std::cos(2 * a)), 60.0) * std::max(0.0, 1.0 - r) * 0.9;
        A = std::max(core, halo + ray);
        double white = std::min(1.0, core * 1.2 + ray * 0.4);
        R = c.r + (1 - c.r) * white;
        G = c.g + (1 - c.g) * white;
        B = c.b + (1 - c.b) * white;
    });
}

void MakeGlowBlob(int code) {
    TRgb c = EFFECT_COLOURS[code];
    SaveRadial("data/effects/glo" + std::to_string(code) + ".png", BLOB_SIZE, [&](double r, double, double& R, double& G, double& B, double& A) {
        A = std::exp(-r * r * 4.5) * std::max(0.0, 1.0 - r * r);
        double white = std::exp(-r * r * 30.0) * 0.6;
        R = c.r + (1 - c.r) * white;
        G = c.g + (1 - c.g) * white;
        B = c.b + (1 - c.b) * white;
    });
}

// Debris: a chipped shard of shell or crystal in the colour.
void MakeDirt(int code) {
    TRgb c = EFFECT_COLOURS[code];
    cairo_t* cr = BeginPicture(DIRT_SIZE, DIRT_SIZE);
    TRandom rnd(700 + code);
    const int CORNERS = 6;
    for (int i = 0; i < CORNERS; i++) {
        double a = i * 2 * M_PI / CORNERS + rnd.Range(-0.3, 0.3);
        double r = rnd.Range(5.5, 9.5);
        double x = 12 + r * cos(a), y = 12 + r * sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    GlossyFill(cr, c, 12, 12, 9);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 9);
    cairo_line_to(cr, 13, 7);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    EndPicture(cr, "data/effects/dirt" + std::to_string(code) + ".png", "effects");
}

void MakeDynamite() {
    cairo_t* cr = BeginPicture(DYNAMITE_SIZE, DYNAMITE_SIZE);
    cairo_translate(cr, 20, 22);
    cairo_rotate(cr, -0.5);
    RoundedRectPath(cr, -14, -5.5, 28, 11, 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -6, 0, 6);
    AddStop(p, 0, {1.0, 0.55, 0.45});
    AddStop(p, 0.4, {0.85, 0.12, 0.1});
    AddStop(p, 1, {0.4, 0.02, 0.02});
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgb(cr, 0.2, 0.02, 0.02);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_rectangle(cr, -6, -5.5, 3, 11);
    cairo_rectangle(cr, 4, -5.5, 3, 11);
    cairo_set_source_rgba(cr, 0.95, 0.85, 0.6, 0.9);
    cairo_fill(cr);
    cairo_move_to(cr, 14, 0);
    cairo_curve_to(cr, 18, -2, 17, -8, 20, -10);
    cairo_set_source_rgb(cr, 0.3, 0.25, 0.2);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_identity_matrix(cr);
    SoftGlow(cr, 31, 9, 8, {1.0, 0.8, 0.3}, 1.0);
    EndPicture(cr, "data/effects/dynamite.png", "effects");
}

}  // namespace

void MakeEffectArt() {
    for (int code = 1; code <= 9; code++) {
        MakeSparkle(code);
        MakeGlowBlob(code);
        MakeDirt(code);
    }
    SaveRadial("data/effects/bombflare.png", FLARE_SIZE, [](double r, double a, double& R, double& G, double& B, double& A) {
        double rays = 0.5 + 0.5 * std::cos(a * 12) * std::cos(a * 5 + 1);
        A = std::exp(-r * r * 6) + rays * std::max(0.0, 1 - r) * 0.5;
        R = 1.0;
        G = 0.55 + 0.45 * std::exp(-r * r * 12);
        B = 0.2 + 0.8 * std::exp(-r * r * 20);
    });
    SaveRadial("data/effects/glowstar.png", STAR_SIZE, [](double r, double a, double& R, double& G, double& B, double& A) {
        double arm = std::pow(std::fabs(std::cos(2 * a)), 30.0) * std::max(0.0, 1 - r);
        double diag = std::pow(std::fabs(std::cos(2 * a + M_PI / 2)), 40.0) * std::max(0.0, 0.5 - r) * 1.2;
        A = std::exp(-r * r * 40) + arm + diag;
        R = 1.0;
        G = 0.95;
        B = 0.75 + 0.25 * std::exp(-r * r * 30);
    });
    MakeDynamite();
    SaveRadial("data/effects/logoglow.png", LOGO_GLOW_SIZE, [](double r, double a, double& R, double& G, double& B, double& A) {
        double rays = 0.5 + 0.5 * std::sin(a * 9) * std::sin(a * 4 + 0.7);
        A = std::exp(-r * r * 5) * 0.85 + rays * std::exp(-r * r * 3) * 0.15 * std::max(0.0, 1 - r);
        A *= std::max(0.0, 1 - r * r);
        R = 0.7 + 0.3 * std::exp(-r * r * 10);
        G = 0.92;
        B = 1.0;
    });
    SaveRadial("data/effects/rays2.png", RAYS_SIZE, [](double r, double a, double& R, double& G, double& B, double& A) {
        double beams = std::pow(0.5 + 0.5 * std::sin(a * 7) * std::sin(a * 3 + 0.4), 3.0);
        A = beams * std::exp(-r * 1.8) * std::max(0.0, 1 - r) * 0.7 + std::exp(-r * r * 30) * 0.3;
        R = 0.75;
        G = 0.95;
        B = 1.0;
    });
}
