// The border pieces join into one frame: boards are built in the game's own
// tables, their border kinds given by the game's rules and their picture
// composed by the game from the generated pieces; the live pieces are laid
// under it where the game draws them. The rim around the cells must be closed
// and free of seams.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "art_support.h"
#include "match3/board.h"
#include "match3/board_art.h"
#include "match3/board_draw.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tests/board_driver.h"
#include "tests/test_support.h"

namespace {

// Shapes are laid from this file column and row, well inside the board picture.
const int FIRST_COLUMN = 4, FIRST_ROW = 4;

// A generated picture as a game picture, pixel for pixel.
TImage GamePicture(const std::string& name) {
    TArtPicture p;
    if (!ReadArtPng(ArtRunDir() + "data/match3/" + name, p)) return nullptr;
    TImage image = MakeImage(p.width, p.height, 1);
    for (int v = 0; v < p.height; v++)
        for (int u = 0; u < p.width; u++) SetImagePixel(image, 0, u, v, p.At(u, v));
    return image;
}

TImage GeneratedBorder(int kind) { return GamePicture("border" + std::to_string(kind) + ".png"); }
TImage GeneratedStrip(int cells) { return GamePicture("cellrow" + std::to_string(cells) + ".png"); }

struct TBoard {
    std::vector<std::string> shape;
    std::vector<uint32_t> under, board;   // live layer and composed board picture, in picture pixels

    bool At(int r, int c) const {
        return r >= 0 && r < static_cast<int>(shape.size()) && c >= 0 && c < static_cast<int>(shape[r].size()) &&
               shape[r][c] == 'X';
    }
    // The top-left corner of the square of shape place (r, c) in the board picture.
    static int SquareX(int c) { return BoardImageX(CellCentreX(FIRST_COLUMN + c) - CELL_HALF); }
    static int SquareY(int r) { return BoardImageY(CellCentreY(FIRST_ROW + r) - CELL_HALF); }

    void PasteOver(const TImage piece, int x, int y) {
        for (int v = 0; v < ImageHeight(piece); v++)
            for (int u = 0; u < ImageWidth(piece); u++) {
                int X = x + u, Y = y + v;
                if (X < 0 || Y < 0 || X >= BOARD_IMAGE_WIDTH || Y >= BOARD_IMAGE_HEIGHT) continue;
                uint32_t s = ImagePixel(piece, 0, u, v);
                uint32_t& d = under[Y * BOARD_IMAGE_WIDTH + X];
                if ((s >> 24) > (d >> 24)) d = s;
            }
    }
    void Compose() {
        UseHeadlessPlatform();
        ClearBoardTables();
        for (int r = 0; r < static_cast<int>(shape.size()); r++)
            for (int c = 0; c < static_cast<int>(shape[r].size()); c++) {
                if (!At(r, c)) continue;
                int x = CellCentreX(FIRST_COLUMN + c), y = CellCentreY(FIRST_ROW + r);
                ASSERT_GT(AddCell(x, y, 1, 0, 0, 0, 0), 0);
                TColumn& column = columns[FIRST_COLUMN + c];
                column.colCount++;
                column.colX = x;
                if (y < column.colTop) column.colTop = y;
            }
        ApplyBorderKinds();
        StandInBoardFrameArt(GeneratedBorder, GeneratedStrip);
        for (int k = 1; k <= BORDER_KINDS; k++) EXPECT_NE(borderImages[k], nullptr) << k;
        ComposeBoardImage();
        ASSERT_NE(boardImage, nullptr);
        board.assign(BOARD_IMAGE_WIDTH * BOARD_IMAGE_HEIGHT, 0);
        for (int y = 0; y < BOARD_IMAGE_HEIGHT; y++)
            for (int x = 0; x < BOARD_IMAGE_WIDTH; x++) board[y * BOARD_IMAGE_WIDTH + x] = ImagePixel(boardImage, 0, x, y);
        under.assign(BOARD_IMAGE_WIDTH * BOARD_IMAGE_HEIGHT, 0);
        for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
            const TCell& cell = cells[slot];
            if (!cell.exists || !BorderDrawnLive(cell.borderKind)) continue;
            int dx, dy;
            BorderPieceOffset(cell.borderKind, dx, dy);
            if (borderImages[cell.borderKind])
                PasteOver(borderImages[cell.borderKind], BoardImageX(cell.x - CELL_HALF + dx),
                          BoardImageY(cell.y - CELL_HALF + dy));
        }
        RestoreBoardFrameArt();
        ClearBoardTables();
    }
    int Alpha(int x, int y) const {
        int i = y * BOARD_IMAGE_WIDTH + x;
        return std::max(static_cast<int>(board[i] >> 24), static_cast<int>(under[i] >> 24));
    }
    double DistanceToCells(double px, double py) const {
        double best = 1e9;
        for (int r = 0; r < static_cast<int>(shape.size()); r++)
            for (int c = 0; c < static_cast<int>(shape[r].size()); c++) {
                if (!At(r, c)) continue;
                double x0 = SquareX(c), y0 = SquareY(r);
                double qx = std::min(std::max(px, x0), x0 + CELL_SPACING);
                double qy = std::min(std::max(py, y0), y0 + CELL_SPACING);
                best = std::min(best, std::hypot(px - qx, py - qy));
            }
        return best;
    }
    // pixels near the cells but outside them that the frame leaves open
    int OpenRimPixels() const {
        int open = 0;
        int rows = static_cast<int>(shape.size()), cols = static_cast<int>(shape[0].size());
        for (int y = SquareY(0) - CELL_HALF; y < SquareY(rows) + CELL_HALF; y++)
            for (int x = SquareX(0) - CELL_HALF; x < SquareX(cols) + CELL_HALF; x++) {
                double d = DistanceToCells(x + 0.5, y + 0.5);
                if (d >= 0.5 && d <= 16.0 && Alpha(x, y) < 128) open++;
            }
        return open;
    }
};

}  // namespace

TEST(ArtBoard, RectangularSteppedAndNotchedBoardsAreClosedAndStraightEdgesRepeatWithoutSeams) {
    const std::vector<std::vector<std::string>> shapes = {
        {"XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX"},
        {"XX....", "XXXX..", "XXXXXX", "XXXXXX"},
        {"XXX...", "XXX...", "XXXXXX", "XXXXXX"},
        {"..XX..", "..XX..", "XXXXXX", "XXXXXX"},
    };
    const int W = BOARD_IMAGE_WIDTH, left = TBoard::SquareX(0), top = TBoard::SquareY(0);
    for (size_t n = 0; n < shapes.size(); n++) {
        TBoard b;
        b.shape = shapes[n];
        b.Compose();
        EXPECT_EQ(b.OpenRimPixels(), 0) << "board " << n;
        // nothing is drawn far from the cells
        for (int x = 0; x < W; x++) ASSERT_EQ(b.Alpha(x, top - CELL_SPACING), 0) << "board " << n;
        if (n > 0) continue;
        // the rim above the middle cells and left of the middle rows of the
        // rectangle is the same picture every cell
        for (int y = top - BORDER_REACH; y < top; y++)
            for (int x = left + CELL_SPACING; x < left + 4 * CELL_SPACING; x++)
                ASSERT_EQ(b.board[y * W + x], b.board[y * W + x + CELL_SPACING]) << x << "," << y;
        for (int y = top + CELL_SPACING; y < top + 2 * CELL_SPACING; y++)
            for (int x = left - BORDER_REACH; x < left; x++)
                ASSERT_EQ(b.board[y * W + x], b.board[(y - CELL_SPACING) * W + x]) << x << "," << y;
    }
}
