// The rest of the board pictures: cell glow, moss, hit mask, chain mark,
// chain arrows and the two status bars of the game screen.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_common.h"
#include "board_frame.h"
#include "families.h"

namespace {

const int CELL = CELL_SPACING;
const int GLOW_SIZE = 60;
const int MASK_SIZE = 44;
const int ARROW_SIZE = 24;
const int BAR_WIDTH = 1024;
const int TOP_BAR_HEIGHT = 88;
const int LOW_BAR_HEIGHT = 84;

// Hover glow ("cell2.png", drawn additively): a soft lit square.
void MakeCellGlow() {
    cairo_surface_t* s = NewSurface(GLOW_SIZE, GLOW_SIZE);
    int stride;
    uint32_t* px = PixelsOf(s, stride);
    for (int y = 0; y < GLOW_SIZE; y++)
        for (int x = 0; x < GLOW_SIZE; x++) {
            double u = std::fabs(x + 0.5 - GLOW_SIZE / 2.0), v = std::fabs(y + 0.5 - GLOW_SIZE / 2.0);
            // rounded-square distance: bright over the cell, fading beyond its edge
            double d = std::pow(std::pow(u, 4) + std::pow(v, 4), 0.25);
            double a = std::clamp(1.0 - (d - 14.0) / 16.0, 0.0, 1.0);
            a = a * a * (3 - 2 * a) * 0.85;
            uint32_t A = static_cast<uint32_t>(a * 255 + 0.5);
            uint32_t R = static_cast<uint32_t>(a * 0.70 * 255), G = static_cast<uint32_t>(a * 0.92 * 255), B = A;
            px[y * stride + x] = (A << 24) | (R << 16) | (G << 8) | B;
        }
    cairo_surface_mark_dirty(s);
    SavePicture(s, "data/match3/cell2.png", "board");
    cairo_surface_destroy(s);
}

// Moss ("moss.png"): an opaque tile, since it is drawn with solid blending.
void MakeMoss() {
    cairo_surface_t* s = NewSurface(CELL, CELL);
    int stride;
    uint32_t* px = PixelsOf(s, stride);
    for (int y = 0; y < CELL; y++)
        for (int x = 0; x < CELL; x++) {
            double n = FractalNoise(x * 0.16, y * 0.16, 4, 77);
            double fine = ValueNoise(x * 0.7, y * 0.7, 78);
            double edge = std::min(std::min(x + 0.5, CELL - x - 0.5), std::min(y + 0.5, CELL - y - 0.5));
            double rim = std::clamp(edge / 5.0, 0.0, 1.0);
            double light = 0.55 + 0.6 * n + 0.25 * fine - (y / static_cast<double>(CELL)) * 0.25;
            light *= 0.55 + 0.45 * rim;
            double r = 0.16 * light, g = 0.46 * light + 0.04, b = 0.20 * light + 0.03;
            if (fine > 0.82) { r += 0.12; g += 0.16; b += 0.05; }   // little bright sprigs
            px[y * stride + x] = 0xFF000000u | (Channel(r) << 16) | (Channel(g) << 8) | Channel(b);
        }
    cairo_surface_mark_dirty(s);
    SavePicture(s, "data/match3/moss.png", "board");
    cairo_surface_destroy(s);
}

// Hit mask of an item ("cellmask.png"): a solid rounded square a little
// smaller than the cell, so a pointer on the border between two cells finds one.
void MakeCellMask() {
    cairo_t* cr = BeginPicture(MASK_SIZE, MASK_SIZE);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    RoundedRectPath(cr, 0, 0, MASK_SIZE, MASK_SIZE, 6);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    EndPicture(cr, "data/match3/cellmask.png", "board");
}

// Chain mark ("cellmark.png"): a glowing golden frame around a selected cell.
void MakeChainMark() {
    cairo_t* cr = BeginPicture(CELL, CELL);
    cairo_surface_t* glow = NewSurface(CELL, CELL);
    cairo_t* gc = cairo_create(glow);
    RoundedRectPath(gc, 4, 4, 40, 40, 8);
    cairo_set_source_rgba(gc, 1.0, 0.85, 0.35, 0.9);
    cairo_set_line_width(gc, 5);
    cairo_stroke(gc);
    cairo_destroy(gc);
    BlurSurface(glow, 2);
    cairo_set_source_surface(cr, glow, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(glow);
    RoundedRectPath(cr, 2, 2, 44, 44, 9);
    cairo_set_source_rgba(cr, 1.0, 0.93, 0.6, 0.18);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 1.0, 0.9, 0.5, 1.0);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    RoundedRectPath(cr, 5, 5, 38, 38, 7);
    cairo_set_source_rgba(cr, 1.0, 1.0, 0.9, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    EndPicture(cr, "data/match3/cellmark.png", "board");
}

// Chain arrows: 1 right, 2 left, 3 down, 4 up; a pearl-white chevron.
void MakeArrows() {
    const double ANGLE[5] = {0, 0, M_PI, M_PI / 2, -M_PI / 2};
    for (int n = 1; n <= 4; n++) {
        cairo_t* cr = BeginPicture(ARROW_SIZE, ARROW_SIZE);
        cairo_translate(cr, ARROW_SIZE / 2.0, ARROW_SIZE / 2.0);
        cairo_rotate(cr, ANGLE[n]);
        cairo_move_to(cr, -6, -8);
        cairo_line_to(cr, 5, 0);
        cairo_line_to(cr, -6, 8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_source_rgba(cr, 0.05, 0.12, 0.25, 0.9);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        cairo_set_source_rgba(cr, 1.0, 0.95, 0.7, 1.0);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
        EndPicture(cr, "data/match3/arrow" + std::to_string(n) + ".png", "board");
    }
}

// A dark inset field for a label and its number.
void InsetField(cairo_t* cr, double x0, double x1, double y0, double y1) {
    RoundedRectPath(cr, x0, y0, x1 - x0, y1 - y0, (y1 - y0) / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.0, 0.04, 0.10, 0.75);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.03, 0.12, 0.22, 0.6);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, 0.55, 0.82, 0.95, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// Fills a bar's outline with deep blue glass, lit at `top`, darker from
// `middle` (a fraction of the way down) and darkest, `deepest`, at `bottom`;
// then traces the outline with a pearly trim.
void BarGlass(cairo_t* cr, cairo_path_t* shape, double top, double bottom, double middle, TRgb deepest, double deepestAlpha) {
    cairo_new_path(cr);
    cairo_append_path(cr, shape);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, top, 0, bottom);
    AddStop(body, 0.0, {0.16, 0.42, 0.58}, 0.92);
    AddStop(body, middle, {0.05, 0.20, 0.36}, 0.92);
    AddStop(body, 1.0, deepest, deepestAlpha);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_append_path(cr, shape);
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgba(cr, 0.75, 0.92, 1.0, 0.9);
    cairo_stroke(cr);
}

// Top status bar ("m3uiup.png", centred at (512, 44)): the level title in the
// middle tab, the menu entry under it, four counters left and right.
// Its ink ends above picture row INK_END, which is screen row 76: the board and
// the fish below keep clear of it.
void MakeTopBar() {
    const double TAB_BOTTOM = 66;
    const double INK_END = 76;
    cairo_surface_t* art = NewSurface(BAR_WIDTH, TOP_BAR_HEIGHT);
    cairo_t* cr = cairo_create(art);
    // the bar with a tab hanging down in the middle
    cairo_new_path(cr);
    cairo_move_to(cr, -10, -10);
    cairo_line_to(cr, BAR_WIDTH + 10, -10);
    cairo_line_to(cr, BAR_WIDTH + 10, 50);
    cairo_line_to(cr, 700, 50);
    cairo_curve_to(cr, 672, 50, 680, TAB_BOTTOM, 650, TAB_BOTTOM);
    cairo_line_to(cr, 374, TAB_BOTTOM);
    cairo_curve_to(cr, 344, TAB_BOTTOM, 352, 50, 324, 50);
    cairo_line_to(cr, -10, 50);
    cairo_close_path(cr);
    cairo_path_t* shape = cairo_copy_path(cr);
    BarGlass(cr, shape, 0, TAB_BOTTOM, 0.5, {0.02, 0.10, 0.22}, 0.95);
    // a dark line just below the pearly trim
    cairo_append_path(cr, shape);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 0.02, 0.06, 0.14, 0.9);
    cairo_translate(cr, 0, 3);
    cairo_stroke(cr);
    cairo_identity_matrix(cr);
    cairo_path_destroy(shape);
    // sheen
    cairo_rectangle(cr, 0, 0, BAR_WIDTH, 16);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 0, 16);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    // counter fields: moss, orders (left), score, time (right); text rows at y 16
    InsetField(cr, 44, 170, 14, 44);
    InsetField(cr, 204, 330, 14, 44);
    InsetField(cr, 687, 817, 14, 44);
    InsetField(cr, 847, 977, 14, 44);
    // the menu entry under the title
    InsetField(cr, 470, 554, 34, 62);
    cairo_destroy(cr);
    cairo_surface_t* shaded = NewSurface(BAR_WIDTH, TOP_BAR_HEIGHT);
    cairo_t* sc = cairo_create(shaded);
    PaintWithShadow(sc, art, 0, 4, 3, 0.6);
    cairo_destroy(sc);
    // the shadow under the tab fades out before the board begins
    cairo_surface_t* out = NewSurface(BAR_WIDTH, TOP_BAR_HEIGHT);
    cairo_t* oc = cairo_create(out);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, INK_END - 6, 0, INK_END);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_set_source_surface(oc, shaded, 0, 0);
    cairo_mask(oc, fade);
    cairo_pattern_destroy(fade);
    cairo_destroy(oc);
    cairo_surface_destroy(shaded);
    SavePicture(out, "data/match3/m3uiup.png", "board");
    cairo_surface_destroy(out);
    cairo_surface_destroy(art);
}

// Lower bar ("m3uidown.png", centred at (512, 726)): a glass shelf holding the
// power-up shells at the sides and the three mode buttons in the middle.
void MakeLowerBar() {
    cairo_t* cr = BeginPicture(BAR_WIDTH, LOW_BAR_HEIGHT);
    cairo_new_path(cr);
    cairo_move_to(cr, -10, 30);
    cairo_line_to(cr, 320, 30);
    cairo_curve_to(cr, 345, 30, 340, 8, 370, 8);
    cairo_line_to(cr, 654, 8);
    cairo_curve_to(cr, 684, 8, 679, 30, 704, 30);
    cairo_line_to(cr, BAR_WIDTH + 10, 30);
    cairo_line_to(cr, BAR_WIDTH + 10, LOW_BAR_HEIGHT + 10);
    cairo_line_to(cr, -10, LOW_BAR_HEIGHT + 10);
    cairo_close_path(cr);
    cairo_path_t* shape = cairo_copy_path(cr);
    BarGlass(cr, shape, 8, LOW_BAR_HEIGHT, 0.4, {0.02, 0.08, 0.18}, 0.96);
    cairo_path_destroy(shape);
    // sand-coloured pearls along the shelf's edge
    for (int x = 12; x < BAR_WIDTH; x += 24) {
        bool middle = x > 360 && x < 664;
        double y = middle ? 8 : 30;
        if (x > 318 && x < 372) continue;
        if (x > 652 && x < 706) continue;
        cairo_arc(cr, x, y, 2.6, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1.0, 0.95, 0.85, 0.9);
        cairo_fill(cr);
    }
    // three sockets for the mode buttons (centres 402, 512, 622 at bar y 33)
    for (int i = 0; i < 3; i++) {
        double cx = 402 + 110 * i;
        RoundedRectPath(cr, cx - 50, 8 + 6, 100, 54, 14);
        cairo_set_source_rgba(cr, 0.0, 0.03, 0.09, 0.55);
        cairo_fill(cr);
    }
    // wells for the four shells
    const int SHELL_X[4] = {106, 268, 756, 918};
    for (int x : SHELL_X) {
        cairo_save(cr);
        cairo_translate(cr, x, 60);
        cairo_scale(cr, 1.0, 0.35);
        cairo_arc(cr, 0, 0, 54, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.0, 0.03, 0.09, 0.45);
        cairo_fill(cr);
    }
    EndPictureWithShadow(cr, "data/match3/m3uidown.png", "board", 0, -3, 3, 0.5);
}

}  // namespace

void MakeBoardArt() {
    MakeBoardFrameArt();
    MakeCellGlow();
    MakeMoss();
    MakeCellMask();
    MakeChainMark();
    MakeArrows();
    MakeTopBar();
    MakeLowerBar();
    WriteBoardSample();
}
