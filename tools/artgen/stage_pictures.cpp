// The stage pictures ("data/puzzles/m" + stage + "/"): each stage's reward,
// a scene of its place in the deep. "0bg.png" is cut into the puzzle's
// pieces, "preview.png" shows it at half size in the map's stage popup and
// "preview2.png" is the thumbnail under the running puzzle. All three are
// written without alpha, as the game loads them with a mask colour: the
// scenes never hold that colour, the thumbnail's cut corners are made of it.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "art_common.h"
#include "families.h"
#include "platform/writers/writers.h"
#include "stage_pictures.h"
#include "tables/sizes.h"

namespace {

struct TStagePicture {
    void (*paint)(TScene&);
    TRgb waterTop, waterBottom;
    uint32_t seed;
    const char* title;   // for the review sheet only
};

// The same places as the stage backgrounds, going deeper and darker.
const TStagePicture STAGE_PICTURES[STAGE_COUNT] = {
    {PaintReefScene, {0.30, 0.78, 0.88}, {0.06, 0.36, 0.52}, 201, "sunny reef"},
    {PaintKelpScene, {0.26, 0.62, 0.62}, {0.04, 0.24, 0.30}, 202, "kelp forest"},
    {PaintMeadowScene, {0.24, 0.60, 0.70}, {0.05, 0.26, 0.36}, 203, "seagrass meadow"},
    {PaintWreckScene, {0.16, 0.44, 0.58}, {0.03, 0.14, 0.24}, 204, "shipwreck"},
    {PaintArchesScene, {0.14, 0.40, 0.60}, {0.03, 0.12, 0.26}, 205, "coral arches"},
    {PaintRuinsScene, {0.10, 0.32, 0.46}, {0.02, 0.10, 0.18}, 206, "sunken ruins"},
    {PaintCliffsScene, {0.10, 0.20, 0.42}, {0.02, 0.05, 0.14}, 207, "twilight cliffs"},
    {PaintCavesScene, {0.06, 0.16, 0.28}, {0.01, 0.04, 0.09}, 208, "caves"},
    {PaintJelliesScene, {0.07, 0.10, 0.30}, {0.01, 0.02, 0.10}, 209, "jellyfish drift"},
    {PaintTrenchScene, {0.04, 0.10, 0.20}, {0.00, 0.02, 0.06}, 210, "trench walls"},
    {PaintVentsScene, {0.08, 0.10, 0.20}, {0.03, 0.02, 0.05}, 211, "vents"},
    {PaintAbyssScene, {0.02, 0.05, 0.12}, {0.00, 0.01, 0.04}, 212, "abyss"},
};

constexpr uint32_t MASK_COLOUR = (static_cast<uint32_t>(STAGE_PICTURE_MASK_RED) << 16) |
                                 (static_cast<uint32_t>(STAGE_PICTURE_MASK_GREEN) << 8) | STAGE_PICTURE_MASK_BLUE;

// The radius of the thumbnail's rounded corners.
constexpr double THUMB_CORNER = 10;

// The surface's pixels as opaque 0xAARRGGBB; a pixel that happens to be the
// mask colour is moved one step off it, so no hole opens in the picture.
std::vector<uint32_t> OpaquePixels(cairo_surface_t* s) {
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride;
    const uint32_t* data = PixelsOf(s, stride);
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t v = data[y * stride + x] | 0xFF000000u;
            if ((v & 0xFFFFFF) == MASK_COLOUR) v ^= 0x000100;   // green 255 -> 254
            out[static_cast<size_t>(y) * w + x] = v;
        }
    return out;
}

void WriteOpaquePng(const std::vector<uint32_t>& pixels, int w, int h, const std::string& relPath) {
    std::string path = runDir + "/" + relPath;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!SavePng(path, w, h, pixels, 0)) std::printf("artgen: cannot write %s\n", path.c_str());
}

cairo_surface_t* Scaled(cairo_surface_t* picture, int w, int h) {
    cairo_surface_t* out = NewSurface(w, h);
    cairo_t* cr = cairo_create(out);
    cairo_scale(cr, static_cast<double>(w) / SP_W, static_cast<double>(h) / SP_H);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    return out;
}

// The thumbnail: the picture in a thin pearly rim with rounded corners (the
// corners are cut by ThumbnailPixels).
cairo_surface_t* Thumbnail(cairo_surface_t* picture) {
    const int W = STAGE_THUMB_WIDTH, H = STAGE_THUMB_HEIGHT;
    const double R = THUMB_CORNER;
    cairo_surface_t* small = Scaled(picture, W, H);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, small, 0, 0);
    cairo_paint(cr);
    RoundedRectPath(cr, 1, 1, W - 2, H - 2, R - 1);
    cairo_set_source_rgba(cr, 0.02, 0.05, 0.12, 0.9);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    RoundedRectPath(cr, 2.5, 2.5, W - 5, H - 5, R - 2.5);
    cairo_set_source_rgba(cr, 0.8, 0.95, 1.0, 0.75);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(small);
    return out;
}

// The thumbnail's pixels: inside the rounded rim opaque and never the mask
// colour, outside it exactly the mask colour.
std::vector<uint32_t> ThumbnailPixels(cairo_surface_t* thumb) {
    std::vector<uint32_t> px = OpaquePixels(thumb);
    const int W = STAGE_THUMB_WIDTH, H = STAGE_THUMB_HEIGHT;
    const double R = THUMB_CORNER;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            double cx = std::clamp(x + 0.5, R, W - R), cy = std::clamp(y + 0.5, R, H - R);
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy > R * R) px[static_cast<size_t>(y) * W + x] = 0xFF000000u | MASK_COLOUR;
        }
    return px;
}

// The review sheet: the twelve pictures at half size, four to a row, named.
void WriteStageSheet(const std::vector<cairo_surface_t*>& pictures) {
    const int CELL_W = STAGE_PREVIEW_WIDTH, CELL_H = STAGE_PREVIEW_HEIGHT, GAP = 8, LABEL = 20, COLUMNS = 4;
    int rows = (static_cast<int>(pictures.size()) + COLUMNS - 1) / COLUMNS;
    int width = COLUMNS * (CELL_W + GAP) + GAP, height = rows * (CELL_H + LABEL + GAP) + GAP;
    cairo_surface_t* sheet = NewSurface(width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
    cairo_paint(cr);
    for (size_t i = 0; i < pictures.size(); i++) {
        int x = GAP + static_cast<int>(i % COLUMNS) * (CELL_W + GAP);
        int y = GAP + static_cast<int>(i / COLUMNS) * (CELL_H + LABEL + GAP);
        cairo_surface_t* small = Scaled(pictures[i], CELL_W, CELL_H);
        cairo_set_source_surface(cr, small, x, y);
        cairo_paint(cr);
        cairo_surface_destroy(small);
        // the cut into pieces, faintly
        for (int c = 1; c < STAGE_PICTURE_COLUMNS; c++) cairo_rectangle(cr, x + c * CELL_W / STAGE_PICTURE_COLUMNS, y, 0.6, CELL_H);
        for (int r = 1; r < STAGE_PICTURE_ROWS; r++) cairo_rectangle(cr, x, y + r * CELL_H / STAGE_PICTURE_ROWS, CELL_W, 0.6);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
        cairo_fill(cr);
        char label[80];
        std::snprintf(label, sizeof label, "m%d  %s", static_cast<int>(i + 1), STAGE_PICTURES[i].title);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 13);
        cairo_move_to(cr, x + 2, y + CELL_H + 15);
        cairo_show_text(cr, label);
    }
    cairo_destroy(cr);
    SaveReviewPicture(sheet, "stagepictures.png");
    cairo_surface_destroy(sheet);
}

}  // namespace

void MakeStagePictureArt() {
    std::vector<cairo_surface_t*> pictures;
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        const TStagePicture& sp = STAGE_PICTURES[stage - 1];
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SP_W, SP_H);
        cairo_t* cr = cairo_create(surface);
        TScene scene{surface, cr, TRandom(sp.seed), sp.waterTop, sp.waterBottom, sp.seed};
        sp.paint(scene);
        cairo_destroy(cr);
        WriteOpaquePng(OpaquePixels(surface), SP_W, SP_H, StagePicturePath(stage, "0bg.png"));
        cairo_surface_t* preview = Scaled(surface, STAGE_PREVIEW_WIDTH, STAGE_PREVIEW_HEIGHT);
        WriteOpaquePng(OpaquePixels(preview), STAGE_PREVIEW_WIDTH, STAGE_PREVIEW_HEIGHT, StagePicturePath(stage, "preview.png"));
        cairo_surface_destroy(preview);
        cairo_surface_t* thumb = Thumbnail(surface);
        WriteOpaquePng(ThumbnailPixels(thumb), STAGE_THUMB_WIDTH, STAGE_THUMB_HEIGHT, StagePicturePath(stage, "preview2.png"));
        cairo_surface_destroy(thumb);
        pictures.push_back(surface);
    }
    WriteStageSheet(pictures);
    for (cairo_surface_t* s : pictures) cairo_surface_destroy(s);
}
