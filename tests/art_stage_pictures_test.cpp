// The stage pictures: the sizes the puzzle and the map cut and draw them by,
// the mask colour they are loaded with, and enough in every piece of the
// puzzle for a player to solve it by looking.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "art_support.h"
#include "tables/sizes.h"
#include "tables/stage_picture_tables.h"

namespace {

// A piece whose brightness spreads less than this (standard deviation, 0..255)
// is a flat patch of colour.
constexpr double MIN_PIECE_SPREAD = 10.0;
// A piece whose neighbouring pixels differ by less than this on average
// (0..255) holds no shapes, at most a smooth gradient.
constexpr double MIN_PIECE_DETAIL = 0.5;
// Two pieces whose pixels differ by less than this on average (0..255, per
// colour channel) are too alike to tell apart.
constexpr double MIN_PIECE_DIFFERENCE = 8.0;
// Two stages' pictures must differ by at least this much (same measure).
constexpr double MIN_PICTURE_DIFFERENCE = 20.0;
// The preview is the picture at half size: each of its pixels is close to the
// mean of the four it stands for.
constexpr double MAX_PREVIEW_DEVIATION = 6.0;

constexpr uint32_t MASK = (static_cast<uint32_t>(STAGE_PICTURE_MASK_RED) << 16) |
                          (static_cast<uint32_t>(STAGE_PICTURE_MASK_GREEN) << 8) | STAGE_PICTURE_MASK_BLUE;

TArtPicture Load(int stage, const char* file) {
    TArtPicture p;
    EXPECT_TRUE(ReadArtPng(ArtRunDir() + StagePicturePath(stage, file), p)) << StagePicturePath(stage, file);
    return p;
}

// The PNG's colour type: 2 is colour without alpha, so the mask colour decides
// what is transparent when the game loads it.
int PngColourType(int stage, const char* file) {
    std::ifstream in(ArtRunDir() + StagePicturePath(stage, file), std::ios::binary);
    char header[26] = {};
    in.read(header, sizeof header);
    return in ? static_cast<unsigned char>(header[25]) : -1;
}

int Channel(uint32_t v, int c) { return static_cast<int>((v >> (16 - 8 * c)) & 255); }
double Luma(uint32_t v) { return 0.299 * Channel(v, 0) + 0.587 * Channel(v, 1) + 0.114 * Channel(v, 2); }

struct TPiece {
    std::vector<uint32_t> pixels;   // STAGE_PIECE_WIDTH x STAGE_PIECE_HEIGHT
};

std::vector<TPiece> CutIntoPieces(const TArtPicture& p) {
    std::vector<TPiece> pieces(STAGE_PICTURE_PIECES);
    for (int n = 0; n < STAGE_PICTURE_PIECES; n++) {
        int x0 = (n % STAGE_PICTURE_COLUMNS) * STAGE_PIECE_WIDTH, y0 = (n / STAGE_PICTURE_COLUMNS) * STAGE_PIECE_HEIGHT;
        for (int y = 0; y < STAGE_PIECE_HEIGHT; y++)
            for (int x = 0; x < STAGE_PIECE_WIDTH; x++) pieces[n].pixels.push_back(p.At(x0 + x, y0 + y));
    }
    return pieces;
}

double Spread(const TPiece& piece) {
    double sum = 0, squares = 0;
    for (uint32_t v : piece.pixels) {
        double l = Luma(v);
        sum += l;
        squares += l * l;
    }
    double n = static_cast<double>(piece.pixels.size()), mean = sum / n;
    return std::sqrt(std::max(0.0, squares / n - mean * mean));
}

double Detail(const TPiece& piece) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y + 1 < STAGE_PIECE_HEIGHT; y++)
        for (int x = 0; x + 1 < STAGE_PIECE_WIDTH; x++) {
            double l = Luma(piece.pixels[y * STAGE_PIECE_WIDTH + x]);
            sum += std::fabs(l - Luma(piece.pixels[y * STAGE_PIECE_WIDTH + x + 1])) +
                   std::fabs(l - Luma(piece.pixels[(y + 1) * STAGE_PIECE_WIDTH + x]));
            count += 2;
        }
    return sum / count;
}

double Difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); i++)
        for (int c = 0; c < 3; c++) sum += std::abs(Channel(a[i], c) - Channel(b[i], c));
    return sum / (a.size() * 3.0);
}

}  // namespace

TEST(ArtStagePictures, EveryStageHasItsThreePicturesInTheSizesTheGameDrawsThem) {
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        for (const char* file : {"0bg.png", "preview.png", "preview2.png"})
            EXPECT_EQ(PngColourType(stage, file), 2) << StagePicturePath(stage, file) << " must be loaded through its mask colour";
        TArtPicture picture = Load(stage, "0bg.png"), preview = Load(stage, "preview.png"), thumb = Load(stage, "preview2.png");
        ASSERT_TRUE(picture.width == STAGE_PICTURE_WIDTH && picture.height == STAGE_PICTURE_HEIGHT) << stage;
        ASSERT_TRUE(preview.width == STAGE_PREVIEW_WIDTH && preview.height == STAGE_PREVIEW_HEIGHT) << stage;
        ASSERT_TRUE(thumb.width == STAGE_THUMB_WIDTH && thumb.height == STAGE_THUMB_HEIGHT) << stage;
        // a mask-coloured pixel would be a hole in a piece or in the popup's preview
        for (const TArtPicture* p : {&picture, &preview})
            for (uint32_t v : p->pixels) ASSERT_NE(v & 0xFFFFFF, MASK) << "stage " << stage << " has a hole";
        // the preview is this very picture at half size
        double deviation = 0;
        for (int y = 0; y < STAGE_PREVIEW_HEIGHT; y++)
            for (int x = 0; x < STAGE_PREVIEW_WIDTH; x++)
                for (int c = 0; c < 3; c++) {
                    double mean = (Channel(picture.At(2 * x, 2 * y), c) + Channel(picture.At(2 * x + 1, 2 * y), c) +
                                   Channel(picture.At(2 * x, 2 * y + 1), c) + Channel(picture.At(2 * x + 1, 2 * y + 1), c)) / 4.0;
                    deviation += std::fabs(mean - Channel(preview.At(x, y), c));
                }
        EXPECT_LT(deviation / (STAGE_PREVIEW_WIDTH * STAGE_PREVIEW_HEIGHT * 3.0), MAX_PREVIEW_DEVIATION) << stage;
        // the thumbnail's cut corners vanish, its middle does not
        EXPECT_EQ(thumb.At(0, 0) & 0xFFFFFF, MASK) << stage;
        EXPECT_EQ(thumb.At(STAGE_THUMB_WIDTH - 1, STAGE_THUMB_HEIGHT - 1) & 0xFFFFFF, MASK) << stage;
        for (int y = STAGE_THUMB_HEIGHT / 4; y < STAGE_THUMB_HEIGHT * 3 / 4; y++)
            for (int x = STAGE_THUMB_WIDTH / 4; x < STAGE_THUMB_WIDTH * 3 / 4; x++)
                ASSERT_NE(thumb.At(x, y) & 0xFFFFFF, MASK) << stage;
    }
}

TEST(ArtStagePictures, EveryPieceShowsSomethingAndNoTwoPiecesLookAlike) {
    std::vector<std::vector<uint32_t>> pictures;
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        TArtPicture picture = Load(stage, "0bg.png");
        std::vector<TPiece> pieces = CutIntoPieces(picture);
        for (int n = 0; n < STAGE_PICTURE_PIECES; n++) {
            EXPECT_GT(Spread(pieces[n]), MIN_PIECE_SPREAD) << "stage " << stage << " piece " << n + 1 << " is flat";
            EXPECT_GT(Detail(pieces[n]), MIN_PIECE_DETAIL) << "stage " << stage << " piece " << n + 1 << " holds no shapes";
            for (int m = 0; m < n; m++)
                EXPECT_GT(Difference(pieces[n].pixels, pieces[m].pixels), MIN_PIECE_DIFFERENCE)
                    << "stage " << stage << " pieces " << m + 1 << " and " << n + 1;
        }
        for (size_t other = 0; other < pictures.size(); other++)
            EXPECT_GT(Difference(picture.pixels, pictures[other]), MIN_PICTURE_DIFFERENCE)
                << "stages " << other + 1 << " and " << stage << " look alike";
        pictures.push_back(picture.pixels);
    }
}
