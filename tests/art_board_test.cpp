// The border pieces join into one frame: boards are composed from the pieces
// the way the game composes them (pasted pieces replace pixels, the live
// pieces lie under the board picture, the column strips are pasted last), and
// the rim around the cells must be closed and free of seams.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "art_support.h"

namespace {

enum { U = 1, D = 2, L = 4, R = 8, UL = 16, UR = 32, DL = 64, DR = 128 };
struct TRule { int kind, set, clear; };
const TRule RULES[24] = {
    {1, L | R, U | UL | UR}, {2, L | R, D | DL | DR}, {3, U | D, L | UL | DL}, {4, U | D, R | UR | DR},
    {5, R, U | L | UR | DL}, {6, L, U | R | UL | DR}, {7, L, D | R | DL | UR}, {8, R, D | L | DR | UL},
    {9, U | DR, R}, {10, U | DL, L}, {11, R | UL, U}, {12, L | UR, U}, {13, D | UR, R}, {14, D | UL, L},
    {15, R | DL, D}, {16, L | DR, D}, {17, R | UL, D | L | DR}, {18, L | UR, D | R | DL},
    {19, L | DR, U | R | UL}, {20, R | DL, U | L | UR}, {21, D | UL, U | R | DR}, {22, D | UR, U | L | DL},
    {23, U | DR, D | L | UL}, {24, U | DL, D | R | UR},
};
const int DX[25] = {0, 0, 0, -18, 46, -18, 0, 0, -18, 46, -18, 0, 0, 46, -18, 0, 0, -18, 0, 0, -18, 0, 0, 0, 0};
const int DY[25] = {0, -18, 46, 0, 0, -18, -18, 0, 0, 0, 0, 0, 0, -1, -1, 0, 0, -2, -2, -18, -18, 0, 0, 0, 0};
bool Live(int k) { return k == 11 || k == 12 || k == 15 || k == 16 || (k >= 21 && k <= 24); }

const int MARGIN = 40;

struct TBoard {
    std::vector<std::string> shape;
    int width = 0, height = 0;
    std::vector<uint32_t> under, board;   // live layer and composed board picture

    bool At(int r, int c) const {
        return r >= 0 && r < static_cast<int>(shape.size()) && c >= 0 && c < static_cast<int>(shape[r].size()) && shape[r][c] == 'X';
    }
    int Kind(int r, int c) const {
        const int DR_[8] = {-1, 1, 0, 0, -1, -1, 1, 1}, DC_[8] = {0, 0, -1, 1, -1, 1, -1, 1};
        int flags = 0;
        for (int b = 0; b < 8; b++)
            if (At(r + DR_[b], c + DC_[b])) flags |= 1 << b;
        int kind = 0;
        for (const TRule& rule : RULES)
            if ((flags & rule.set) == rule.set && (flags & rule.clear) == 0) kind = rule.kind;
        return kind;
    }
    void Paste(std::vector<uint32_t>& layer, const TArtPicture& p, int x, int y, bool over) {
        for (int v = 0; v < p.height; v++)
            for (int u = 0; u < p.width; u++) {
                int X = x + u, Y = y + v;
                if (X < 0 || Y < 0 || X >= width || Y >= height) continue;
                uint32_t s = p.At(u, v);
                if (!over || (s >> 24) > (layer[Y * width + X] >> 24)) layer[Y * width + X] = s;
            }
    }
    void Compose() {
        width = static_cast<int>(shape[0].size()) * 48 + 2 * MARGIN;
        height = static_cast<int>(shape.size()) * 48 + 2 * MARGIN;
        under.assign(width * height, 0);
        board.assign(width * height, 0);
        for (int r = 0; r < static_cast<int>(shape.size()); r++)
            for (int c = 0; c < static_cast<int>(shape[r].size()); c++) {
                if (!At(r, c)) continue;
                int k = Kind(r, c);
                if (k == 0) continue;
                TArtPicture piece;
                ASSERT_TRUE(ReadArtPng(ArtRunDir() + "data/match3/border" + std::to_string(k) + ".png", piece)) << k;
                int x = MARGIN + c * 48, y = MARGIN + r * 48;
                if (Live(k)) Paste(under, piece, x - 18, y - 18, true);
                else Paste(board, piece, x + DX[k], y + DY[k], false);
            }
        for (int c = 0; c < static_cast<int>(shape[0].size()); c++) {
            int top = -1, count = 0;
            for (int r = 0; r < static_cast<int>(shape.size()); r++)
                if (At(r, c)) { if (top < 0) top = r; count++; }
            if (count == 0) continue;
            TArtPicture strip;
            ASSERT_TRUE(ReadArtPng(ArtRunDir() + "data/match3/cellrow" + std::to_string(count) + ".png", strip));
            Paste(board, strip, MARGIN + c * 48, MARGIN + top * 48, false);
        }
    }
    int Alpha(int x, int y) const {
        return std::max(static_cast<int>(board[y * width + x] >> 24), static_cast<int>(under[y * width + x] >> 24));
    }
    double DistanceToCells(double px, double py) const {
        double best = 1e9;
        for (int r = 0; r < static_cast<int>(shape.size()); r++)
            for (int c = 0; c < static_cast<int>(shape[r].size()); c++) {
                if (!At(r, c)) continue;
                double x0 = MARGIN + c * 48, y0 = MARGIN + r * 48;
                double qx = std::min(std::max(px, x0), x0 + 48), qy = std::min(std::max(py, y0), y0 + 48);
                best = std::min(best, std::hypot(px - qx, py - qy));
            }
        return best;
    }
    // pixels near the cells but outside them that the frame leaves open
    int OpenRimPixels() const {
        int open = 0;
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) {
                double d = DistanceToCells(x + 0.5, y + 0.5);
                if (d >= 0.5 && d <= 16.0 && Alpha(x, y) < 128) open++;
            }
        return open;
    }
};

}  // namespace

TEST(ArtBoard, RectangularSteppedAndNotchedBoardsAreClosed) {
    const std::vector<std::vector<std::string>> shapes = {
        {"XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX"},
        {"XX....", "XXXX..", "XXXXXX", "XXXXXX"},
        {"XXX...", "XXX...", "XXXXXX", "XXXXXX"},
        {"..XX..", "..XX..", "XXXXXX", "XXXXXX"},
    };
    for (size_t n = 0; n < shapes.size(); n++) {
        TBoard b;
        b.shape = shapes[n];
        b.Compose();
        EXPECT_EQ(b.OpenRimPixels(), 0) << "board " << n;
        // nothing is drawn far from the cells
        for (int x = 0; x < b.width; x++) ASSERT_EQ(b.Alpha(x, 0), 0) << "board " << n;
    }
}

TEST(ArtBoard, StraightEdgesRepeatWithoutSeams) {
    TBoard b;
    b.shape = {"XXXXXXX", "XXXXXXX", "XXXXXXX"};
    b.Compose();
    // the rim above the middle cells and left of the middle row is the same
    // picture every 48 pixels
    for (int y = MARGIN - 18; y < MARGIN; y++)
        for (int x = MARGIN + 48; x < MARGIN + 4 * 48; x++)
            ASSERT_EQ(b.board[y * b.width + x], b.board[y * b.width + x + 48]) << x << "," << y;
    for (int y = MARGIN + 48; y < MARGIN + 96; y++)
        for (int x = MARGIN - 18; x < MARGIN; x++)
            ASSERT_EQ(b.board[y * b.width + x], b.board[(y - 48) * b.width + x]) << x << "," << y;
}
