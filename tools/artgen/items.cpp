// Items of set 1 ("data/match3/item1-N.png", 48 x 48, drawn centred on a cell).
// Each colour has its own silhouette so that the board reads without colour:
// 1 round bead, 2 starfish, 3 diamond crystal, 4 sea-glass drop, 5 scallop
// triangle. The alternative pictures 11, 12, 13 and 15 keep the silhouette of
// their colour with another cut or pattern; 12 (an iridescent starfish) is
// also the joker. 7 is a carved stone pillar block, 10 a sea mine bomb and
// 16..19 are pearls in the four power-up colours.
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const int ITEM_SIZE = 48;
const double CENTRE = 24.0;
const double ITEM_RADIUS = 20.0;

TRgb ItemBase(int colour) { return EFFECT_COLOURS[ITEM_COLOUR_CODE[colour]]; }

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation) {
    cairo_new_path(cr);
    for (int i = 0; i < points * 2; i++) {
        double a = rotation + M_PI * i / points - M_PI / 2;
        double r = (i % 2) ? inner : outer;
        if (i == 0) cairo_move_to(cr, cx + r * cos(a), cy + r * sin(a));
        else cairo_line_to(cr, cx + r * cos(a), cy + r * sin(a));
    }
    cairo_close_path(cr);
}

// A five-armed starfish with rounded arm tips (curves through the inner points).
void StarfishPath(cairo_t* cr, double cx, double cy, double outer, double inner) {
    cairo_new_path(cr);
    for (int i = 0; i < 5; i++) {
        double a = -M_PI / 2 + i * 2 * M_PI / 5;
        double ap = a - M_PI / 5, an = a + M_PI / 5;
        double tipW = 0.16;
        if (i == 0) cairo_move_to(cr, cx + inner * cos(ap), cy + inner * sin(ap));
        cairo_curve_to(cr, cx + inner * 1.15 * cos(ap + 0.25), cy + inner * 1.15 * sin(ap + 0.25),
                       cx + outer * cos(a - tipW), cy + outer * sin(a - tipW),
                       cx + outer * cos(a), cy + outer * sin(a));
        cairo_curve_to(cr, cx + outer * cos(a + tipW), cy + outer * sin(a + tipW),
                       cx + inner * 1.15 * cos(an - 0.25), cy + inner * 1.15 * sin(an - 0.25),
                       cx + inner * cos(an), cy + inner * sin(an));
    }
    cairo_close_path(cr);
}

void DiamondPath(cairo_t* cr, double r) {
    cairo_new_path(cr);
    cairo_move_to(cr, CENTRE, CENTRE - r);
    cairo_line_to(cr, CENTRE + r * 0.82, CENTRE);
    cairo_line_to(cr, CENTRE, CENTRE + r);
    cairo_line_to(cr, CENTRE - r * 0.82, CENTRE);
    cairo_close_path(cr);
}

void DropPath(cairo_t* cr, double r) {
    cairo_new_path(cr);
    double cy = CENTRE + r * 0.28;
    double br = r * 0.72;
    cairo_move_to(cr, CENTRE, CENTRE - r);
    cairo_curve_to(cr, CENTRE + br * 0.35, cy - br * 1.1, CENTRE + br * 1.05, cy - br * 0.55, CENTRE + br, cy);
    cairo_arc(cr, CENTRE, cy, br, 0, M_PI);
    cairo_curve_to(cr, CENTRE - br * 1.05, cy - br * 0.55, CENTRE - br * 0.35, cy - br * 1.1, CENTRE, CENTRE - r);
    cairo_close_path(cr);
}

// Rounded triangle pointing down: the outline of a scallop shell.
void ScallopPath(cairo_t* cr, double r) {
    cairo_new_path(cr);
    double top = CENTRE - r * 0.78, bottom = CENTRE + r;
    cairo_move_to(cr, CENTRE, bottom);
    cairo_curve_to(cr, CENTRE - r * 0.35, bottom - r * 0.2, CENTRE - r * 1.05, top + r * 0.55, CENTRE - r * 0.98, top + r * 0.18);
    cairo_curve_to(cr, CENTRE - r * 0.9, top - r * 0.12, CENTRE - r * 0.4, top - r * 0.22, CENTRE, top - r * 0.2);
    cairo_curve_to(cr, CENTRE + r * 0.4, top - r * 0.22, CENTRE + r * 0.9, top - r * 0.12, CENTRE + r * 0.98, top + r * 0.18);
    cairo_curve_to(cr, CENTRE + r * 1.05, top + r * 0.55, CENTRE + r * 0.35, bottom - r * 0.2, CENTRE, bottom);
    cairo_close_path(cr);
}

// White highlight ellipse in the upper left, the same on every item.
void Highlight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Sparkle(cairo_t* cr, double x, double y, double r) {
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    StarPath(cr, x, y, r, r * 0.22, 4, 0);
    cairo_fill(cr);
}

void DrawBead(cairo_t* cr, bool ammonite) {
    TRgb c = ItemBase(1);
    cairo_arc(cr, CENTRE, CENTRE, ITEM_RADIUS - 0.5, 0, 2 * M_PI);
    GlossyFill(cr, c, CENTRE, CENTRE, ITEM_RADIUS);
    cairo_new_path(cr);
    if (ammonite) {
        // a spiral shell cut into the bead
        cairo_set_line_width(cr, 2.2);
        SetRgb(cr, Darker(c, 0.45), 0.85);
        for (double t = 0; t < 5.6 * M_PI; t += 0.08) {
            double r = 1.2 + t * 0.98;
            double x = CENTRE + 1 + r * cos(t), y = CENTRE + 1 + r * sin(t);
            if (t == 0) cairo_move_to(cr, x, y);
            else cairo_line_to(cr, x, y);
        }
        cairo_stroke(cr);
        for (int i = 0; i < 10; i++) {
            double t = 2.2 * M_PI + i * 0.35 * M_PI;
            double r = 1.2 + t * 0.98;
            double x = CENTRE + 1 + r * cos(t), y = CENTRE + 1 + r * sin(t);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, CENTRE + 1 + (r - 5.5) * cos(t), CENTRE + 1 + (r - 5.5) * sin(t));
        }
        cairo_set_line_width(cr, 1.0);
        SetRgb(cr, Darker(c, 0.4), 0.6);
        cairo_stroke(cr);
    } else {
        // a ring of lighter coral around the middle
        cairo_arc(cr, CENTRE, CENTRE, ITEM_RADIUS * 0.52, 0, 2 * M_PI);
        cairo_set_line_width(cr, 2.0);
        SetRgb(cr, Lighter(c, 0.35), 0.5);
        cairo_stroke(cr);
    }
    Highlight(cr, CENTRE - 6, CENTRE - 8, 9, 6, 0.85);
    Sparkle(cr, CENTRE - 8, CENTRE - 10, 3.5);
}

void DrawStarfish(cairo_t* cr, bool iridescent) {
    TRgb c = ItemBase(2);
    StarfishPath(cr, CENTRE, CENTRE + 1.5, 22.5, 9.5);
    if (iridescent) {
        cairo_pattern_t* p = cairo_pattern_create_linear(4, 4, 44, 44);
        cairo_pattern_add_color_stop_rgb(p, 0.0, 1.0, 0.55, 0.75);
        cairo_pattern_add_color_stop_rgb(p, 0.3, 1.0, 0.9, 0.35);
        cairo_pattern_add_color_stop_rgb(p, 0.55, 0.45, 1.0, 0.7);
        cairo_pattern_add_color_stop_rgb(p, 0.8, 0.45, 0.7, 1.0);
        cairo_pattern_add_color_stop_rgb(p, 1.0, 0.75, 0.5, 1.0);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        cairo_set_source_rgba(cr, 0.35, 0.2, 0.05, 0.9);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke_preserve(cr);
    } else {
        GlossyFill(cr, c, CENTRE, CENTRE + 1.5, 22);
    }
    cairo_new_path(cr);
    // bumps along each arm
    for (int i = 0; i < 5; i++) {
        double a = -M_PI / 2 + i * 2 * M_PI / 5;
        for (int k = 1; k <= 3; k++) {
            double r = 4.0 + k * 4.6;
            double x = CENTRE + r * cos(a), y = CENTRE + 1.5 + r * sin(a);
            cairo_arc(cr, x, y, iridescent ? 1.9 - k * 0.25 : 1.5, 0, 2 * M_PI);
            if (iridescent) cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
            else SetRgb(cr, Darker(c, 0.35), 0.55);
            cairo_fill(cr);
        }
    }
    cairo_arc(cr, CENTRE, CENTRE + 1.5, 3.0, 0, 2 * M_PI);
    SetRgb(cr, iridescent ? TRgb{1, 1, 1} : Lighter(c, 0.5), 0.8);
    cairo_fill(cr);
    Highlight(cr, CENTRE - 5, CENTRE - 6, 7, 5, 0.6);
    if (iridescent) {
        Sparkle(cr, CENTRE + 9, CENTRE - 12, 4.0);
        Sparkle(cr, CENTRE - 11, CENTRE + 6, 2.8);
    }
}

void DrawDiamond(cairo_t* cr, bool cushion) {
    TRgb c = ItemBase(3);
    double r = 22;
    if (cushion) {
        // a square-cut crystal turned on its corner, with a table facet
        cairo_save(cr);
        cairo_translate(cr, CENTRE, CENTRE);
        cairo_rotate(cr, M_PI / 4);
        cairo_scale(cr, 0.82, 1.0);
        RoundedRectPath(cr, -14.8, -14.8, 29.6, 29.6, 4);
        cairo_restore(cr);
    } else {
        DiamondPath(cr, r);
    }
    GlossyFill(cr, c, CENTRE, CENTRE, r);
    cairo_new_path(cr);
    // facets
    cairo_set_line_width(cr, 1.2);
    if (cushion) {
        cairo_move_to(cr, CENTRE, CENTRE - 10);
        cairo_line_to(cr, CENTRE + 8.2, CENTRE);
        cairo_line_to(cr, CENTRE, CENTRE + 10);
        cairo_line_to(cr, CENTRE - 8.2, CENTRE);
        cairo_close_path(cr);
        SetRgb(cr, Lighter(c, 0.5), 0.55);
        cairo_fill_preserve(cr);
        SetRgb(cr, Lighter(c, 0.8), 0.8);
        cairo_stroke(cr);
        for (int i = 0; i < 4; i++) {
            double a = i * M_PI / 2;
            cairo_move_to(cr, CENTRE + 10 * sin(a) * 0.82, CENTRE - 10 * cos(a));
            cairo_line_to(cr, CENTRE + 18.5 * sin(a) * 0.82, CENTRE - 18.5 * cos(a));
        }
        SetRgb(cr, Lighter(c, 0.7), 0.6);
        cairo_stroke(cr);
    } else {
        cairo_move_to(cr, CENTRE - r * 0.82, CENTRE);
        cairo_line_to(cr, CENTRE - 6, CENTRE - 5);
        cairo_line_to(cr, CENTRE + 6, CENTRE - 5);
        cairo_line_to(cr, CENTRE + r * 0.82, CENTRE);
        cairo_move_to(cr, CENTRE - 6, CENTRE - 5);
        cairo_line_to(cr, CENTRE, CENTRE - r);
        cairo_line_to(cr, CENTRE + 6, CENTRE - 5);
        cairo_move_to(cr, CENTRE - 6, CENTRE - 5);
        cairo_line_to(cr, CENTRE, CENTRE + r);
        cairo_line_to(cr, CENTRE + 6, CENTRE - 5);
        SetRgb(cr, Lighter(c, 0.7), 0.7);
        cairo_stroke(cr);
    }
    Highlight(cr, CENTRE - 5, CENTRE - 8, 6, 5, 0.8);
    Sparkle(cr, CENTRE - 5, CENTRE - 11, 3.5);
}

void DrawDrop(cairo_t* cr) {
    TRgb c = ItemBase(4);
    DropPath(cr, 21.5);
    GlossyFill(cr, c, CENTRE, CENTRE + 5, 19);
    cairo_new_path(cr);
    // frosted sea-glass rim
    DropPath(cr, 16.5);
    cairo_translate(cr, 0, 2.5);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Lighter(c, 0.6), 0.45);
    cairo_stroke(cr);
    cairo_identity_matrix(cr);
    Highlight(cr, CENTRE - 6, CENTRE, 5, 8, 0.8);
    Sparkle(cr, CENTRE - 6, CENTRE - 2, 3.2);
}

void DrawScallop(cairo_t* cr, bool ribbed) {
    TRgb c = ItemBase(5);
    ScallopPath(cr, 21);
    GlossyFill(cr, c, CENTRE, CENTRE, 21);
    cairo_new_path(cr);
    if (ribbed) {
        cairo_save(cr);
        ScallopPath(cr, 21);
        cairo_clip(cr);
        cairo_set_line_width(cr, 2.0);
        for (int i = -4; i <= 4; i++) {
            double a = M_PI / 2 + i * 0.19;
            cairo_move_to(cr, CENTRE, CENTRE + 21);
            cairo_line_to(cr, CENTRE - 40 * cos(a), CENTRE + 21 - 40 * sin(a));
        }
        SetRgb(cr, Darker(c, 0.45), 0.6);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_arc(cr, CENTRE, CENTRE + 21, 6, M_PI, 2 * M_PI);
        SetRgb(cr, Lighter(c, 0.4), 0.8);
        cairo_fill(cr);
    } else {
        // inner triangle facet
        ScallopPath(cr, 11);
        cairo_set_line_width(cr, 1.4);
        SetRgb(cr, Lighter(c, 0.55), 0.6);
        cairo_stroke(cr);
    }
    Highlight(cr, CENTRE - 6, CENTRE - 9, 8, 4.5, 0.8);
    Sparkle(cr, CENTRE - 8, CENTRE - 10, 3.2);
}

void DrawPillarBlock(cairo_t* cr) {
    TRgb stone = {0.42, 0.52, 0.56};
    RoundedRectPath(cr, 3, 2, 42, 44, 6);
    cairo_pattern_t* p = cairo_pattern_create_linear(3, 0, 45, 0);
    AddStop(p, 0.0, Darker(stone, 0.35));
    AddStop(p, 0.3, Lighter(stone, 0.25));
    AddStop(p, 0.7, stone);
    AddStop(p, 1.0, Darker(stone, 0.5));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, 0.05, 0.1, 0.14, 1);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    // carved bands and flutes
    for (int i = 0; i < 2; i++) {
        double y = 9 + i * 30;
        cairo_rectangle(cr, 4, y - 2.5, 40, 5);
        SetRgb(cr, Lighter(stone, 0.45), 0.8);
        cairo_fill(cr);
        cairo_move_to(cr, 4, y + 2.5);
        cairo_line_to(cr, 44, y + 2.5);
        cairo_set_source_rgba(cr, 0.1, 0.15, 0.2, 0.7);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 4; i++) {
        double x = 12 + i * 8;
        cairo_move_to(cr, x, 14);
        cairo_line_to(cr, x, 34);
        cairo_set_source_rgba(cr, 0.12, 0.18, 0.22, 0.55);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // a tuft of moss and a crack tell that it can be broken
    cairo_move_to(cr, 30, 15);
    cairo_line_to(cr, 27, 21);
    cairo_line_to(cr, 31, 25);
    cairo_line_to(cr, 28, 31);
    cairo_set_source_rgba(cr, 0.05, 0.08, 0.1, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 5; i++) {
        cairo_arc(cr, 8 + i * 3.2, 44 - (i % 2) * 1.5, 2.6, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.25, 0.6, 0.3, 0.9);
        cairo_fill(cr);
    }
}

void DrawMine(cairo_t* cr) {
    TRgb metal = {0.24, 0.27, 0.33};
    // spikes
    for (int i = 0; i < 8; i++) {
        double a = i * M_PI / 4 + M_PI / 8;
        double x = CENTRE + 20 * cos(a), y = CENTRE + 1 + 20 * sin(a);
        cairo_move_to(cr, CENTRE + 12 * cos(a - 0.22), CENTRE + 1 + 12 * sin(a - 0.22));
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, CENTRE + 12 * cos(a + 0.22), CENTRE + 1 + 12 * sin(a + 0.22));
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 0.55, 0.6, 0.66);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.08, 0.09, 0.12);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_arc(cr, x, y, 2.2, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.9, 0.75, 0.3);
        cairo_fill(cr);
    }
    cairo_arc(cr, CENTRE, CENTRE + 1, 14.5, 0, 2 * M_PI);
    GlossyFill(cr, metal, CENTRE, CENTRE + 1, 15);
    cairo_new_path(cr);
    // rivet band and the warning light
    cairo_arc(cr, CENTRE, CENTRE + 1, 10, 0.15 * M_PI, 0.85 * M_PI);
    cairo_set_source_rgba(cr, 0.7, 0.75, 0.8, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    SoftGlow(cr, CENTRE, CENTRE - 2, 9, {1.0, 0.25, 0.15}, 0.9);
    cairo_arc(cr, CENTRE, CENTRE - 2, 3.6, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1.0, 0.35, 0.2);
    cairo_fill(cr);
    cairo_arc(cr, CENTRE - 1, CENTRE - 3, 1.3, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1.0, 0.9, 0.8);
    cairo_fill(cr);
    Highlight(cr, CENTRE - 5, CENTRE - 6, 5, 3.5, 0.55);
}

void DrawPearl(cairo_t* cr, int powerup) {
    TRgb c = Mix(EFFECT_COLOURS[POWERUP_COLOUR_CODE[powerup]], {1, 1, 1}, 0.15);
    DrawPearlBody(cr, CENTRE, CENTRE, 17, c);
    Highlight(cr, CENTRE - 5, CENTRE - 6, 5.5, 4, 0.95);
}

using TDrawItem = void (*)(cairo_t*, int);

void SaveItem(int index, TDrawItem draw, int arg) {
    cairo_t* cr = BeginPicture(ITEM_SIZE, ITEM_SIZE);
    draw(cr, arg);
    // a soft drop shadow lifts the item off its glass cell
    EndPictureWithShadow(cr, "data/match3/item1-" + std::to_string(index) + ".png", "items", 1, 2, 1, 0.45);
}

}  // namespace

void MakeItemArt() {
    SaveItem(1, [](cairo_t* cr, int) { DrawBead(cr, false); }, 0);
    SaveItem(2, [](cairo_t* cr, int) { DrawStarfish(cr, false); }, 0);
    SaveItem(3, [](cairo_t* cr, int) { DrawDiamond(cr, false); }, 0);
    SaveItem(4, [](cairo_t* cr, int) { DrawDrop(cr); }, 0);
    SaveItem(5, [](cairo_t* cr, int) { DrawScallop(cr, false); }, 0);
    SaveItem(7, [](cairo_t* cr, int) { DrawPillarBlock(cr); }, 0);
    SaveItem(10, [](cairo_t* cr, int) { DrawMine(cr); }, 0);
    SaveItem(11, [](cairo_t* cr, int) { DrawBead(cr, true); }, 0);
    SaveItem(12, [](cairo_t* cr, int) { DrawStarfish(cr, true); }, 0);
    SaveItem(13, [](cairo_t* cr, int) { DrawDiamond(cr, true); }, 0);
    SaveItem(15, [](cairo_t* cr, int) { DrawScallop(cr, true); }, 0);
    for (int k = 16; k <= 19; k++) SaveItem(k, DrawPearl, k - 15);
}
