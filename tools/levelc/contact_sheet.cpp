// Draws every level as it stands on the game screen, at a sixth of its size,
// with the screen furniture and the room each fish's order takes.
#include "tools/levelc/contact_sheet.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>

#include "tools/levelc/level_rules.h"

namespace {

const double SCALE = 1.0 / 6.0;
const int THUMB_W = 171, THUMB_H = 128;
const int GAP_X = 14, GAP_Y = 34, MARGIN_LEFT = 90, MARGIN_TOP = 50;

void FillBox(cairo_t* cr, const TBox& b, double r, double g, double bl, double a) {
    cairo_set_source_rgba(cr, r, g, bl, a);
    cairo_rectangle(cr, b.left * SCALE, b.top * SCALE, (b.right - b.left) * SCALE, (b.bottom - b.top) * SCALE);
    cairo_fill(cr);
}

void DrawThumbnail(cairo_t* cr, const TLevelSource& level) {
    cairo_set_source_rgb(cr, 0.05, 0.12, 0.22);
    cairo_rectangle(cr, 0, 0, THUMB_W, THUMB_H);
    cairo_fill(cr);
    TBox furniture[16];
    const char* names[16];
    int n = ScreenFurniture(furniture, names);
    for (int f = 0; f < n; f++) FillBox(cr, furniture[f], 0.45, 0.5, 0.6, 0.45);
    for (int r = 1; r <= LEVEL_ROWS; r++)
        for (int c = 1; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            int code = level.codes[LevelCodeIndex(r, c)];
            double x = CellCentreX(c) * SCALE, y = CellCentreY(r) * SCALE, h = CELL_HALF * SCALE;
            if (code >= CODE_CELL && code <= CODE_LAST_CELL) {
                cairo_set_source_rgb(cr, 0.22, 0.55, 0.66);
                if (code == CODE_MOSS) cairo_set_source_rgb(cr, 0.35, 0.75, 0.25);
                cairo_rectangle(cr, x - h + 0.5, y - h + 0.5, 2 * h - 1, 2 * h - 1);
                cairo_fill(cr);
                if (code == CODE_STONE) {
                    cairo_set_source_rgb(cr, 0.98, 0.92, 0.75);
                    cairo_arc(cr, x, y, h * 0.65, 0, 2 * M_PI);
                    cairo_fill(cr);
                }
                if (code == CODE_PILLAR || code == CODE_STONE_PILLAR) {
                    if (code == CODE_PILLAR) cairo_set_source_rgb(cr, 0.62, 0.42, 0.25);
                    else cairo_set_source_rgb(cr, 0.7, 0.7, 0.72);
                    int bottom = r;
                    while (bottom < LEVEL_ROWS) {
                        int below = level.codes[LevelCodeIndex(bottom + 1, c)];
                        if (below < CODE_CELL || below > CODE_LAST_CELL) break;
                        bottom++;
                    }
                    double yb = CellCentreY(bottom) * SCALE + h;
                    cairo_rectangle(cr, x - h * 0.6, y - h * 0.8, h * 1.2, yb - (y - h * 0.8) - 0.5);
                    cairo_fill(cr);
                }
            } else if (code > CODE_FISH && code <= CODE_FISH + 3) {
                TBox box = FishBox(r, c, code - CODE_FISH);
                cairo_set_source_rgba(cr, 1.0, 0.6, 0.2, 0.6);
                cairo_set_line_width(cr, 0.7);
                cairo_rectangle(cr, box.left * SCALE, box.top * SCALE, (box.right - box.left) * SCALE,
                                (box.bottom - box.top) * SCALE);
                cairo_stroke(cr);
                cairo_set_source_rgb(cr, 1.0, 0.62, 0.25);
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_scale(cr, 1.0, 0.65);
                cairo_arc(cr, 0, 0, 40 * SCALE, 0, 2 * M_PI);
                cairo_restore(cr);
                cairo_fill(cr);
                char digit[2] = {(char)('0' + code - CODE_FISH), 0};
                cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
                cairo_set_font_size(cr, 8);
                cairo_move_to(cr, x - 2.5, y + 3);
                cairo_show_text(cr, digit);
            }
        }
}

}  // namespace

int DrawLevelContactSheet(const std::vector<TLevelSource>& levels, const std::string& pngPath) {
    int width = MARGIN_LEFT + LEVELS_PER_STAGE * (THUMB_W + GAP_X);
    int height = MARGIN_TOP + STAGE_COUNT * (THUMB_H + GAP_Y);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.9);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_set_font_size(cr, 18);
    cairo_move_to(cr, 10, 28);
    cairo_show_text(cr, "Glimmerdeep levels 1-108  (teal cell, green moss, pearl stone, brown pillar, grey stone pillar, orange fish and its order's room)");
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        char text[32];
        std::snprintf(text, sizeof text, "Stage %d", stage);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_set_font_size(cr, 15);
        cairo_move_to(cr, 10, MARGIN_TOP + (stage - 1) * (THUMB_H + GAP_Y) + THUMB_H / 2);
        cairo_show_text(cr, text);
    }
    for (const TLevelSource& level : levels) {
        if (level.level < 1 || level.level > LEVEL_COUNT) continue;
        int stage = (level.level - 1) / LEVELS_PER_STAGE, k = (level.level - 1) % LEVELS_PER_STAGE;
        double ox = MARGIN_LEFT + k * (THUMB_W + GAP_X), oy = MARGIN_TOP + stage * (THUMB_H + GAP_Y);
        cairo_save(cr);
        cairo_translate(cr, ox, oy);
        cairo_rectangle(cr, 0, 0, THUMB_W, THUMB_H);
        cairo_clip(cr);
        DrawThumbnail(cr, level);
        cairo_restore(cr);
        std::string label = std::to_string(level.level) + "  " + level.comment;
        if (label.size() > 30) label = label.substr(0, 29) + "...";
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_set_font_size(cr, 10);
        cairo_move_to(cr, ox, oy + THUMB_H + 13);
        cairo_show_text(cr, label.c_str());
    }
    cairo_destroy(cr);
    int ok = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}
