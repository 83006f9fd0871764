// Picture puzzle pictures ("data/puzzles/"): the frame around the puzzle (the
// screen's left half, mirrored by the game for the right), and the bevel and
// shadow laid over and under every 128 x 120 piece. The stage pictures that
// are cut into the pieces come from their own family. A review picture of
// the whole puzzle screen goes beside the contact sheets.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"
#include "tables/puzzle_tables.h"

namespace {

const TRgb WELL = {0.01, 0.04, 0.10};

// The puzzle on the left half of the screen and the well it lies in. The
// puzzle is 640 pixels wide from x 194, so its middle is 2 pixels right of the
// screen's, where the frame is mirrored: the well leaves a margin of 8 on the
// left, which the mirror turns into 4 on the right.
constexpr double WELL_MARGIN = 8;
constexpr double WELL_LEFT = PUZZLE_LEFT - WELL_MARGIN;
constexpr double WELL_TOP = PUZZLE_TOP - WELL_MARGIN;
constexpr double WELL_BOTTOM = PUZZLE_TOP + PUZZLE_ROWS * PIECE_HEIGHT + WELL_MARGIN;
constexpr double MIRROR_X = PUZZLE_FRAME_WIDTH;
constexpr double STATUS_BAND = 50;      // the status line's text sits on it

// A closed rounded outline drawn as a pearly tube, lit from above. Shapes that
// cross the mirror line run on past it, so the two halves join without a seam.
void TubeOutline(cairo_t* cr, double x, double y, double w, double h, double r, double width) {
    RoundedRectPath(cr, x, y, w, h, r);
    SetRgb(cr, INK, 0.95);
    cairo_set_line_width(cr, width + 3);
    cairo_stroke(cr);
    const double SHADES[4] = {0.35, 0.6, 0.85, 1.0};
    for (int i = 0; i < 4; i++) {
        double lift = i * width * 0.07;
        RoundedRectPath(cr, x, y - lift, w, h, r);
        SetRgb(cr, Mix({0.25, 0.45, 0.6}, PEARL, SHADES[i]));
        cairo_set_line_width(cr, width * (1.0 - i * 0.22));
        cairo_stroke(cr);
    }
}

void Pearl(cairo_t* cr, double x, double y, double r) { GlossyBead(cr, x, y, r, {0.95, 0.9, 0.95}); }

// A scallop shell opening upward (or downward), hinge at (x, y).
void Scallop(cairo_t* cr, double x, double y, double size, int down) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (down) cairo_scale(cr, 1, -1);
    const int RIBS = 7;
    for (int i = 0; i < RIBS; i++) {
        double a0 = M_PI + i * M_PI / RIBS, a1 = a0 + M_PI / RIBS;
        cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, size, a0, a1);
        cairo_close_path(cr);
        SetRgb(cr, Mix({0.98, 0.86, 0.88}, {1.0, 0.66, 0.74}, (i % 2) * 0.6 + i / 20.0));
        cairo_fill_preserve(cr);
        SetRgb(cr, INK, 0.8);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 0, 0, size * 0.22, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    SetRgb(cr, {0.95, 0.75, 0.6});
    cairo_fill(cr);
    cairo_restore(cr);
}

void Bubble(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.08);
    cairo_pattern_add_color_stop_rgba(p, 0.8, 0.7, 0.95, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 1, 1, 0.7);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, x - r * 0.35, y - r * 0.35, r * 0.22, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
}

// The frame: a veil of deep glass over the stage's background, a band for
// the status line, the dark well the pieces lie in with a pearly rim and
// shells at its corners, the niche of the small whole picture below it, and
// sea fronds at the side. Transparent nowhere, so the puzzle screen reads as
// one piece whatever the stage's background.
cairo_surface_t* DrawPuzzleFrame() {
    const int W = PUZZLE_FRAME_WIDTH, H = PUZZLE_FRAME_HEIGHT;
    cairo_surface_t* art = NewSurface(W, H);
    cairo_t* cr = cairo_create(art);

    // veil: lighter toward the top, like light falling into the water
    cairo_pattern_t* veil = cairo_pattern_create_linear(0, 0, 0, H);
    AddStop(veil, 0.0, {0.07, 0.26, 0.42}, 0.80);
    AddStop(veil, 0.5, {0.03, 0.14, 0.28}, 0.86);
    AddStop(veil, 1.0, {0.01, 0.06, 0.15}, 0.92);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_set_source(cr, veil);
    cairo_fill(cr);
    cairo_pattern_destroy(veil);
    // caustic ripples in the veil
    {
        int stride;
        uint32_t* pixels = PixelsOf(art, stride);
        for (int y = 0; y < H; y++) {
            uint32_t* row = pixels + static_cast<size_t>(y) * stride;
            for (int x = 0; x < W; x++) {
                double n = FractalNoise(x / 46.0, y / 46.0, 3, 7201);
                double ripple = std::pow(1.0 - std::fabs(n - 0.5) * 2.0, 8.0) * 0.10 * (1.0 - y / (1.4 * H));
                uint32_t p = row[x];
                int a = (p >> 24) & 255;
                int add = static_cast<int>(ripple * a);
                int r = std::min(a, static_cast<int>((p >> 16) & 255) + add / 2);
                int g = std::min(a, static_cast<int>((p >> 8) & 255) + add);
                int b = std::min(a, static_cast<int>(p & 255) + add);
                row[x] = (static_cast<uint32_t>(a) << 24) | (r << 16) | (g << 8) | b;
            }
        }
        cairo_surface_mark_dirty(art);
    }

    // sea fronds along the outer edge, behind everything else
    TRandom rnd(7207);
    for (int i = 0; i < 9; i++)
        Frond(cr, rnd.Range(6, 150), H + 12, rnd.Range(160, 520), rnd.Range(-20, 70),
              Mix({0.12, 0.45, 0.32}, {0.18, 0.62, 0.55}, rnd.Unit()), rnd, 8);
    for (int i = 0; i < 16; i++) Bubble(cr, rnd.Range(18, 170), rnd.Range(70, H - 90), rnd.Range(2.5, 8));

    // status band at the top
    cairo_rectangle(cr, 0, 0, W, STATUS_BAND);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, STATUS_BAND);
    AddStop(band, 0.0, INK, 0.85);
    AddStop(band, 1.0, DEEP, 0.75);
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, -10, STATUS_BAND);
    cairo_line_to(cr, W + 10, STATUS_BAND);
    SetRgb(cr, INK, 0.95);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, -10, STATUS_BAND - i * 0.6);
        cairo_line_to(cr, W + 10, STATUS_BAND - i * 0.6);
        SetRgb(cr, Mix({0.25, 0.45, 0.6}, PEARL, 0.4 + 0.3 * i));
        cairo_set_line_width(cr, 6 - 1.8 * i);
        cairo_stroke(cr);
    }
    for (double x = 40; x < W - 20; x += 64) Pearl(cr, x, STATUS_BAND, 4.5);

    // the well: soft shadow around it, dark water inside, light from the top
    const double wellW = (MIRROR_X - WELL_LEFT) * 2, wellH = WELL_BOTTOM - WELL_TOP;
    {
        cairo_surface_t* shade = NewSurface(W, H);
        cairo_t* sc = cairo_create(shade);
        RoundedRectPath(sc, WELL_LEFT - 10, WELL_TOP - 6, wellW + 20, wellH + 20, 26);
        cairo_set_source_rgba(sc, 0, 0.01, 0.05, 0.8);
        cairo_fill(sc);
        cairo_destroy(sc);
        BlurSurface(shade, 8);
        cairo_set_source_surface(cr, shade, 0, 0);
        cairo_paint(cr);
        cairo_surface_destroy(shade);
    }
    RoundedRectPath(cr, WELL_LEFT, WELL_TOP, wellW, wellH, 14);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, WELL_TOP, 0, WELL_BOTTOM);
    AddStop(water, 0.0, Lighter(WELL, 0.08));
    AddStop(water, 1.0, WELL);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);
    // an inner shadow under the upper rim, so the pieces seem to lie deep
    cairo_save(cr);
    RoundedRectPath(cr, WELL_LEFT, WELL_TOP, wellW, wellH, 14);
    cairo_clip(cr);
    cairo_pattern_t* inner = cairo_pattern_create_linear(0, WELL_TOP, 0, WELL_TOP + 24);
    cairo_pattern_add_color_stop_rgba(inner, 0, 0, 0, 0, 0.7);
    cairo_pattern_add_color_stop_rgba(inner, 1, 0, 0, 0, 0.0);
    cairo_set_source(cr, inner);
    cairo_paint(cr);
    cairo_pattern_destroy(inner);
    cairo_restore(cr);
    TubeOutline(cr, WELL_LEFT - 7, WELL_TOP - 7, wellW + 14, wellH + 14, 20, 11);
    for (double y = WELL_TOP + 60; y < WELL_BOTTOM - 40; y += 90) Pearl(cr, WELL_LEFT - 7, y, 5);
    Scallop(cr, WELL_LEFT - 4, WELL_TOP + 14, 30, 0);
    Scallop(cr, WELL_LEFT - 4, WELL_BOTTOM - 14, 30, 1);

    // the niche of the small whole picture, centred on the mirror line
    const double nicheLeft = PUZZLE_THUMB_X - 6, nicheTop = PUZZLE_THUMB_Y - 6;
    const double nicheW = (MIRROR_X - nicheLeft) * 2, nicheH = PUZZLE_THUMB_HEIGHT + 12;
    RoundedRectPath(cr, nicheLeft, nicheTop, nicheW, nicheH, 8);
    SetRgb(cr, WELL);
    cairo_fill(cr);
    TubeOutline(cr, nicheLeft - 2, nicheTop - 2, nicheW + 4, nicheH + 4, 10, 5);
    Pearl(cr, nicheLeft - 2, nicheTop + nicheH / 2, 5);

    cairo_destroy(cr);
    return art;
}

// The bevel over a piece: a light edge on the top and left, a shade on the
// bottom and right, a dark hairline around it and a faint sheen; clear in the
// middle, where the picture shows.
cairo_surface_t* DrawPieceBevel() {
    const int W = PIECE_WIDTH, H = PIECE_HEIGHT;
    const double EDGE = 6.0;
    cairo_surface_t* art = NewSurface(W, H);
    int stride;
    uint32_t* pixels = PixelsOf(art, stride);
    for (int y = 0; y < H; y++) {
        uint32_t* row = pixels + static_cast<size_t>(y) * stride;
        for (int x = 0; x < W; x++) {
            double left = x + 0.5, top = y + 0.5, right = W - x - 0.5, bottom = H - y - 0.5;
            double nearest = std::min(std::min(left, top), std::min(right, bottom));
            double r = 1, g = 1, b = 1, a = 0;
            if (nearest < 1.0) {
                r = INK.r, g = INK.g, b = INK.b, a = 0.75;      // hairline
            } else if (nearest < EDGE) {
                double t = 1.0 - (nearest - 1.0) / (EDGE - 1.0);
                t *= t;
                // the light falls from the top left: those edges are lit
                if (std::min(left, top) <= std::min(right, bottom)) {
                    r = 1.0, g = 1.0, b = 1.0;
                    a = 0.55 * t;
                } else {
                    r = 0.0, g = 0.02, b = 0.08;
                    a = 0.5 * t;
                }
            }
            // sheen over the upper left corner
            double sheen = 1.0 - (left / W + top / H) * 1.6;
            if (sheen > 0 && nearest >= EDGE) {
                double s = 0.10 * sheen;
                double na = s + a * (1 - s);
                r = (1.0 * s + r * a * (1 - s)) / (na > 0 ? na : 1);
                g = (1.0 * s + g * a * (1 - s)) / (na > 0 ? na : 1);
                b = (1.0 * s + b * a * (1 - s)) / (na > 0 ? na : 1);
                a = na;
            }
            auto byte = [a](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v * a, 0.0, 1.0) * 255)); };
            row[x] = (static_cast<uint32_t>(std::lround(a * 255)) << 24) | (byte(r) << 16) | (byte(g) << 8) | byte(b);
        }
    }
    cairo_surface_mark_dirty(art);
    return art;
}

// The shadow of a piece: a dark soft-edged tile, fading to nothing at the
// picture's border so that it never shows a hard line when drawn scaled.
cairo_surface_t* DrawPieceShadow() {
    const int W = PIECE_WIDTH, H = PIECE_HEIGHT;
    cairo_surface_t* art = NewSurface(W, H);
    cairo_t* cr = cairo_create(art);
    RoundedRectPath(cr, 7, 7, W - 14, H - 14, 6);
    cairo_set_source_rgba(cr, 0.0, 0.02, 0.08, 0.85);
    cairo_fill(cr);
    cairo_destroy(cr);
    BlurSurface(art, 3);
    return art;
}

// A stand-in stage picture for the review: bands of colour with the number
// of each piece, so that a wrong cut or order shows at a glance.
cairo_surface_t* DrawReviewPicture() {
    const int W = PUZZLE_COLUMNS * PIECE_WIDTH, H = PUZZLE_ROWS * PIECE_HEIGHT;
    cairo_surface_t* art = NewSurface(W, H);
    cairo_t* cr = cairo_create(art);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, W, H);
    AddStop(sky, 0.0, EFFECT_COLOURS[8]);
    AddStop(sky, 0.5, EFFECT_COLOURS[1]);
    AddStop(sky, 1.0, EFFECT_COLOURS[9]);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        double cx = ((n - 1) % PUZZLE_COLUMNS + 0.5) * PIECE_WIDTH, cy = ((n - 1) / PUZZLE_COLUMNS + 0.5) * PIECE_HEIGHT;
        std::string label = std::to_string(n);
        DrawTitleText(cr, label.c_str(), cx, cy + 14, 40, {1, 1, 1}, {0.8, 0.9, 1.0}, INK, 4);
    }
    cairo_destroy(cr);
    return art;
}

// The whole puzzle screen as the game draws it: both halves of the frame,
// the pieces with shadow and bevel, two of them lifted in a swap.
void WriteReviewScreen(cairo_surface_t* frame, cairo_surface_t* bevel, cairo_surface_t* shadow) {
    cairo_surface_t* screen = NewSurface(1024, 768);
    cairo_t* cr = cairo_create(screen);
    cairo_pattern_t* sea = cairo_pattern_create_linear(0, 0, 0, 768);
    AddStop(sea, 0.0, {0.15, 0.50, 0.62});
    AddStop(sea, 1.0, {0.02, 0.12, 0.22});
    cairo_set_source(cr, sea);
    cairo_paint(cr);
    cairo_pattern_destroy(sea);
    cairo_set_source_surface(cr, frame, 0, 0);
    cairo_paint(cr);
    cairo_save(cr);
    cairo_translate(cr, 1024, 0);
    cairo_scale(cr, -1, 1);
    cairo_set_source_surface(cr, frame, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_t* picture = DrawReviewPicture();
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        int lift = n == 7 ? 5 : (n == 13 ? 6 : 0);
        double px = PUZZLE_LEFT + ((n - 1) % PUZZLE_COLUMNS) * PIECE_WIDTH;
        double py = PUZZLE_TOP + ((n - 1) / PUZZLE_COLUMNS) * PIECE_HEIGHT;
        if (lift == 0) {
            cairo_save(cr);
            cairo_translate(cr, px - 5, py - 5);
            cairo_scale(cr, 1.025, 1.025);
            cairo_set_source_surface(cr, shadow, 0, 0);
            cairo_paint_with_alpha(cr, 0.8);
            cairo_restore(cr);
        }
    }
    for (int pass = 0; pass < 2; pass++) {
        for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
            int lift = n == 7 ? 5 : (n == 13 ? 6 : 0);
            if ((lift > 0) != (pass == 1)) continue;
            double hx = ((n - 1) % PUZZLE_COLUMNS) * PIECE_WIDTH, hy = ((n - 1) / PUZZLE_COLUMNS) * PIECE_HEIGHT;
            double px = PUZZLE_LEFT + hx, py = PUZZLE_TOP + hy;
            if (lift > 0) {
                cairo_set_source_surface(cr, shadow, px + 2 * lift, py + 2 * lift);
                cairo_paint_with_alpha(cr, std::min(1.0, lift * 0.4));
            }
            cairo_save(cr);
            cairo_rectangle(cr, px + lift, py + lift, PIECE_WIDTH, PIECE_HEIGHT);
            cairo_clip(cr);
            cairo_set_source_surface(cr, picture, px + lift - hx, py + lift - hy);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_set_source_surface(cr, bevel, px + lift, py + lift);
            cairo_paint(cr);
        }
    }
    cairo_surface_destroy(picture);
    cairo_destroy(cr);
    SaveReviewPicture(screen, "puzzle_screen.png");
    cairo_surface_destroy(screen);
}

}  // namespace

void MakePuzzleArt() {
    cairo_surface_t* frame = DrawPuzzleFrame();
    SavePicture(frame, "data/puzzles/puzzleframe.png", "puzzles");
    cairo_surface_t* bevel = DrawPieceBevel();
    SavePicture(bevel, "data/puzzles/kachel128x120.png", "puzzles");
    cairo_surface_t* shadow = DrawPieceShadow();
    SavePicture(shadow, "data/puzzles/shadow128x120.png", "puzzles");
    WriteReviewScreen(frame, bevel, shadow);
    cairo_surface_destroy(frame);
    cairo_surface_destroy(bevel);
    cairo_surface_destroy(shadow);
}
