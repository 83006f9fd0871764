// The four bitmap fonts: strips of 260 cells drawn from the glyph lists, each
// character centred inside its advance at the left of its cell, a light fill
// with a dark outline so that text reads on light and dark grounds.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "art_common.h"
#include "families.h"
#include "text/glyph_lists.h"

namespace {

const int FONT_CELLS = 260;
const int CELLS_PER_ROW = 20;
const char* const FONT_FOLDERS[] = {"/usr/share/fonts", "/usr/local/share/fonts", "/usr/share/fonts/truetype"};

struct TFontStyle {
    const char* file;          // picture in data/texts
    int cellWidth, cellHeight;
    int reduction;             // width minus advance
    const char* faceFile;      // preferred type face
    double capHeight;          // pixels
    double baseline;           // from the cell top
    double outline;            // stroke width around the fill
    TRgb fillTop, fillBottom, outlineColour;
    double glow;               // strength of the soft outer glow (heading only)
};

const TFontStyle FONT_STYLES[] = {
    {"data/texts/fnormal.png", 20, 33, 1, "Comfortaa-Bold.ttf", 13.0, 24.0, 2.0,
     {1.0, 1.0, 1.0}, {0.70, 0.90, 1.0}, {0.02, 0.09, 0.22}, 0.0},
    {"data/texts/fhighlight.png", 20, 33, 1, "Comfortaa-Bold.ttf", 13.0, 24.0, 2.0,
     {1.0, 0.98, 0.72}, {1.0, 0.66, 0.18}, {0.26, 0.10, 0.02}, 0.0},
    {"data/texts/ftext.png", 20, 33, 3, "Comfortaa-Bold.ttf", 12.5, 23.0, 1.8,
     {1.0, 1.0, 0.97}, {0.84, 0.93, 1.0}, {0.03, 0.08, 0.18}, 0.0},
    {"data/texts/fhead.png", 28, 28, 2, "Comfortaa-Bold.ttf", 15.0, 21.5, 2.6,
     {1.0, 1.0, 1.0}, {0.38, 0.84, 0.98}, {0.02, 0.07, 0.20}, 0.5},
};

FT_Library freetype = nullptr;

// Finds a font file by name in the standard font folders.
std::string FindFontFile(const std::string& name) {
    for (const char* folder : FONT_FOLDERS) {
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec)) continue;
        std::string best;
        for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (ec) break;
            if (it->path().filename() == name) {
                std::string p = it->path().string();
                if (best.empty() || p < best) best = p;
            }
        }
        if (!best.empty()) return best;
    }
    return "";
}

struct TFace {
    FT_Face ft = nullptr;
    cairo_font_face_t* cairo = nullptr;
};

// Faces stay open for the whole run: cairo keeps using them in its caches.
TFace OpenFace(const std::string& name) {
    static std::map<std::string, TFace> opened;
    auto known = opened.find(name);
    if (known != opened.end()) return known->second;
    TFace& face = opened[name];
    std::string path = FindFontFile(name);
    if (path.empty() || FT_New_Face(freetype, path.c_str(), 0, &face.ft) != 0) {
        std::printf("artgen: font %s not found\n", name.c_str());
        face.ft = nullptr;
        return face;
    }
    face.cairo = cairo_ft_font_face_create_for_ft_face(face.ft, 0);
    return face;
}

// Draws one character into its own cell-sized surface; returns nullptr for none.
// The ink, outline included, stays inside the first inkLimit columns.
cairo_surface_t* DrawGlyphCell(const TFontStyle& style, int code, int inkLimit, const TFace& primary, const TFace& fallback) {
    const TFace* face = &primary;
    unsigned index = primary.ft ? FT_Get_Char_Index(primary.ft, code) : 0;
    if (index == 0 && fallback.ft) {
        face = &fallback;
        index = FT_Get_Char_Index(fallback.ft, code);
    }
    if (index == 0 || !face->cairo) return nullptr;

    cairo_surface_t* cell = NewSurface(style.cellWidth, style.cellHeight);
    cairo_t* cr = cairo_create(cell);
    cairo_set_font_face(cr, face->cairo);
    // size chosen so that a capital H is capHeight tall in this face
    cairo_set_font_size(cr, 100.0);
    cairo_glyph_t h = {FT_Get_Char_Index(face->ft, 'H'), 0, 0};
    cairo_text_extents_t hx;
    cairo_glyph_extents(cr, &h, 1, &hx);
    double size = hx.height > 0 ? 100.0 * style.capHeight / hx.height : 18.0;
    cairo_set_font_size(cr, size);
    cairo_glyph_t g = {index, 0, 0};
    cairo_text_extents_t ext;
    cairo_glyph_extents(cr, &g, 1, &ext);
    if (ext.width <= 0 || ext.height <= 0) {
        cairo_destroy(cr);
        return cell;
    }
    double margin = style.outline * 0.5 + 0.4;
    double allowed = inkLimit - 2 * margin;
    double sx = ext.width > allowed ? std::max(0.05, allowed) / ext.width : 1.0;
    double sy = sx < 0.6 ? sx / 0.6 : 1.0;   // very narrow cells shrink the glyph too
    double top = style.baseline + ext.y_bearing * sy;
    if (top < margin) sy = std::min(sy, (style.baseline - margin) / -ext.y_bearing);
    double bottom = style.baseline + (ext.y_bearing + ext.height) * sy;
    if (bottom > style.cellHeight - margin - 1)
        sy = std::min(sy, (style.cellHeight - margin - 1 - style.baseline) / (ext.y_bearing + ext.height));
    double inkLeft = (inkLimit - ext.width * sx) / 2.0;
    double originX = inkLeft - ext.x_bearing * sx;

    cairo_save(cr);
    cairo_translate(cr, originX, style.baseline);
    cairo_scale(cr, sx, sy);
    cairo_glyph_path(cr, &g, 1);
    cairo_restore(cr);
    cairo_path_t* path = cairo_copy_path(cr);

    // outline, then the fill with a vertical gradient
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, style.outline);
    SetRgb(cr, style.outlineColour, 1.0);
    cairo_stroke(cr);
    cairo_append_path(cr, path);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, style.baseline - style.capHeight, 0, style.baseline);
    AddStop(fill, 0.0, style.fillTop);
    AddStop(fill, 1.0, style.fillBottom);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_path_destroy(path);
    cairo_destroy(cr);
    return cell;
}

// Composes a finished cell into the strip: shadow, optional glow, glyph, kept
// strictly inside the first `advance` columns of the cell.
void PlaceCell(cairo_t* strip, cairo_surface_t* cell, const TFontStyle& style, int cellX, int cellY, int inkLimit) {
    cairo_save(strip);
    cairo_rectangle(strip, cellX, cellY, std::max(0, inkLimit), style.cellHeight);
    cairo_clip(strip);
    if (style.glow > 0) {
        cairo_surface_t* glow = SilhouetteOf(cell, 0.35, 0.85, 1.0, style.glow);
        BlurSurface(glow, 1);
        cairo_set_source_surface(strip, glow, cellX, cellY);
        cairo_paint(strip);
        cairo_surface_destroy(glow);
    }
    cairo_surface_t* shadow = SilhouetteOf(cell, 0.0, 0.02, 0.08, 0.55);
    BlurSurface(shadow, 1);
    cairo_set_source_surface(strip, shadow, cellX, cellY + 1.5);
    cairo_paint(strip);
    cairo_surface_destroy(shadow);
    cairo_set_source_surface(strip, cell, cellX, cellY);
    cairo_paint(strip);
    cairo_restore(strip);
}

void MakeFontStrip(const TFontStyle& style, const TFace& primary, const TFace& fallback) {
    bool head = style.cellHeight == 28;
    const TGlyphListEntry* list = head ? HEAD_GLYPH_LIST : BODY_GLYPH_LIST;
    int count = head ? HEAD_GLYPH_COUNT : BODY_GLYPH_COUNT;
    int rows = FONT_CELLS / CELLS_PER_ROW;
    cairo_t* cr = BeginPicture(style.cellWidth * CELLS_PER_ROW, style.cellHeight * rows);
    for (int p = 1; p <= count; p++) {
        const TGlyphListEntry& e = list[p - 1];
        if (e.code == 0 || e.code == ' ') continue;
        // the outline may reach one pixel past the advance, never past the width
        int inkLimit = std::min({e.width, e.width - style.reduction + 1, style.cellWidth});
        if (inkLimit <= 1) continue;
        cairo_surface_t* cell = DrawGlyphCell(style, e.code, inkLimit, primary, fallback);
        if (!cell) continue;
        int frame = p - 1;
        PlaceCell(cr, cell, style, (frame % CELLS_PER_ROW) * style.cellWidth, (frame / CELLS_PER_ROW) * style.cellHeight, inkLimit);
        cairo_surface_destroy(cell);
    }
    EndPicture(cr, style.file, "fonts");
}

}  // namespace

void MakeFontArt() {
    if (!freetype && FT_Init_FreeType(&freetype) != 0) {
        std::printf("artgen: FreeType failed to start\n");
        return;
    }
    TFace fallback = OpenFace("DejaVuSans-Bold.ttf");
    for (const TFontStyle& style : FONT_STYLES) {
        TFace primary = OpenFace(style.faceFile);
        if (!primary.ft) primary = fallback;
        MakeFontStrip(style, primary, fallback);
    }
}

cairo_font_face_t* DisplayFace() {
    if (!freetype && FT_Init_FreeType(&freetype) != 0) return nullptr;
    TFace face = OpenFace("Comfortaa-Bold.ttf");
    if (!face.cairo) face = OpenFace("DejaVuSans-Bold.ttf");
    return face.cairo;
}

void DrawTitleText(cairo_t* cr, const char* utf8, double cx, double baseline, double size,
                   TRgb top, TRgb bottom, TRgb outline, double outlineWidth) {
    cairo_save(cr);
    cairo_font_face_t* face = DisplayFace();
    if (face) cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8, &ext);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, baseline);
    cairo_text_path(cr, utf8);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, outlineWidth);
    SetRgb(cr, outline);
    cairo_stroke(cr);
    cairo_append_path(cr, path);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, baseline + ext.y_bearing, 0, baseline);
    AddStop(fill, 0.0, top);
    AddStop(fill, 1.0, bottom);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_restore(cr);
    cairo_path_destroy(path);
}
