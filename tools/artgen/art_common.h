// Shared parts of the art generator: the output folders, the fixed-seed
// random numbers, the colour palette, picture saving and the common shapes.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

// ---------------------------------------------------------------- output

extern std::string runDir;       // the game's working folder ("data" lives here)
extern std::string contactDir;   // review sheets, one per family

// Writes a picture as PNG to runDir + relPath and keeps it for the family's
// contact sheet. The surface stays owned by the caller.
void SavePicture(cairo_surface_t* surface, const std::string& relPath, const std::string& family);
// Writes the picture's colour as a baseline JPEG file (quality 1..100).
void SaveJpegPicture(cairo_surface_t* surface, const std::string& relPath, const std::string& family, int quality);
// Writes raw bytes to runDir + relPath (for the icon).
void SaveBytes(const std::string& bytes, const std::string& relPath);
// Writes a review picture as PNG into contactDir, beside the contact sheets.
void SaveReviewPicture(cairo_surface_t* surface, const std::string& fileName);
// One PNG per family in contactDir: each picture on a checkerboard and on a dark
// ground, with its file name. Called once at the end of the run.
void WriteContactSheets();

// ---------------------------------------------------------------- surfaces

cairo_surface_t* NewSurface(int width, int height);   // transparent ARGB32
// A context on a fresh transparent picture; the context owns the picture.
cairo_t* BeginPicture(int width, int height);
// Saves the picture drawn through cr and releases the context with its
// picture; with a shadow, the picture is laid over its own soft drop shadow
// offset by (dx, dy).
void EndPicture(cairo_t* cr, const std::string& relPath, const std::string& family);
void EndPictureWithShadow(cairo_t* cr, const std::string& relPath, const std::string& family,
                          double dx, double dy, int blur, double alpha);
// The surface's pixels, 0xAARRGGBB premultiplied, after any pending drawing;
// stride is set to the pixels in one row.
uint32_t* PixelsOf(cairo_surface_t* surface, int& stride);
// A colour channel 0..1 as a rounded byte value.
int Channel(double v);
// Box blur of every channel (premultiplied), three passes approximate a Gaussian.
void BlurSurface(cairo_surface_t* surface, int radius);
// A copy of the surface's alpha filled with one colour (for shadows and outlines).
cairo_surface_t* SilhouetteOf(cairo_surface_t* surface, double r, double g, double b, double a);

// ---------------------------------------------------------------- random numbers

// Small fixed-seed generator (splitmix64), so two runs give the same bytes.
struct TRandom {
    uint64_t state;
    explicit TRandom(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint64_t Next();
    double Unit();                       // 0 <= u < 1
    double Range(double a, double b);    // a <= v < b
    int Int(int a, int b);               // a..b inclusive
};

// Smooth value noise in 0..1 with a fixed lattice seed.
double ValueNoise(double x, double y, uint32_t seed);
double FractalNoise(double x, double y, int octaves, uint32_t seed);

// ---------------------------------------------------------------- colours

struct TRgb { double r, g, b; };

// The nine effect colour codes shared by particles, glows and the board.
// 1 aqua blue, 2 coral red, 3 amber, 4 gold, 5 pearl white, 6 pink, 7 sea green, 8 teal, 9 violet.
extern const TRgb EFFECT_COLOURS[10];
// Board colours 1..5 use the effect codes 2, 4, 1, 7, 9.
extern const int ITEM_COLOUR_CODE[6];
// Power-ups 1..4 glow in the codes 3, 1, 9, 2; stones and pearls share them.
extern const int POWERUP_COLOUR_CODE[5];

// Colours shared by panels, frames and titles: outline ink, pearl white, gold, deep blue.
const TRgb INK = {0.02, 0.07, 0.18};
const TRgb PEARL = {0.86, 0.95, 1.0};
const TRgb GOLD = {1.0, 0.80, 0.35};
const TRgb DEEP = {0.04, 0.18, 0.34};

TRgb Mix(TRgb a, TRgb b, double t);
TRgb Lighter(TRgb c, double t);   // toward white
TRgb Darker(TRgb c, double t);    // toward black
void SetRgb(cairo_t* cr, TRgb c, double alpha = 1.0);
void AddStop(cairo_pattern_t* p, double offset, TRgb c, double alpha = 1.0);

// ---------------------------------------------------------------- shapes

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft round light: a radial gradient from the colour at full alpha to nothing.
void SoftGlow(cairo_t* cr, double cx, double cy, double radius, TRgb c, double alpha);
// The same light squashed to an ellipse, `squash` times as high as wide.
void FlatGlow(cairo_t* cr, double cx, double cy, double radius, double squash, TRgb c, double alpha);
// Glass panel in the game's style: deep translucent blue, pearly rim, light from above.
void GlassPanel(cairo_t* cr, double x, double y, double w, double h, double r, double opacity);
// Glossy fill of the current path: base colour lit from the top left, dark rim, and
// a highlight; the path is kept. (cx, cy, size) give the lighting frame.
void GlossyFill(cairo_t* cr, TRgb base, double cx, double cy, double size);
// A round bead of radius r at (cx, cy) in GlossyFill's light; the path is cleared.
void GlossyBead(cairo_t* cr, double cx, double cy, double r, TRgb base);
// A drop shadow under whatever is drawn next: call before drawing onto a
// separate surface and composite with PaintWithShadow.
void PaintWithShadow(cairo_t* cr, cairo_surface_t* picture, double dx, double dy, int blur, double alpha);

// A pearl of radius r at (cx, cy): lit from the top left, dark rim, a lustre
// along the lower rim. Stones on the board and the power-up pearls share it.
void DrawPearlBody(cairo_t* cr, double cx, double cy, double r, TRgb colour);

// A tube from (x0, y0) to (x1, y1): a dark ink outline under four strokes that
// narrow and step toward the light by (shiftX, shiftY) times the width each,
// shading from `shade` to `light` by the fractions in `steps`.
void LitTube(cairo_t* cr, double x0, double y0, double x1, double y1, double width,
             TRgb shade, TRgb light, const double steps[4], double shiftX, double shiftY);

// A dialog's lit title band, 44 pixels high, from (x, y) and w wide.
void TitleBand(cairo_t* cr, double x, double y, double w);
// A string of small pearls along y, every 16 pixels from x0 to before x1.
void PearlString(cairo_t* cr, double x0, double x1, double y);
// A glossy shell in each corner of a dialog, at the given lines.
void CornerShells(cairo_t* cr, double left, double top, double right, double bottom);

// ---------------------------------------------------------------- water and light

// Opaque water over the whole surface: from `top` to `bottom` colour (the
// height fraction raised to `fall`), darkened and lightened by drifting murk.
void PaintMurkyWater(cairo_surface_t* surface, TRgb top, TRgb bottom, double fall, uint32_t seed);
// One shaft of light from the surface at `top`: `w` wide there, `spread` wide
// and moved `lean` aside at `bottom`, fading from `alpha` to nothing.
void LightShaft(cairo_t* cr, double x, double top, double w, double spread, double lean, double bottom,
                TRgb light, double alpha);

// Darkens toward the picture's edges: clear within `inner` of (cx, cy),
// `strength` dark from `outer` on.
void Vignette(cairo_t* cr, double cx, double cy, double inner, double outer, double strength);

// ---------------------------------------------------------------- type

// The game's display face (Comfortaa Bold, DejaVu Sans Bold when missing) for
// logos, banners and icons drawn as pictures.
cairo_font_face_t* DisplayFace();
// Fills and outlines a line of text centred at (cx, baseline) in the display
// face: dark outline, vertical gradient fill from top to bottom colour.
void DrawTitleText(cairo_t* cr, const char* utf8, double cx, double baseline, double size,
                   TRgb top, TRgb bottom, TRgb outline, double outlineWidth);
// A stem of kelp or weed rising `length` from (x, y) and leaning `lean`: a
// dark outline `width` wide under its colour at a little over half of that.
void Frond(cairo_t* cr, double x, double y, double length, double lean, TRgb c, TRandom& rnd, double width);
// The dark water at a frame's edge: (0, 0)-(w, h) shaded from `alpha` at
// (x0, y0) to nothing at (x1, y1).
void EdgeShade(cairo_t* cr, double x0, double y0, double x1, double y1, double w, double h, double alpha);
