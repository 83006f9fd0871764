// Border pieces "data/match3/border1..24.png" and column strips
// "data/match3/cellrow1..11.png".
//
// The frame is defined once, as a function of the distance from a point to the
// union of the cells: a rounded pearl rim RIM_WIDTH pixels wide, lit from above.
// Each piece is cut out of that function evaluated around a typical
// neighbourhood of its kind, so where two pieces overlap they hold the same
// pixels and the frame joins without seams.
#include "board_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const int CELL = CELL_SPACING;
const double RIM_WIDTH = BORDER_REACH;

// A 3 x 3 neighbourhood, the cell itself in the middle.
struct TNeighbourhood {
    int occupied[3][3];   // [row][column]
};

TNeighbourhood NeighbourhoodOf(int flags) {
    TNeighbourhood n{};
    n.occupied[1][1] = 1;
    for (int b = 0; b < NEAR_FLAG_COUNT; b++)
        if (flags & (1 << b)) n.occupied[1 + NEAR_STEP_R[b]][1 + NEAR_STEP_C[b]] = 1;
    return n;
}

// How unusual a neighbourhood is: open sides, and diagonals that disagree with
// the two sides beside them, count against it.
int Unusualness(int flags) {
    int score = 0;
    for (int b = 0; b < 4; b++)
        if (!(flags & (1 << b))) score += 2;
    auto has = [&](int f) { return (flags & f) != 0; };
    score += has(NEAR_UL) != (has(NEAR_U) && has(NEAR_L));
    score += has(NEAR_UR) != (has(NEAR_U) && has(NEAR_R));
    score += has(NEAR_DL) != (has(NEAR_D) && has(NEAR_L));
    score += has(NEAR_DR) != (has(NEAR_D) && has(NEAR_R));
    return score;
}

// The most ordinary neighbourhood that gives the kind.
int TypicalFlags(int kind) {
    int best = -1, bestScore = 1000;
    for (int flags = 0; flags < 256; flags++) {
        if (BorderKind(flags) != kind) continue;
        int s = Unusualness(flags);
        if (s < bestScore) {
            bestScore = s;
            best = flags;
        }
    }
    return best;
}

// Distance from a point (relative to the middle cell's top-left corner) to the
// occupied cells, with the direction away from the nearest one.
double DistanceToCells(const TNeighbourhood& n, double px, double py, double& nx, double& ny, int& nearestRow, int& nearestCol) {
    double best = 1e9;
    nx = 0;
    ny = 0;
    nearestRow = nearestCol = -1;
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) {
            if (!n.occupied[r][c]) continue;
            double x0 = (c - 1) * CELL, y0 = (r - 1) * CELL;
            double qx = std::clamp(px, x0, x0 + CELL), qy = std::clamp(py, y0, y0 + CELL);
            double d = std::hypot(px - qx, py - qy);
            // ties go to the middle cell so that its own rim is found
            bool better = d < best - 1e-9 || (std::fabs(d - best) <= 1e-9 && r == 1 && c == 1);
            if (better) {
                best = d;
                nearestRow = r;
                nearestCol = c;
                if (d > 1e-9) {
                    nx = (px - qx) / d;
                    ny = (py - qy) / d;
                }
            }
        }
    return best;
}

// The rim's colour at a point: premultiplied ARGB.
uint32_t RimPixel(double d, double nx, double ny) {
    if (d <= 0.0 || d >= RIM_WIDTH + 0.5) return 0;
    double coverage = std::clamp(RIM_WIDTH + 0.5 - d, 0.0, 1.0);
    double t = d / RIM_WIDTH;
    // a rounded bead whose crest lies a little inside the middle of the rim
    const double crest = 0.42;
    double u = (t - crest) / (t < crest ? crest : 1.0 - crest);
    double slope = -u / std::sqrt(std::max(0.05, 1.0 - u * u)) / (t < crest ? crest : 1.0 - crest);
    double k = 0.9;
    double Nx = -slope * k * nx, Ny = -slope * k * ny, Nz = 1.0;
    double len = std::sqrt(Nx * Nx + Ny * Ny + Nz * Nz);
    Nx /= len; Ny /= len; Nz /= len;
    const double Lx = -0.30, Ly = -0.78, Lz = 0.55;
    double diffuse = std::max(0.0, Nx * Lx + Ny * Ly + Nz * Lz);
    double Hx = Lx, Hy = Ly, Hz = Lz + 1.0;
    double hl = std::sqrt(Hx * Hx + Hy * Hy + Hz * Hz);
    double specular = std::pow(std::max(0.0, (Nx * Hx + Ny * Hy + Nz * Hz) / hl), 36.0);
    // pearl sheen: the tint drifts with the facing direction
    double sheen = 0.5 + 0.5 * std::sin(std::atan2(ny, nx) * 2.0 + t * 3.0);
    TRgb base = Mix({0.42, 0.70, 0.80}, {0.66, 0.62, 0.86}, sheen * 0.45);
    double shade = 0.22 + 0.95 * diffuse;
    double r = base.r * shade + specular * 0.95;
    double g = base.g * shade + specular * 0.95;
    double b = base.b * shade + specular;
    // a dark groove against the cells and a fine dark line at the outer edge
    if (t < 0.1) {
        double m = 1.0 - t / 0.1;
        r *= 1 - 0.75 * m; g *= 1 - 0.7 * m; b *= 1 - 0.6 * m;
    }
    if (t > 0.88) {
        double m = std::min(1.0, (t - 0.88) / 0.1);
        r *= 1 - 0.7 * m; g *= 1 - 0.65 * m; b *= 1 - 0.55 * m;
    }
    auto ch = [&](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * coverage * 255.0 + 0.5); };
    return (static_cast<uint32_t>(coverage * 255.0 + 0.5) << 24) | (ch(r) << 16) | (ch(g) << 8) | ch(b);
}

void MakeBorderPiece(int kind) {
    int flags = TypicalFlags(kind);
    if (flags < 0) {
        std::printf("artgen: no neighbourhood gives border kind %d\n", kind);
        return;
    }
    TNeighbourhood n = NeighbourhoodOf(flags);
    int ox, oy;
    BorderPieceOffset(kind, ox, oy);
    bool live = BorderDrawnLive(kind) != 0;
    // the extent of the rim that belongs to this cell
    int maxX = ox, maxY = oy, minX = 1000, minY = 1000;
    const int LO = -static_cast<int>(RIM_WIDTH) - 1, HI = CELL + static_cast<int>(RIM_WIDTH) + 1;
    for (int v = LO; v < HI; v++)
        for (int u = LO; u < HI; u++) {
            double nx, ny;
            int r, c;
            double d = DistanceToCells(n, u + 0.5, v + 0.5, nx, ny, r, c);
            if (r != 1 || c != 1 || RimPixel(d, nx, ny) == 0) continue;
            maxX = std::max(maxX, u + 1);
            maxY = std::max(maxY, v + 1);
            minX = std::min(minX, u);
            minY = std::min(minY, v);
        }
    if (minX < ox || minY < oy) std::printf("artgen: border piece %d loses rim left of or above its corner\n", kind);
    int w = std::max(1, maxX - ox), h = std::max(1, maxY - oy);
    cairo_surface_t* piece = NewSurface(w, h);
    int stride;
    uint32_t* data = PixelsOf(piece, stride);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            double nx, ny;
            int r, c;
            double d = DistanceToCells(n, ox + x + 0.5, oy + y + 0.5, nx, ny, r, c);
            // a live piece is drawn under the board, over whatever lies there, so
            // it carries only its own cell's rim; a pasted piece carries all of
            // the rim in its rectangle, which its neighbours' pieces repeat
            bool own = r == 1 && c == 1;
            data[y * stride + x] = (own || !live) ? RimPixel(d, nx, ny) : 0;
        }
    cairo_surface_mark_dirty(piece);
    SavePicture(piece, "data/match3/border" + std::to_string(kind) + ".png", "board");
    cairo_surface_destroy(piece);
}

// One empty cell: dark translucent glass sunk into the board.
void DrawEmptyCell(cairo_t* cr, double y) {
    cairo_rectangle(cr, 0, y, CELL, CELL);
    cairo_pattern_t* body = cairo_pattern_create_radial(24, y + 18, 4, 24, y + 24, 36);
    cairo_pattern_add_color_stop_rgba(body, 0.0, 0.10, 0.26, 0.40, 0.88);
    cairo_pattern_add_color_stop_rgba(body, 1.0, 0.02, 0.08, 0.18, 0.92);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // bevel: light catches the lower edge inside the well, shadow under the top edge
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 2, y + 46);
    cairo_line_to(cr, 46, y + 46);
    cairo_line_to(cr, 46, y + 2);
    cairo_set_source_rgba(cr, 0.55, 0.80, 0.95, 0.25);
    cairo_stroke(cr);
    cairo_move_to(cr, 1, y + 47);
    cairo_line_to(cr, 1, y + 1);
    cairo_line_to(cr, 47, y + 1);
    cairo_set_source_rgba(cr, 0.0, 0.03, 0.08, 0.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0.5, y + 0.5, CELL - 1, CELL - 1);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.25, 0.5, 0.62, 0.35);
    cairo_stroke(cr);
}

void MakeColumnStrips() {
    for (int n = 1; n <= STRIP_LONGEST; n++) {
        cairo_t* cr = BeginPicture(CELL, CELL * n);
        for (int i = 0; i < n; i++) DrawEmptyCell(cr, i * CELL);
        EndPicture(cr, "data/match3/cellrow" + std::to_string(n) + ".png", "board");
    }
}

}  // namespace

void MakeBoardFrameArt() {
    MakeColumnStrips();
    for (int kind = 1; kind <= BORDER_KINDS; kind++) MakeBorderPiece(kind);
}

void WriteBoardSample() {
    // a shape with straight runs, steps, notches, a hole and a lone column
    const char* const SHAPE[] = {
        "..XXXXXX....",
        ".XXXXXXXX..X",
        "XXXX..XXXX.X",
        "XXXX..XXXXXX",
        "XXXXXXXXX...",
        ".XX.XXXXX...",
        ".XX..XXX....",
    };
    const int ROWS = 7, COLS = 12;
    auto at = [&](int r, int c) { return r >= 0 && r < ROWS && c >= 0 && c < COLS && SHAPE[r][c] == 'X'; };
    int width = COLS * CELL + 80, height = ROWS * CELL + 80;
    cairo_surface_t* sample = NewSurface(width, height);
    cairo_surface_t* board = NewSurface(width, height);
    int boardStride;
    uint32_t* boardPixels = PixelsOf(board, boardStride);
    cairo_t* cr = cairo_create(sample);
    cairo_pattern_t* sea = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(sea, 0, 0.08, 0.35, 0.5);
    cairo_pattern_add_color_stop_rgb(sea, 1, 0.02, 0.1, 0.2);
    cairo_set_source(cr, sea);
    cairo_paint(cr);
    cairo_pattern_destroy(sea);
    auto load = [&](const std::string& name) { return cairo_image_surface_create_from_png((runDir + "/data/match3/" + name).c_str()); };
    // pasting replaces pixels, as the game's composer does
    auto paste = [&](cairo_surface_t* piece, int x, int y) {
        if (cairo_surface_status(piece) != CAIRO_STATUS_SUCCESS) return;
        int ps;
        const uint32_t* src = PixelsOf(piece, ps);
        for (int v = 0; v < cairo_image_surface_get_height(piece); v++)
            for (int u = 0; u < cairo_image_surface_get_width(piece); u++)
                if (x + u >= 0 && x + u < width && y + v >= 0 && y + v < height)
                    boardPixels[(y + v) * boardStride + x + u] = src[v * ps + u];
    };
    for (int r = 0; r < ROWS; r++)
        for (int c = 0; c < COLS; c++) {
            if (!at(r, c)) continue;
            int flags = 0;
            for (int b = 0; b < NEAR_FLAG_COUNT; b++)
                if (at(r + NEAR_STEP_R[b], c + NEAR_STEP_C[b])) flags |= 1 << b;
            int kind = BorderKind(flags);
            if (kind == 0) continue;
            int x = 40 + c * CELL, y = 40 + r * CELL;
            int dx, dy;
            BorderPieceOffset(kind, dx, dy);
            cairo_surface_t* piece = load("border" + std::to_string(kind) + ".png");
            if (BorderDrawnLive(kind)) {
                cairo_set_source_surface(cr, piece, x + dx, y + dy);
                cairo_paint(cr);
            } else {
                paste(piece, x + dx, y + dy);
            }
            cairo_surface_destroy(piece);
        }
    for (int c = 0; c < COLS; c++) {
        int top = -1, count = 0;
        for (int r = 0; r < ROWS; r++)
            if (at(r, c)) {
                if (top < 0) top = r;
                count++;
            }
        if (count == 0) continue;
        // a column with a gap is drawn as separate runs here
        for (int r = top; r < ROWS;) {
            if (!at(r, c)) { r++; continue; }
            int run = 0;
            while (at(r + run, c)) run++;
            cairo_surface_t* strip = load("cellrow" + std::to_string(run) + ".png");
            paste(strip, 40 + c * CELL, 40 + r * CELL);
            cairo_surface_destroy(strip);
            r += run;
        }
    }
    cairo_surface_mark_dirty(board);
    cairo_set_source_surface(cr, board, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::string path = contactDir + "/board_sample.png";
    cairo_surface_write_to_png(sample, path.c_str());
    cairo_surface_destroy(board);
    cairo_surface_destroy(sample);
}
