// Output, random numbers, palette and shared drawing routines of the art generator.
#include "art_common.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "platform/writers/writers.h"

std::string runDir;
std::string contactDir;

namespace {

struct TSheetEntry {
    std::string family;
    std::string relPath;
    cairo_surface_t* picture;   // own reference (a thumbnail for large pictures)
};
std::vector<TSheetEntry> sheetEntries;

void MakeParentFolder(const std::string& path) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
}

// Keeps a copy of the picture, shrunk when it is large, for the contact sheet.
void RememberForSheet(cairo_surface_t* surface, const std::string& relPath, const std::string& family) {
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    double scale = std::min(1.0, 256.0 / std::max(w, h));
    int tw = std::max(1, static_cast<int>(w * scale)), th = std::max(1, static_cast<int>(h * scale));
    cairo_surface_t* copy = NewSurface(tw, th);
    cairo_t* cr = cairo_create(copy);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    sheetEntries.push_back({family, relPath, copy});
}

}  // namespace

void SavePicture(cairo_surface_t* surface, const std::string& relPath, const std::string& family) {
    std::string path = runDir + "/" + relPath;
    MakeParentFolder(path);
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        std::printf("artgen: cannot write %s\n", path.c_str());
    RememberForSheet(surface, relPath, family);
}

void SaveJpegPicture(cairo_surface_t* surface, const std::string& relPath, const std::string& family, int quality) {
    std::string path = runDir + "/" + relPath;
    MakeParentFolder(path);
    cairo_surface_flush(surface);
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; y++)
        std::memcpy(&pixels[static_cast<size_t>(y) * w], data + static_cast<size_t>(y) * stride, static_cast<size_t>(w) * 4);
    if (!SaveJpeg(path, w, h, pixels, quality)) {
        std::printf("artgen: cannot write %s\n", path.c_str());
        return;
    }
    RememberForSheet(surface, relPath, family);
}

void SaveBytes(const std::string& bytes, const std::string& relPath) {
    std::string path = runDir + "/" + relPath;
    MakeParentFolder(path);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void SaveReviewPicture(cairo_surface_t* surface, const std::string& fileName) {
    std::filesystem::create_directories(contactDir);
    std::string path = contactDir + "/" + fileName;
    cairo_surface_write_to_png(surface, path.c_str());
}

void WriteContactSheets() {
    std::map<std::string, std::vector<const TSheetEntry*>> families;
    for (const TSheetEntry& e : sheetEntries) families[e.family].push_back(&e);
    const int TILE = 268, LABEL = 18, COLUMNS = 4;
    for (auto& [family, entries] : families) {
        int rows = (static_cast<int>(entries.size()) + COLUMNS - 1) / COLUMNS;
        int width = COLUMNS * TILE * 2, height = rows * (TILE + LABEL);
        cairo_surface_t* sheet = NewSurface(width, height);
        cairo_t* cr = cairo_create(sheet);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.22);
        cairo_paint(cr);
        for (size_t i = 0; i < entries.size(); i++) {
            int cx = static_cast<int>(i % COLUMNS) * TILE * 2, cy = static_cast<int>(i / COLUMNS) * (TILE + LABEL);
            for (int side = 0; side < 2; side++) {
                int ox = cx + side * TILE;
                if (side == 0) {
                    for (int yy = 0; yy < TILE; yy += 12)
                        for (int xx = 0; xx < TILE; xx += 12) {
                            double v = ((xx / 12 + yy / 12) % 2) ? 0.85 : 0.65;
                            cairo_set_source_rgb(cr, v, v, v);
                            cairo_rectangle(cr, ox + xx, cy + yy, 12, 12);
                            cairo_fill(cr);
                        }
                } else {
                    cairo_set_source_rgb(cr, 0.03, 0.06, 0.12);
                    cairo_rectangle(cr, ox, cy, TILE, TILE);
                    cairo_fill(cr);
                }
                cairo_surface_t* pic = entries[i]->picture;
                int pw = cairo_image_surface_get_width(pic), ph = cairo_image_surface_get_height(pic);
                cairo_set_source_surface(cr, pic, ox + (TILE - pw) / 2, cy + (TILE - ph) / 2);
                cairo_paint(cr);
            }
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
            cairo_set_font_size(cr, 13);
            cairo_move_to(cr, cx + 4, cy + TILE + 14);
            cairo_show_text(cr, entries[i]->relPath.c_str());
        }
        cairo_destroy(cr);
        SaveReviewPicture(sheet, family + ".png");
        cairo_surface_destroy(sheet);
    }
    for (TSheetEntry& e : sheetEntries) cairo_surface_destroy(e.picture);
    sheetEntries.clear();
}

// ---------------------------------------------------------------- surfaces

cairo_surface_t* NewSurface(int width, int height) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(s);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
    return s;
}

cairo_t* BeginPicture(int width, int height) {
    cairo_surface_t* picture = NewSurface(width, height);
    cairo_t* cr = cairo_create(picture);
    cairo_surface_destroy(picture);   // the context keeps it
    return cr;
}

void EndPicture(cairo_t* cr, const std::string& relPath, const std::string& family) {
    cairo_surface_t* picture = cairo_surface_reference(cairo_get_target(cr));
    cairo_destroy(cr);
    SavePicture(picture, relPath, family);
    cairo_surface_destroy(picture);
}

void EndPictureWithShadow(cairo_t* cr, const std::string& relPath, const std::string& family,
                          double dx, double dy, int blur, double alpha) {
    cairo_surface_t* picture = cairo_surface_reference(cairo_get_target(cr));
    cairo_destroy(cr);
    int w = cairo_image_surface_get_width(picture), h = cairo_image_surface_get_height(picture);
    cairo_t* shadowed = BeginPicture(w, h);
    PaintWithShadow(shadowed, picture, dx, dy, blur, alpha);
    cairo_surface_destroy(picture);
    EndPicture(shadowed, relPath, family);
}

uint32_t* PixelsOf(cairo_surface_t* surface, int& stride) {
    cairo_surface_flush(surface);
    stride = cairo_image_surface_get_stride(surface) / 4;
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
}

int Channel(double v) { return static_cast<int>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); }

void BlurSurface(cairo_surface_t* surface, int radius) {
    if (radius < 1) return;
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride;
    uint32_t* data = PixelsOf(surface, stride);
    std::vector<uint32_t> line(std::max(w, h));
    auto pass = [&](uint32_t* start, int count, int step) {
        for (int i = 0; i < count; i++) line[i] = start[i * step];
        int window = radius * 2 + 1;
        for (int c = 0; c < 4; c++) {
            int shift = c * 8;
            int sum = 0;
            for (int k = -radius; k <= radius; k++) {
                int idx = std::clamp(k, 0, count - 1);
                sum += (line[idx] >> shift) & 255;
            }
            for (int i = 0; i < count; i++) {
                uint32_t v = static_cast<uint32_t>(sum / window);
                start[i * step] = (start[i * step] & ~(255u << shift)) | (v << shift);
                int out = std::clamp(i - radius, 0, count - 1), in = std::clamp(i + radius + 1, 0, count - 1);
                sum += static_cast<int>((line[in] >> shift) & 255) - static_cast<int>((line[out] >> shift) & 255);
            }
        }
    };
    for (int round = 0; round < 3; round++) {
        for (int y = 0; y < h; y++) pass(data + static_cast<size_t>(y) * stride, w, 1);
        for (int x = 0; x < w; x++) pass(data + x, h, stride);
    }
    cairo_surface_mark_dirty(surface);
}

cairo_surface_t* SilhouetteOf(cairo_surface_t* surface, double r, double g, double b, double a) {
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    cairo_surface_t* out = NewSurface(w, h);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgba(cr, r, g, b, a);
    cairo_mask_surface(cr, surface, 0, 0);
    cairo_destroy(cr);
    return out;
}

// ---------------------------------------------------------------- random numbers

uint64_t TRandom::Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double TRandom::Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
double TRandom::Range(double a, double b) { return a + (b - a) * Unit(); }
int TRandom::Int(int a, int b) { return a + static_cast<int>(Next() % static_cast<uint64_t>(b - a + 1)); }

namespace {
double LatticeValue(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777215.0;
}
}  // namespace

double ValueNoise(double x, double y, uint32_t seed) {
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double fx = x - ix, fy = y - iy;
    double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    double a = LatticeValue(ix, iy, seed), b = LatticeValue(ix + 1, iy, seed);
    double c = LatticeValue(ix, iy + 1, seed), d = LatticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double FractalNoise(double x, double y, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; o++) {
        sum += amp * ValueNoise(x, y, seed + o * 101);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

// ---------------------------------------------------------------- colours

const TRgb EFFECT_COLOURS[10] = {
    {1.00, 1.00, 1.00},   // 0 unused
    {0.25, 0.62, 1.00},   // 1 aqua blue
    {1.00, 0.30, 0.28},   // 2 coral red
    {1.00, 0.58, 0.15},   // 3 amber
    {1.00, 0.86, 0.20},   // 4 gold
    {0.93, 0.96, 1.00},   // 5 pearl white
    {1.00, 0.45, 0.78},   // 6 pink
    {0.30, 0.88, 0.38},   // 7 sea green
    {0.20, 0.88, 0.85},   // 8 teal
    {0.72, 0.45, 1.00},   // 9 violet
};
const int ITEM_COLOUR_CODE[6] = {0, 2, 4, 1, 7, 9};
const int POWERUP_COLOUR_CODE[5] = {0, 3, 1, 9, 2};

TRgb Mix(TRgb a, TRgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
TRgb Lighter(TRgb c, double t) { return Mix(c, {1, 1, 1}, t); }
TRgb Darker(TRgb c, double t) { return Mix(c, {0, 0, 0}, t); }
void SetRgb(cairo_t* cr, TRgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }
void AddStop(cairo_pattern_t* p, double offset, TRgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

// ---------------------------------------------------------------- shapes

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void SoftGlow(cairo_t* cr, double cx, double cy, double radius, TRgb c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    AddStop(p, 0.0, c, alpha);
    AddStop(p, 0.25, c, alpha * 0.55);
    AddStop(p, 0.6, c, alpha * 0.15);
    AddStop(p, 1.0, c, 0.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void FlatGlow(cairo_t* cr, double cx, double cy, double radius, double squash, TRgb c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, squash);
    SoftGlow(cr, 0, 0, radius, c, alpha);
    cairo_restore(cr);
}

void GlassPanel(cairo_t* cr, double x, double y, double w, double h, double r, double opacity) {
    // body: deep blue glass, lighter at the top where the light falls in
    cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + h);
    AddStop(body, 0.0, {0.10, 0.30, 0.48}, opacity);
    AddStop(body, 0.45, {0.04, 0.15, 0.30}, opacity);
    AddStop(body, 1.0, {0.02, 0.07, 0.17}, opacity);
    RoundedRectPath(cr, x, y, w, h, r);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // soft sheen on the upper part
    cairo_save(cr);
    RoundedRectPath(cr, x + 4, y + 4, w - 8, h * 0.42, std::max(2.0, r - 4));
    cairo_clip(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, y, 0, y + h * 0.45);
    cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.22 * opacity);
    cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, sheen);
    cairo_paint(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
    // pearly rim: a dark outer line and a light inner line
    RoundedRectPath(cr, x + 1, y + 1, w - 2, h - 2, r);
    cairo_set_line_width(cr, 2.5);
    cairo_set_source_rgba(cr, 0.02, 0.05, 0.12, 0.9 * opacity);
    cairo_stroke(cr);
    RoundedRectPath(cr, x + 3, y + 3, w - 6, h - 6, std::max(1.0, r - 2));
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(rim, 0.0, 0.85, 0.97, 1.0, 0.95 * opacity);
    cairo_pattern_add_color_stop_rgba(rim, 0.5, 0.45, 0.75, 0.85, 0.7 * opacity);
    cairo_pattern_add_color_stop_rgba(rim, 1.0, 0.55, 0.80, 0.95, 0.8 * opacity);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
}

void GlossyFill(cairo_t* cr, TRgb base, double cx, double cy, double size) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - size * 0.3, cy - size * 0.35, size * 0.05, cx, cy, size * 1.05);
    AddStop(p, 0.0, Lighter(base, 0.55));
    AddStop(p, 0.45, base);
    AddStop(p, 1.0, Darker(base, 0.55));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, base.r * 0.3, base.g * 0.3, base.b * 0.35, 0.9);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke_preserve(cr);
}

void GlossyBead(cairo_t* cr, double cx, double cy, double r, TRgb base) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    GlossyFill(cr, base, cx, cy, r);
    cairo_new_path(cr);
}

void PaintWithShadow(cairo_t* cr, cairo_surface_t* picture, double dx, double dy, int blur, double alpha) {
    cairo_surface_t* shadow = SilhouetteOf(picture, 0.0, 0.02, 0.08, alpha);
    BlurSurface(shadow, blur);
    cairo_set_source_surface(cr, shadow, dx, dy);
    cairo_paint(cr);
    cairo_surface_destroy(shadow);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_paint(cr);
}

void DrawPearlBody(cairo_t* cr, double cx, double cy, double r, TRgb c) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 6, cy - 7, 1, cx, cy, r);
    AddStop(p, 0.0, {1, 1, 1});
    AddStop(p, 0.35, Lighter(c, 0.35));
    AddStop(p, 0.8, c);
    AddStop(p, 1.0, Darker(c, 0.45));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, Darker(c, 0.65), 0.85);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r - 3.5, 0.2 * M_PI, 0.8 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void Frond(cairo_t* cr, double x, double y, double length, double lean, TRgb c, TRandom& rnd, double width) {
    cairo_move_to(cr, x, y);
    const double ex = x + lean, ey = y - length;
    cairo_curve_to(cr, x + lean * 0.2 + rnd.Range(-15, 15), y - length * 0.35, ex - lean * 0.5, ey + length * 0.3, ex, ey);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetRgb(cr, Darker(c, 0.5), 0.9);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
    SetRgb(cr, c, 0.95);
    cairo_set_line_width(cr, width * 0.57);
    cairo_stroke(cr);
}

void EdgeShade(cairo_t* cr, double x0, double y0, double x1, double y1, double w, double h, double alpha) {
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.01, 0.04, 0.10, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.01, 0.04, 0.10, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void LitTube(cairo_t* cr, double x0, double y0, double x1, double y1, double width,
             TRgb shade, TRgb light, const double steps[4], double shiftX, double shiftY) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetRgb(cr, INK, 0.95);
    cairo_set_line_width(cr, width + 3);
    cairo_stroke(cr);
    for (int i = 0; i < 4; i++) {
        double w = width * (1.0 - i * 0.22);
        cairo_move_to(cr, x0 - i * width * shiftX, y0 - i * width * shiftY);
        cairo_line_to(cr, x1 - i * width * shiftX, y1 - i * width * shiftY);
        SetRgb(cr, Mix(shade, light, steps[i]));
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    }
}

void TitleBand(cairo_t* cr, double x, double y, double w) {
    RoundedRectPath(cr, x, y, w, 44, 22);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, y, 0, y + 44);
    cairo_pattern_add_color_stop_rgba(band, 0, 0.25, 0.65, 0.80, 0.55);
    cairo_pattern_add_color_stop_rgba(band, 1, 0.05, 0.25, 0.42, 0.35);
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
}

void PearlString(cairo_t* cr, double x0, double x1, double y) {
    for (double x = x0; x < x1; x += 16) {
        cairo_arc(cr, x, y, 2.2, 0, 2 * M_PI);
        SetRgb(cr, PEARL, 0.6);
        cairo_fill(cr);
    }
}

void CornerShells(cairo_t* cr, double left, double top, double right, double bottom) {
    const double CX[4] = {left, right, left, right}, CY[4] = {top, top, bottom, bottom};
    for (int i = 0; i < 4; i++) GlossyBead(cr, CX[i], CY[i], 9, {0.95, 0.88, 0.95});
}

// ---------------------------------------------------------------- water and light

void PaintMurkyWater(cairo_surface_t* surface, TRgb top, TRgb bottom, double fall, uint32_t seed) {
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride;
    uint32_t* px = PixelsOf(surface, stride);
    for (int y = 0; y < h; y++) {
        TRgb row = Mix(top, bottom, std::pow(y / static_cast<double>(h - 1), fall));
        for (int x = 0; x < w; x++) {
            double k = 1.0 + (FractalNoise(x * 0.004, y * 0.006, 4, seed) - 0.5) * 0.35;
            px[y * stride + x] = 0xFF000000u | (Channel(row.r * k) << 16) | (Channel(row.g * k) << 8) | Channel(row.b * k);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void LightShaft(cairo_t* cr, double x, double top, double w, double spread, double lean, double bottom,
                TRgb light, double alpha) {
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + w, top);
    cairo_line_to(cr, x + spread + lean, bottom);
    cairo_line_to(cr, x + lean, bottom);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, bottom);
    AddStop(p, 0, light, alpha);
    AddStop(p, 1, light, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Vignette(cairo_t* cr, double cx, double cy, double inner, double outer, double strength) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, inner, cx, cy, outer);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0.01, 0.04, strength);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}
